#pragma once

#include "SupportExport.h"

#include <QString>

#include <exception>

class QLineEdit;
class QWidget;

namespace BvUtility {

// The user-abort exception: the user has already been told what is wrong and
// the current operation is to be abandoned. Thrown by the edit-field readers
// while the error-exception switch is on.
class MOORPLAN_SUPPORT_EXPORT CUserException : public std::exception {
public:
    const char* what() const noexcept override;
};

// Position-about-to-change code of a spin control's notification.
inline constexpr int kSpinPositionChanging = -722;

// What a spin control tells its parent before its position changes.
struct CSpinNotification {
    int nCode = 0;               // kSpinPositionChanging for a change request
    int nPos = 0;                // current position
    int nDelta = 0;              // requested change
    QWidget* pParent = nullptr;  // the window holding the spin control and its buddy field
};

}  // namespace BvUtility

// Process-wide switches deciding how a failed read is reported: the "Input
// Error" box, the user-abort exception, both (the default) or neither.
MOORPLAN_SUPPORT_EXPORT int IsEditErrorMsg();
MOORPLAN_SUPPORT_EXPORT void SetEditErrorMsg(int bOn);
MOORPLAN_SUPPORT_EXPORT int IsEditErrorException();
MOORPLAN_SUPPORT_EXPORT void SetEditErrorException(int bOn);

MOORPLAN_SUPPORT_EXPORT void IntToEdit(int nValue, QLineEdit& edit);
MOORPLAN_SUPPORT_EXPORT void LongToEdit(long lValue, QLineEdit& edit);
// szFormat takes the width and the precision through "*" where they are
// given; -1 passes no width (no precision). E.g. "%*.*lf", 8, 3.
MOORPLAN_SUPPORT_EXPORT void DoubleToEdit(double dValue, QLineEdit& edit, const char* szFormat, int nWidth,
                                          int nPrecision);

// Scan a number at the start of the text (leading blanks and a sign allowed,
// anything after the number ignored, always the C locale's full stop). 1 on
// success; a number beyond the type's range gives the nearest value it holds.
MOORPLAN_SUPPORT_EXPORT int StringToInt(const QString& strText, int& nValue);
MOORPLAN_SUPPORT_EXPORT int StringToLong(const QString& strText, long& lValue);
MOORPLAN_SUPPORT_EXPORT int StringToDouble(const QString& strText, double& dValue);

// Readers: 1 on success, otherwise the input error is reported (message box
// and/or exception, per the switches) and 0 returned. A null field name reads
// as "Field". Test codes: 1 value > limit, 2 >=, 3 <, 4 <=, others accept.
MOORPLAN_SUPPORT_EXPORT int EditToInt(QLineEdit& edit, int& nValue, const QString& strName);
MOORPLAN_SUPPORT_EXPORT int EditToLong(QLineEdit& edit, long& lValue, const QString& strName);
MOORPLAN_SUPPORT_EXPORT int EditToDouble(QLineEdit& edit, double& dValue, const QString& strName);
MOORPLAN_SUPPORT_EXPORT int EditToIntTest(QLineEdit& edit, int& nValue, const QString& strName, int nTest,
                                          int nLimit);
MOORPLAN_SUPPORT_EXPORT int EditToLongTest(QLineEdit& edit, long& lValue, const QString& strName, int nTest,
                                           long lLimit);
MOORPLAN_SUPPORT_EXPORT int EditToDoubleTest(QLineEdit& edit, double& dValue, const QString& strName, int nTest,
                                             double dLimit);
MOORPLAN_SUPPORT_EXPORT int EditToIntRange(QLineEdit& edit, int& nValue, int nMinimum, int nMaximum,
                                           const QString& strName);
MOORPLAN_SUPPORT_EXPORT int EditToDoubleRange(QLineEdit& edit, double& dValue, double dMinimum, double dMaximum,
                                              const QString& strName);

// Keeps a spin control's buddy field within bounds: for a position-changing
// notification, writes the new position (current plus change, clamped to
// [nMinimum, nMaximum]) as a decimal number into the line edit named
// strFieldName (object name) under the notification's parent, and returns 1.
// Any other notification returns 0 and changes nothing.
MOORPLAN_SUPPORT_EXPORT int SetSpinEdit(const BvUtility::CSpinNotification& notification,
                                        const QString& strFieldName, int nMinimum, int nMaximum);
