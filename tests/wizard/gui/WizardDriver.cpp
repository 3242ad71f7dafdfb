#include "WizardDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

CWizardSwitches Switches(bool bTest, bool b485)
{
    CWizardSwitches commandLine;
    commandLine.m_bTest = bTest;
    commandLine.m_b485 = b485;
    return commandLine;
}

CGuiWizard::CGuiWizard(const CWizardSwitches& commandLine)
    : m_sheet(QStringLiteral("Power Calculator"), commandLine)
{
    m_sheet.show();
    QCoreApplication::processEvents();
}

EPageKind CGuiWizard::ActiveKind() const
{
    // The sheet's page list mirrors the model's.
    return const_cast<CMoorplanPropSheet&>(m_sheet).Model().Pages().at(static_cast<std::size_t>(m_sheet.GetActiveIndex()))->Kind();
}

QString CGuiWizard::ReportText() const
{
    // The page's controls of an earlier visit may still wait for deletion,
    // hidden: the report shown is the visible one.
    for (const QPlainTextEdit* pReport : m_sheet.GetActivePage()->findChildren<QPlainTextEdit*>(QStringLiteral("report"))) {
        if (pReport->isVisible())
            return pReport->toPlainText();
    }
    return QString();
}

void CGuiWizard::Answer(const CAnswer& answer)
{
    if (answer.m_eAction == CAnswer::Next || answer.m_eAction == CAnswer::Back) {
        QTest::mouseClick(Button(answer.m_eAction == CAnswer::Next ? "nextButton" : "backButton"), Qt::LeftButton);
        QCoreApplication::processEvents();   // the pages' posted button requests
        return;
    }
    QWidget* pWidget = ActivePage()->ControlWidget(answer.m_nId);
    ASSERT_NE(pWidget, nullptr) << "control " << answer.m_nId;
    ASSERT_TRUE(pWidget->isVisible() && pWidget->isEnabled()) << "control " << answer.m_nId << " not available";
    switch (answer.m_eAction) {
    case CAnswer::Choose: {
        auto* pList = qobject_cast<QComboBox*>(pWidget);
        const int nIndex = pList->findText(QString::fromStdString(answer.m_strValue));
        ASSERT_GE(nIndex, 0) << answer.m_strValue;
        pList->setCurrentIndex(nIndex);
        emit pList->activated(nIndex);
        break;
    }
    case CAnswer::Click:
    case CAnswer::Toggle:
        // On the indicator: the rest of a stretched button's width is not the button.
        QTest::mouseClick(pWidget, Qt::LeftButton, {}, QPoint(8, pWidget->height() / 2));
        break;
    case CAnswer::Type:
        qobject_cast<QLineEdit*>(pWidget)->clear();
        QTest::keyClicks(pWidget, QString::fromStdString(answer.m_strValue));
        break;
    case CAnswer::Next:
    case CAnswer::Back:
        break;
    }
    QCoreApplication::processEvents();
}

void CGuiWizard::Answer(const CAnswers& aAnswers)
{
    for (const CAnswer& answer : aAnswers) {
        Answer(answer);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

void CGuiWizard::ClickPageButton(const char* szName)
{
    auto* pButton = m_sheet.GetActivePage()->findChild<QPushButton*>(QString::fromLatin1(szName));
    ASSERT_NE(pButton, nullptr) << szName;
    QTest::mouseClick(pButton, Qt::LeftButton);
}

void ModelAnswer(CSheetModel& sheet, const CAnswers& aAnswers, std::vector<std::string>* pMessages)
{
    for (const CAnswer& answer : aAnswers) {
        CPageModel& page = sheet.CurrentPage();
        CPageResult result;
        switch (answer.m_eAction) {
        case CAnswer::Choose: {
            const std::vector<std::string>& astrItems = page.Control(answer.m_nId).m_astrItems;
            const auto it = std::find(astrItems.begin(), astrItems.end(), answer.m_strValue);
            page.SelectEntry(answer.m_nId, static_cast<int>(it - astrItems.begin()));
            break;
        }
        case CAnswer::Click:
            page.Click(answer.m_nId);
            break;
        case CAnswer::Toggle:
            page.SetChecked(answer.m_nId, !page.Control(answer.m_nId).m_bChecked);
            break;
        case CAnswer::Type:
            page.TypeText(answer.m_nId, answer.m_strValue);
            break;
        case CAnswer::Next:
            result = sheet.Next();
            break;
        case CAnswer::Back:
            result = sheet.Back();
            break;
        }
        if (pMessages && !result.m_strMessage.empty())
            pMessages->push_back(result.m_strMessage);
    }
}

std::string ModelReport(const CWizardSwitches& commandLine, const CAnswers& aAnswers)
{
    CSheetModel sheet(commandLine);
    sheet.Start();
    ModelAnswer(sheet, aAnswers);
    CPageModel& last = sheet.CurrentPage();
    return last.Kind() == EPageKind::Finish ? last.Control(CFinishPageModel::kReport).m_strText : std::string();
}

QString AsShown(const std::string& strReport)
{
    return QString::fromStdString(strReport).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

bool CShown::operator==(const CShown& other) const
{
    return m_strText == other.m_strText && m_bChecked == other.m_bChecked && m_bVisible == other.m_bVisible
           && m_bEnabled == other.m_bEnabled;
}

std::ostream& operator<<(std::ostream& out, const CShown& shown)
{
    return out << "'" << shown.m_strText << "'" << (shown.m_bChecked ? " checked" : "")
               << (shown.m_bVisible ? " shown" : " hidden") << (shown.m_bEnabled ? "" : " disabled");
}

CShown ModelShows(const CControlState& control)
{
    std::string strText = AsShown(control.m_strText).toStdString();
    if (control.m_eKind == EControlKind::List)
        strText = control.m_nSelection < 0 ? std::string() : control.m_astrItems.at(static_cast<std::size_t>(control.m_nSelection));
    return {strText, control.m_bChecked, control.m_bVisible, control.m_bEnabled};
}

CShown WidgetShows(const QWidget& widget)
{
    QString strText;
    bool bChecked = false;
    if (const auto* pEdit = qobject_cast<const QLineEdit*>(&widget))
        strText = pEdit->text();
    else if (const auto* pList = qobject_cast<const QComboBox*>(&widget))
        strText = pList->currentText();
    else if (const auto* pLabel = qobject_cast<const QLabel*>(&widget))
        strText = pLabel->text();
    else if (const auto* pReport = qobject_cast<const QPlainTextEdit*>(&widget))
        strText = pReport->toPlainText();
    else if (const auto* pButton = qobject_cast<const QAbstractButton*>(&widget)) {
        strText = pButton->text();
        bChecked = pButton->isChecked();
    }
    return {strText.toStdString(), bChecked, widget.isVisible(), widget.isEnabled()};
}
