// vdcat's default print date is the text the print page's date field shows.
#include "date_text.h"

#include <QDateEdit>
#include <gtest/gtest.h>

TEST(DateText, TodayReadsAsTheDateFieldShowsIt) {
    QDateEdit field(QDate::currentDate());
    EXPECT_EQ(vd::TodayAsDateField().toStdString(), field.text().toStdString());
    for (const char* name : {"en_GB", "de_DE", "fi_FI", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        QDateEdit localField(QDate::currentDate());
        EXPECT_EQ(vd::TodayAsDateField().toStdString(), localField.text().toStdString()) << name;
    }
    QLocale::setDefault(QLocale::system());
}
