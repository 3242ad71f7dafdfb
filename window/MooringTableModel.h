#pragma once

#include <QAbstractTableModel>

class CMooringDocument;

// The document's positions as the window's table: label, depth and notes
// edited in place, the plan's answers and what they give read-only.
class CMooringTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum EColumn { Label, Depth, Notes, Model, Comms, Interval, Battery, Temperature, Days, End, Margin, Status, kColumnCount };

    explicit CMooringTableModel(CMooringDocument& document, QObject* pParent = nullptr);

    // The columns that show the plan: activating one opens it in the wizard.
    static bool IsPlanColumn(int nColumn) { return nColumn >= Model && nColumn <= Temperature; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QVariant headerData(int nSection, Qt::Orientation eOrientation, int nRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;

private:
    void OnChanged();
    void Reset();

    CMooringDocument& m_document;
    int m_nRows = 0;
};
