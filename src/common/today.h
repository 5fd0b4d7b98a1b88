#pragma once

#include <QDate>
#include <QString>

// Today's date, from one place so that tests can fix it.
QDate Today();
void SetTodayForTesting(QDate date);  // an invalid date returns to the real clock

// A date as the order stores it: the short date format of the current locale.
QString ShortDateText(QDate date);
