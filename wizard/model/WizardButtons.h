#pragma once

// The wizard buttons a page enables while it is active, as bits: the page
// models request them, and the property sheet (CPropertySheet::SetWizardButtons)
// shows them.
enum EWizardButtons {
    kWizBack = 1,
    kWizNext = 2,
    kWizFinish = 4,
};
