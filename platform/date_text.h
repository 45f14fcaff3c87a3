#pragma once
// Today's date as the print page's date field shows it when the page is made:
// the field's default display format, which is the locale's short date.
#include <QDate>
#include <QLocale>
#include <QString>

namespace vd {

inline QString TodayAsDateField() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace vd
