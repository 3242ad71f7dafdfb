#pragma once

#include "SupportExport.h"

#include <QDateTime>
#include <QString>

class QLineEdit;
class QWidget;

// Dates as "MM/DD/YYYY" and date-times as "DD MMM YYYY HH:MM:SS" with English
// month abbreviations, never taken from the locale. Times are shown and built
// in local time; the readers accept the years 1970 to 2038.
//
// Read results: 0 success, -1 too few fields, -2 month, -3 day, -4 year,
// -5 hour, -6 minute, -7 second (the last three for date-times only).

MOORPLAN_SUPPORT_EXPORT QString TimeToDateStr(const QDateTime& time);
MOORPLAN_SUPPORT_EXPORT QString TimeToTimeOnlyStr(const QDateTime& time);
MOORPLAN_SUPPORT_EXPORT QString TimeToDateOnlyStr(const QDateTime& time);
MOORPLAN_SUPPORT_EXPORT QString TimeToDateTimeStr(const QDateTime& time);

// A day beyond the month's length rolls into the next month (2/30/2000 is
// 1 March 2000); time is left unchanged unless 0 is returned.
MOORPLAN_SUPPORT_EXPORT int DateStrToTime(const QString& strText, QDateTime& time);
// Hour, minute and second may be left out (they read as 0); hour 24 is 00:00
// of the next day. The month word matches on its first three letters, in any case.
MOORPLAN_SUPPORT_EXPORT int DateTimeStrToTime(const QString& strText, QDateTime& time);

// The "Input Error" box for a read result; other codes show nothing.
MOORPLAN_SUPPORT_EXPORT void DateErrorMsg(int nError, QWidget* pOwner);
MOORPLAN_SUPPORT_EXPORT void DateTimeErrorMsg(int nError);

// The box, then the field is focused with its faulty part selected.
MOORPLAN_SUPPORT_EXPORT void EditDateError(QLineEdit& edit, int nError, QWidget* pOwner);
MOORPLAN_SUPPORT_EXPORT void EditDateTimeError(QLineEdit& edit, int nError);
