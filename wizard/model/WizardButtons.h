#pragma once

// The wizard buttons a page enables while it is active, as bits for
// CPropertySheet::SetWizardButtons. Toolkit-free: the page models request
// them too.
enum EWizardButtons {
    kWizBack = 1,
    kWizNext = 2,
    kWizFinish = 4,
};
