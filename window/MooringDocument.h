#pragma once

#include "Mooring.h"
#include "MooringTable.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <string>

// The mooring the window edits: the mooring itself, its table worked out
// afresh after every change, the file it belongs to and the undo history.
// Every edit a person makes goes through Edit, so it can be undone and
// marks the document changed until it is saved.
class CMooringDocument : public QObject {
    Q_OBJECT
public:
    explicit CMooringDocument(const CWizardSwitches& switches, QObject* pParent = nullptr);

    const CMooring& Mooring() const { return m_mooring; }
    const CMooringTable& Table() const { return m_table; }
    const CWizardSwitches& Switches() const { return m_switches; }
    QUndoStack& UndoStack() { return m_undo; }
    // The file, empty for a mooring never saved.
    const QString& Path() const { return m_strPath; }
    bool IsChanged() const { return !m_undo.isClean(); }

    // A new mooring deployed today, its history empty.
    void New();
    // Reads the file; false with its one line in strError, the document as
    // it was.
    bool Open(const QString& strPath, std::string& strError);
    // Writes the file whole or not at all; false with the line that says why.
    bool SaveAs(const QString& strPath, std::string& strError);

    // An undoable edit: the mooring becomes changed. Edits with the same
    // nMergeId in a row (the keystrokes of one field) undo as one.
    void Edit(const QString& strWhat, const CMooring& changed, int nMergeId = -1);

signals:
    // The mooring and its table have changed (or are new).
    void Changed();
    void PathChanged();

private:
    friend class CMooringEditCommand;
    void Set(const CMooring& mooring);
    void Reset(CMooring mooring, CMooringTable table, const QString& strPath);

    CWizardSwitches m_switches;
    CMooringEvaluator m_evaluator;
    CMooring m_mooring;
    CMooringTable m_table;
    QString m_strPath;
    QUndoStack m_undo;
};
