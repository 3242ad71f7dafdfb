#include "MooringDocument.h"

#include "MooringEdit.h"
#include "MooringFile.h"

#include <QDate>
#include <QFile>
#include <QUndoCommand>

// One edit: the mooring before and after it, whole (a mooring is a few
// kilobytes; its table keeps the plans walked, so undoing walks none again).
class CMooringEditCommand : public QUndoCommand {
public:
    CMooringEditCommand(CMooringDocument& document, const QString& strWhat, CMooring before, CMooring after,
                        int nMergeId)
        : QUndoCommand(strWhat), m_document(document), m_before(std::move(before)), m_after(std::move(after)),
          m_nMergeId(nMergeId)
    {
    }
    void undo() override { m_document.Set(m_before); }
    void redo() override { m_document.Set(m_after); }
    int id() const override { return m_nMergeId; }
    bool mergeWith(const QUndoCommand* pOther) override
    {
        m_after = static_cast<const CMooringEditCommand*>(pOther)->m_after;
        return true;
    }

private:
    CMooringDocument& m_document;
    CMooring m_before;
    CMooring m_after;
    int m_nMergeId;
};

CMooringDocument::CMooringDocument(const CWizardSwitches& switches, QObject* pParent)
    : QObject(pParent), m_switches(switches), m_evaluator(switches)
{
    New();
}

void CMooringDocument::New()
{
    const QDate today = QDate::currentDate();
    CMooring mooring = MooringEdit::NewMooring("New mooring", CCivilDay{today.year(), today.month(), today.day()});
    CMooringTable table = m_evaluator.Evaluate(mooring);
    Reset(std::move(mooring), std::move(table), QString());
}

bool CMooringDocument::Open(const QString& strPath, std::string& strError)
{
    CMooring mooring;
    CMooringTable table;
    if (!MooringFile::Open(QFile::encodeName(strPath).toStdString(), m_evaluator, mooring, table, strError))
        return false;
    Reset(std::move(mooring), std::move(table), strPath);
    return true;
}

bool CMooringDocument::SaveAs(const QString& strPath, std::string& strError)
{
    if (!MooringFile::Save(QFile::encodeName(strPath).toStdString(), m_mooring, strError))
        return false;
    if (strPath != m_strPath) {
        m_strPath = strPath;
        emit PathChanged();
    }
    m_undo.setClean();
    return true;
}

void CMooringDocument::Edit(const QString& strWhat, const CMooring& changed, int nMergeId)
{
    m_undo.push(new CMooringEditCommand(*this, strWhat, m_mooring, changed, nMergeId));
}

void CMooringDocument::Set(const CMooring& mooring)
{
    m_mooring = mooring;
    m_table = m_evaluator.Evaluate(m_mooring);
    emit Changed();
}

void CMooringDocument::Reset(CMooring mooring, CMooringTable table, const QString& strPath)
{
    m_mooring = std::move(mooring);
    m_table = std::move(table);
    m_strPath = strPath;
    m_undo.clear();
    emit Changed();
    emit PathChanged();
}
