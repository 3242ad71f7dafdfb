#pragma once

#include "ControlBinder.h"
#include "PropertyPage.h"

#include <QScopedPointer>

namespace Ui {
class PropPageFinish;
}
class CFinishPageModel;
class CInsightPanel;
class CSheetModel;

// The last page: the complete report with the endurance (and the table of
// intervals against days in test mode), "View in Notepad" and, with the MANUAL
// switch, "View Manual". Its activation turns the sheet's Finish button into
// Exit. What the page shows is decided by its page model and copied onto the
// widgets by the binder, as on every page; the two buttons act on the sheet's
// instrument.
class CPropPageFinish : public CPropertyPage {
    Q_OBJECT
public:
    CPropPageFinish(CFinishPageModel& model, CSheetModel& sheet);
    ~CPropPageFinish() override;

    int OnSetActive() override;

    // Writes the report to the export file and opens it in the text editor.
    void OnViewInNotepad();
    // Opens the instrument's manuals named in the catalogue of the current folder.
    void OnViewManual();
    // "Save Plan…": asks for a file and writes the plan of the pages' answers
    // to it, replacing an old file whole or not at all.
    void OnSavePlan();
    // "Add to Mooring…": asks for a mooring file, existing or new, and
    // appends the plan of the pages' answers to it as a new position.
    void OnAddToMooring();

    // Where the endurance goes, days per interval and the expected end date.
    CInsightPanel* Insight() const;

protected:
    void CreateControls(QWidget* pBody) override;

private:
    void Tell(const std::string& strText);

    CFinishPageModel& m_model;
    CSheetModel& m_sheet;
    QScopedPointer<Ui::PropPageFinish> m_ui;
    CControlBinder m_binder;
};
