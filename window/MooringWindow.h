#pragma once

#include "MooringDocument.h"

#include <QMainWindow>
#include <QPointer>

#include <string>

class CMooringPicture;
class CMooringTableModel;
class CMoorplanPropSheet;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The whole mooring on one window: its name and days, the table of
// positions (label, depth and notes edited in place; a plan cell opens the
// wizard on that plan), the line, the timeline and the verdict; the file
// commands, the exports and undo and redo.
class CMooringWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMooringWindow(const CWizardSwitches& switches, QWidget* pParent = nullptr);
    ~CMooringWindow() override;

    CMooringDocument& Document() { return m_document; }
    QTableView* Table() const { return m_pTable; }
    // The wizard opened on a plan (or for a new one), while it is open.
    CMoorplanPropSheet* PlanSheet() const;

    // Opens the file in this window; a file that cannot be read is told and
    // the window stays as it was.
    bool Open(const QString& strPath);
    // "Open…": asks about unsaved changes first, then for the file.
    void ChooseAndOpen();
    void NewMooring();
    bool Save();
    bool SaveAs();
    void ExportCsv();
    void Print();
    void SaveAsPdf();

    // The wizard on the plan of the row, landing on its finish page; its
    // Exit puts a changed plan back. nRow -1: a new plan from the start,
    // added as a new position.
    void EditPlan(int nRow);
    void ImportPlan();
    void RemoveRow();
    void MoveRow(int nStep);

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void CreateMenus();
    QWidget* CreateDetails();
    void OnChanged();
    void UpdateTitle();
    void OnPlanSheetAccepted(const CPlanAnswers& plan, int nRow, const std::string& strBefore);
    int CurrentRow() const;
    // Asks whether to save a changed mooring; false when the person cancels.
    bool MaybeSave();
    void Tell(const std::string& strText);
    QString AskOpenPath(const char* szExtension, const char* szFilter);
    QString AskSavePath(const char* szExtension, const char* szFilter, const QString& strName);

    CMooringDocument m_document;
    CMooringTableModel* m_pModel = nullptr;
    QTableView* m_pTable = nullptr;
    QLineEdit* m_pName = nullptr;
    QDateEdit* m_pDeployed = nullptr;
    QDateEdit* m_pRecovery = nullptr;
    QLabel* m_pVerdict = nullptr;
    QPushButton* m_pRemove = nullptr;
    QPushButton* m_pUp = nullptr;
    QPushButton* m_pDown = nullptr;
    CMooringPicture* m_pLine = nullptr;
    CMooringPicture* m_pTimeline = nullptr;
    QPointer<CMoorplanPropSheet> m_pPlanSheet;
};

// "moorplan FILE.mooring" and "moorplan /MOORING": the mooring window
// instead of the wizard, until it is closed. Returns the exit code.
int RunMooringWindow(const CWizardSwitches& switches, const QString& strFile);
