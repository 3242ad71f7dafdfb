#include "MooringTableModel.h"

#include "MooringDocument.h"
#include "MooringFile.h"
#include "MooringPalette.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace {
struct CColumn {
    const char* szHeader;
    const char* szAnswer;   // the plan answer the column shows, or nullptr
};
const CColumn kColumns[CMooringTableModel::kColumnCount] = {
    {"Label", nullptr},        {"Depth (m)", nullptr},    {"Notes", nullptr},       {"Model", "model"},
    {"Comms", "comm"},         {"Interval (s)", "interval"}, {"Battery", "battery"}, {"Temp (C)", "temperature"},
    {"Days", nullptr},         {"End", nullptr},          {"Margin", nullptr},      {"Status", nullptr},
};

// A depth as typed: a number of metres, the surface or below.
bool ReadDepth(const QString& strText, double& dDepth)
{
    bool bNumber = false;
    dDepth = strText.trimmed().toDouble(&bNumber);
    return bNumber && std::isfinite(dDepth) && dDepth >= 0.0;
}
}  // namespace

CMooringTableModel::CMooringTableModel(CMooringDocument& document, QObject* pParent)
    : QAbstractTableModel(pParent), m_document(document), m_nRows(static_cast<int>(document.Table().m_aRows.size()))
{
    connect(&m_document, &CMooringDocument::Changed, this, &CMooringTableModel::OnChanged);
    // Another file: the view starts afresh (and fits its columns again).
    connect(&m_document, &CMooringDocument::PathChanged, this, &CMooringTableModel::Reset);
}

void CMooringTableModel::Reset()
{
    beginResetModel();
    m_nRows = static_cast<int>(m_document.Table().m_aRows.size());
    endResetModel();
}

void CMooringTableModel::OnChanged()
{
    const int nRows = static_cast<int>(m_document.Table().m_aRows.size());
    if (nRows != m_nRows)
        Reset();
    else if (nRows > 0) {
        emit dataChanged(index(0, 0), index(nRows - 1, kColumnCount - 1));
    }
}

int CMooringTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_nRows; }

int CMooringTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant CMooringTableModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || index.row() >= m_nRows)
        return QVariant();
    const CMooringPosition& position = m_document.Mooring().m_aPositions[index.row()];
    const CPositionRow& row = m_document.Table().m_aRows[index.row()];
    if (nRole == Qt::ForegroundRole && index.column() == Status)
        return StatusColour(row.m_eState, QGuiApplication::palette());
    if (nRole == Qt::TextAlignmentRole && (index.column() == Depth || index.column() == Interval ||
                                           index.column() == Temperature || index.column() == Days ||
                                           index.column() == Margin))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (nRole != Qt::DisplayRole && nRole != Qt::EditRole && nRole != Qt::ToolTipRole)
        return QVariant();
    if (const char* szAnswer = kColumns[index.column()].szAnswer)
        return nRole == Qt::ToolTipRole ? QStringLiteral("Press Enter to open this plan in the wizard")
                                        : QString::fromStdString(row.Shown(szAnswer));
    switch (index.column()) {
    case Label:
        return QString::fromStdString(position.m_strLabel);
    case Depth:
        return QString::fromStdString(MooringFile::DepthText(position.m_dDepth));
    case Notes:
        return QString::fromStdString(position.m_strNotes);
    case Days:
        return QString::fromStdString(row.DaysText());
    case End:
        return QString::fromStdString(row.EndText());
    case Margin:
        return QString::fromStdString(row.MarginText());
    default:
        return QString::fromStdString(row.Status());
    }
}

QVariant CMooringTableModel::headerData(int nSection, Qt::Orientation eOrientation, int nRole) const
{
    if (nRole != Qt::DisplayRole)
        return QVariant();
    if (eOrientation == Qt::Vertical)
        return nSection + 1;
    return nSection >= 0 && nSection < kColumnCount ? QString::fromLatin1(kColumns[nSection].szHeader) : QVariant();
}

Qt::ItemFlags CMooringTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() <= Notes)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CMooringTableModel::setData(const QModelIndex& index, const QVariant& value, int nRole)
{
    if (!index.isValid() || nRole != Qt::EditRole || index.row() >= m_nRows || index.column() > Notes)
        return false;
    const QString strText = value.toString();
    CMooring mooring = m_document.Mooring();
    CMooringPosition& position = mooring.m_aPositions[index.row()];
    const CMooringPosition& before = m_document.Mooring().m_aPositions[index.row()];
    switch (index.column()) {
    case Label:
        position.m_strLabel = strText.toStdString();
        if (position.m_strLabel != before.m_strLabel)
            m_document.Edit(QStringLiteral("Edit Label"), mooring);
        break;
    case Depth:
        if (!ReadDepth(strText, position.m_dDepth))
            return false;
        if (position.m_dDepth != before.m_dDepth)
            m_document.Edit(QStringLiteral("Edit Depth"), mooring);
        break;
    default:
        position.m_strNotes = strText.toStdString();
        if (position.m_strNotes != before.m_strNotes)
            m_document.Edit(QStringLiteral("Edit Notes"), mooring);
        break;
    }
    return true;
}
