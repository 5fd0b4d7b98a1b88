#include "common/today.h"

#include <QLocale>

namespace {
QDate fixedToday;
}

QDate Today() {
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void SetTodayForTesting(QDate date) {
    fixedToday = date;
}

QString ShortDateText(QDate date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}
