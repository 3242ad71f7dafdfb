#pragma once

#include "PageModel.h"

// The finish page: the complete report with the endurance (and, in test
// mode, the table of intervals against days), "View in Notepad" and, with the
// MANUAL switch, "View Manual". Its activation renames the Finish button.
class CFinishPageModel : public CPageModel {
public:
    enum EControl { kReport, kViewInNotepad, kViewManual, kControlCount };

    explicit CFinishPageModel(CSheetModel& sheet);

    void OnSetActive() override;

    // The caption of the wizard's Finish button once the page was shown.
    const std::string& FinishButtonText() const { return m_strFinishButtonText; }

private:
    std::string m_strFinishButtonText = "Finish";
};
