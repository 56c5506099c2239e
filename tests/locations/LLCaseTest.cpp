#include "locations/LLCase.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

QString L(const char* utf8)
{
    return LLCase(QString::fromUtf8(utf8));
}

TEST(LLCase, DottedAndDotlessCapitalIFoldTheTurkishWay)
{
    EXPECT_EQ(L("ISPARTA"), QString::fromUtf8("ısparta"));
    EXPECT_EQ(L("Isparta"), QString::fromUtf8("ısparta"));
    EXPECT_EQ(L("İZMİR"), QString::fromUtf8("izmir"));
    EXPECT_EQ(L("İstanbul"), QString::fromUtf8("istanbul"));
    EXPECT_EQ(L("ÇĞÖŞÜ ABC"), QString::fromUtf8("çğöşü abc"));
    // Lower-case letters are left alone, the dotless ı included.
    EXPECT_EQ(L("ısparta iğdır"), QString::fromUtf8("ısparta iğdır"));
    EXPECT_EQ(L(""), QString());
}

TEST(LLCase, DoesNotDependOnTheUsersLanguage)
{
    const QString girdi = QString::fromUtf8("IĞDIR İzmir Zürich");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString ingilizce = LLCase(girdi);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString turkce = LLCase(girdi);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ingilizce, turkce);
    EXPECT_EQ(turkce, QString::fromUtf8("ığdır izmir zürich"));
}

} // namespace
