#include "ControlBinder.h"

#include "PageModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {
QString ToQt(const std::string& str) { return QString::fromStdString(str); }

// A page's run of radio buttons. The model checks and unchecks them itself,
// so the group excludes nothing; it stays a group (and the buttons
// auto-exclusive, with no effect inside a group): that is what makes them
// radio buttons to a screen reader. Qt moves the focus with the arrow keys
// only inside a group that excludes: here the group, filtering its buttons'
// keys, moves it to the next or previous button that can take it, and Space
// chooses.
class CRadioGroup : public QButtonGroup {
public:
    explicit CRadioGroup(QObject* pParent) : QButtonGroup(pParent) { setExclusive(false); }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::KeyPress)
            return false;
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if ((pKey->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const int nKey = pKey->key();
        const int nStep = nKey == Qt::Key_Down || nKey == Qt::Key_Right ? 1
                          : nKey == Qt::Key_Up || nKey == Qt::Key_Left ? -1
                                                                       : 0;
        const QList<QAbstractButton*> apButtons = buttons();
        for (qsizetype n = apButtons.indexOf(static_cast<QAbstractButton*>(pObject)) + nStep;
             nStep != 0 && n >= 0 && n < apButtons.size(); n += nStep) {
            if (apButtons[n]->isEnabled() && apButtons[n]->isVisible()) {
                apButtons[n]->setFocus(nStep > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }
};

// The reports end their lines with "\r\n"; the field shows plain lines.
QString ReportText(const std::string& strReport)
{
    QString str = ToQt(strReport);
    str.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return str;
}

void FillList(QComboBox* pList, const CControlState& control)
{
    QStringList astrItems;
    for (const std::string& strItem : control.m_astrItems)
        astrItems.append(ToQt(strItem));
    QStringList astrShown;
    for (int n = 0; n < pList->count(); ++n)
        astrShown.append(pList->itemText(n));
    if (astrShown != astrItems) {
        pList->clear();
        pList->addItems(astrItems);
    }
    pList->setCurrentIndex(control.m_nSelection);
}

// Captions come from the page model alone; moorplan-report matches its
// choices against the same texts.
void SetCaption(QWidget* pWidget, const CControlState& control)
{
    const QString strText = ToQt(control.m_strText);
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        if (pLabel->text() != strText)
            pLabel->setText(strText);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        if (pButton->text() != strText)
            pButton->setText(strText);
    }
}

// The field's or list's name, from the caption of its label, which becomes
// its buddy. Qt on Linux names a list by its current entry whatever its
// accessible name, and gives its label through the buddy alone: where the
// label already serves another field (a table's column heading serves every
// row), a label of the field's own name, never shown, serves it.
void NameField(QWidget* pWidget, QWidget* pLabelWidget, const std::string& strName)
{
    const QString strAccessible = ToQt(strName);
    if (pWidget->accessibleName() != strAccessible)
        pWidget->setAccessibleName(strAccessible);
    auto* pCaption = qobject_cast<QLabel*>(pLabelWidget);
    if (!pCaption)
        return;
    if (!pCaption->buddy())
        pCaption->setBuddy(pWidget);
    if (pCaption->buddy() == pWidget)
        return;
    QWidget* pParent = pWidget->parentWidget();
    for (QLabel* pLabel : pParent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (pLabel->buddy() == pWidget) {
            if (pLabel->text() != strAccessible)
                pLabel->setText(strAccessible);
            return;
        }
    }
    auto* pUnseen = new QLabel(strAccessible, pParent);
    pUnseen->hide();
    pUnseen->setBuddy(pWidget);
}

void ShowReport(QPlainTextEdit* pReport, const CControlState& control)
{
    const QString strText = ReportText(control.m_strText);
    if (pReport->toPlainText() != strText)
        pReport->setPlainText(strText);
}
}  // namespace

void CControlBinder::Reset(int nControlCount, CommandHandler onCommand)
{
    m_apWidgets.fill(nullptr, nControlCount);
    m_onCommand = std::move(onCommand);
    m_pRadioGroup = nullptr;
}

void CControlBinder::Bind(int nId, QWidget* pWidget)
{
    m_apWidgets[nId] = pWidget;
    const auto fnCommand = [this, nId] { m_onCommand(nId); };
    if (auto* pList = qobject_cast<QComboBox*>(pWidget)) {
        QObject::connect(pList, &QComboBox::activated, pList, fnCommand);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        if (qobject_cast<QRadioButton*>(pButton)) {
            if (!m_pRadioGroup || !qobject_cast<QRadioButton*>(m_apWidgets.value(nId - 1)))
                m_pRadioGroup = new CRadioGroup(pButton->parent());
            m_pRadioGroup->addButton(pButton);
            pButton->installEventFilter(m_pRadioGroup);
        }
        if (pButton->isCheckable())
            QObject::connect(pButton, &QAbstractButton::clicked, pButton, fnCommand);
    } else if (auto* pReport = qobject_cast<QPlainTextEdit*>(pWidget)) {
        // Fixed width, and as large as the text around it.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(std::max(fixed.pointSizeF(), pReport->font().pointSizeF()));
        pReport->setFont(fixed);
        pReport->setAccessibleName(QStringLiteral("Report"));
    }
}

void CControlBinder::ToWidgets(const CPageModel& model) const
{
    for (int nId = 0; nId < m_apWidgets.size(); ++nId) {
        QWidget* pWidget = m_apWidgets.at(nId);
        if (!pWidget)
            continue;
        const CControlState& control = model.Control(nId);
        switch (control.m_eKind) {
        case EControlKind::Edit:
            static_cast<QLineEdit*>(pWidget)->setText(ToQt(control.m_strText));
            NameField(pWidget, Widget(model.LabelOf(nId).m_nLabel), model.AccessibleName(nId));
            break;
        case EControlKind::List:
            FillList(static_cast<QComboBox*>(pWidget), control);
            NameField(pWidget, Widget(model.LabelOf(nId).m_nLabel), model.AccessibleName(nId));
            break;
        case EControlKind::Radio:
        case EControlKind::Check:
            SetCaption(pWidget, control);
            static_cast<QAbstractButton*>(pWidget)->setChecked(control.m_bChecked);
            break;
        case EControlKind::Report:
            ShowReport(static_cast<QPlainTextEdit*>(pWidget), control);
            break;
        case EControlKind::Label:
        case EControlKind::Button:
            SetCaption(pWidget, control);
            break;
        }
        pWidget->setVisible(control.m_bVisible);
        pWidget->setEnabled(control.m_bEnabled);
    }
}

void CControlBinder::FromWidgets(CPageModel& model) const
{
    for (int nId = 0; nId < m_apWidgets.size(); ++nId) {
        QWidget* pWidget = m_apWidgets.at(nId);
        if (!pWidget)
            continue;
        CControlState& control = model.Control(nId);
        switch (control.m_eKind) {
        case EControlKind::Edit:
            control.m_strText = static_cast<QLineEdit*>(pWidget)->text().toStdString();
            break;
        case EControlKind::List:
            control.m_nSelection = static_cast<QComboBox*>(pWidget)->currentIndex();
            break;
        case EControlKind::Radio:
        case EControlKind::Check:
            control.m_bChecked = static_cast<QAbstractButton*>(pWidget)->isChecked();
            break;
        default:
            break;   // labels, buttons and the report are never read back
        }
    }
}
