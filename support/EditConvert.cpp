#include "EditConvert.h"

#include "FormatC.h"
#include "NumberScan.h"
#include "PlatformSeams.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>

using BvUtility::Detail::FormatC;

namespace {

int g_bEditErrorMsg = 1;
int g_bEditErrorException = 1;

// How each number type is written and what a text that is not one is told.
template <typename T>
struct CNumberText;
template <>
struct CNumberText<int> {
    static constexpr const char* szDirective = "%d";
    static constexpr const char* szNotNumber = " requires an integer value.";
};
template <>
struct CNumberText<long> {
    static constexpr const char* szDirective = "%ld";
    static constexpr const char* szNotNumber = " requires an integer value.";
};
template <>
struct CNumberText<double> {
    static constexpr const char* szDirective = "%lf";
    static constexpr const char* szNotNumber = " requires a decimal value.";
};

template <typename T>
QString NumberText(T value)
{
    return FormatC(CNumberText<T>::szDirective, value);
}

// Comparison words of the test codes 1 to 4.
constexpr const char* kTestWords[] = {">", ">=", "<", "<="};

template <typename T>
bool PassesTest(int nTest, T value, T limit)
{
    switch (nTest) {
    case 1: return value > limit;
    case 2: return value >= limit;
    case 3: return value < limit;
    case 4: return value <= limit;
    default: return true;
    }
}

template <typename T>
QString TestMessage(const QString& strField, int nTest, T value, T limit)
{
    if (PassesTest(nTest, value, limit))
        return QString();
    return strField + " must be " + kTestWords[nTest - 1] + " " + NumberText(limit) + ".";
}

template <typename T>
QString RangeMessage(const QString& strField, T value, T minimum, T maximum)
{
    if (value >= minimum && value <= maximum)
        return QString();
    return strField + " must be >= " + NumberText(minimum) + " and <= " + NumberText(maximum) + ".";
}

// Focus and select first, so the user sees the faulty field behind the box.
int ReportInputError(QLineEdit& edit, const QString& strMessage)
{
    if (g_bEditErrorMsg) {
        edit.setFocus(Qt::OtherFocusReason);
        edit.selectAll();
        BvUtility::Platform::ShowMessage({nullptr, QStringLiteral("Input Error"), strMessage,
                                          BvUtility::Platform::MessageIcon::Exclamation,
                                          BvUtility::Platform::MessageButtons::Ok});
    }
    if (g_bEditErrorException)
        throw BvUtility::CUserException();
    return 0;
}

// Reads the field and applies checkValue(field name, value), which returns
// the message of a failed check or an empty text. The caller's variable is
// only written when everything passed.
template <typename T, typename Check>
int ReadEdit(QLineEdit& edit, T& value, const QString& strName, Check checkValue)
{
    const QString strField = strName.isNull() ? QStringLiteral("Field") : strName;
    const QString strText = edit.text();
    T scanned{};
    QString strMessage;
    if (strText.isEmpty())
        strMessage = strField + " must not be blank.";
    else if (!BvUtility::Detail::ScanNumber(strText, scanned))
        strMessage = strField + CNumberText<T>::szNotNumber;
    else
        strMessage = checkValue(strField, scanned);
    if (!strMessage.isEmpty())
        return ReportInputError(edit, strMessage);
    value = scanned;
    return 1;
}

template <typename T>
int ReadEditPlain(QLineEdit& edit, T& value, const QString& strName)
{
    return ReadEdit(edit, value, strName, [](const QString&, T) { return QString(); });
}

template <typename T>
int ReadEditTest(QLineEdit& edit, T& value, const QString& strName, int nTest, T limit)
{
    return ReadEdit(edit, value, strName,
                    [&](const QString& strField, T scanned) { return TestMessage(strField, nTest, scanned, limit); });
}

template <typename T>
int ReadEditRange(QLineEdit& edit, T& value, T minimum, T maximum, const QString& strName)
{
    return ReadEdit(edit, value, strName, [&](const QString& strField, T scanned) {
        return RangeMessage(strField, scanned, minimum, maximum);
    });
}

}  // namespace

const char* BvUtility::CUserException::what() const noexcept
{
    return "operation abandoned after an input error";
}

int IsEditErrorMsg() { return g_bEditErrorMsg; }
void SetEditErrorMsg(int bOn) { g_bEditErrorMsg = bOn; }
int IsEditErrorException() { return g_bEditErrorException; }
void SetEditErrorException(int bOn) { g_bEditErrorException = bOn; }

void IntToEdit(int nValue, QLineEdit& edit) { edit.setText(NumberText(nValue)); }
void LongToEdit(long lValue, QLineEdit& edit) { edit.setText(NumberText(lValue)); }

void DoubleToEdit(double dValue, QLineEdit& edit, const char* szFormat, int nWidth, int nPrecision)
{
    QString strText;
    if (nWidth != -1 && nPrecision != -1)
        strText = FormatC(szFormat, nWidth, nPrecision, dValue);
    else if (nWidth != -1)
        strText = FormatC(szFormat, nWidth, dValue);
    else if (nPrecision != -1)
        strText = FormatC(szFormat, nPrecision, dValue);
    else
        strText = FormatC(szFormat, dValue);
    edit.setText(strText);
}

int StringToInt(const QString& strText, int& nValue) { return BvUtility::Detail::ScanNumber(strText, nValue); }
int StringToLong(const QString& strText, long& lValue) { return BvUtility::Detail::ScanNumber(strText, lValue); }
int StringToDouble(const QString& strText, double& dValue) { return BvUtility::Detail::ScanNumber(strText, dValue); }

int EditToInt(QLineEdit& edit, int& nValue, const QString& strName) { return ReadEditPlain(edit, nValue, strName); }
int EditToLong(QLineEdit& edit, long& lValue, const QString& strName) { return ReadEditPlain(edit, lValue, strName); }
int EditToDouble(QLineEdit& edit, double& dValue, const QString& strName)
{
    return ReadEditPlain(edit, dValue, strName);
}

int EditToIntTest(QLineEdit& edit, int& nValue, const QString& strName, int nTest, int nLimit)
{
    return ReadEditTest(edit, nValue, strName, nTest, nLimit);
}
int EditToLongTest(QLineEdit& edit, long& lValue, const QString& strName, int nTest, long lLimit)
{
    return ReadEditTest(edit, lValue, strName, nTest, lLimit);
}
int EditToDoubleTest(QLineEdit& edit, double& dValue, const QString& strName, int nTest, double dLimit)
{
    return ReadEditTest(edit, dValue, strName, nTest, dLimit);
}

int EditToIntRange(QLineEdit& edit, int& nValue, int nMinimum, int nMaximum, const QString& strName)
{
    return ReadEditRange(edit, nValue, nMinimum, nMaximum, strName);
}
int EditToDoubleRange(QLineEdit& edit, double& dValue, double dMinimum, double dMaximum, const QString& strName)
{
    return ReadEditRange(edit, dValue, dMinimum, dMaximum, strName);
}

int SetSpinEdit(const BvUtility::CSpinNotification& notification, const QString& strFieldName, int nMinimum,
                int nMaximum)
{
    if (notification.nCode != BvUtility::kSpinPositionChanging)
        return 0;
    // Summed wide so that a change near the int limits cannot overflow.
    const long long nWanted = static_cast<long long>(notification.nPos) + notification.nDelta;
    const long long nPos = std::max<long long>(nMinimum, std::min<long long>(nMaximum, nWanted));
    if (notification.pParent) {
        if (auto* pBuddy = notification.pParent->findChild<QLineEdit*>(strFieldName))
            pBuddy->setText(QString::number(nPos));
    }
    return 1;
}
