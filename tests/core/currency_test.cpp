#include "core/currency.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QLocale>

using zel::Currency;

namespace {
Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}
} // namespace

TEST(Currency, Round2IsHalfToEvenOnTheThirdDecimal)
{
    EXPECT_EQ(money("2.125").round2(), money("2.12"));
    EXPECT_EQ(money("2.135").round2(), money("2.14"));
    EXPECT_EQ(money("2.1251").round2(), money("2.13"));
    EXPECT_EQ(money("2.1249").round2(), money("2.12"));
    EXPECT_EQ(money("-2.125").round2(), money("-2.12"));
    EXPECT_EQ(money("-2.135").round2(), money("-2.14"));
    EXPECT_EQ(money("0.005").round2(), money("0"));
    EXPECT_EQ(money("0.015").round2(), money("0.02"));
}

TEST(Currency, FromDoubleKeepsFourDecimalsHalfToEven)
{
    EXPECT_EQ(Currency::fromDouble(19.99).raw(), 199900);
    // 33/32 and 35/32 are exact in binary and fall exactly halfway between two ten-thousandths.
    EXPECT_EQ(Currency::fromDouble(1.03125).raw(), 10312);
    EXPECT_EQ(Currency::fromDouble(1.09375).raw(), 10938);
    EXPECT_EQ(Currency::fromDouble(-7.5).raw(), -75000);
    // 0.1 + 0.2 is not 0.3 in binary; stored money must be.
    EXPECT_EQ(Currency::fromDouble(0.1 + 0.2), money("0.30"));
}

TEST(Currency, AHugeOrMeaninglessDoubleNeverWrapsAroundAndIsNotPlausible)
{
    // 1e308 once came out as -922,337,203,685,478: the sign must at least survive.
    EXPECT_GT(Currency::fromDouble(1e308).raw(), 0);
    EXPECT_LT(Currency::fromDouble(-1e308).raw(), 0);
    EXPECT_TRUE(Currency::fromDouble(std::nan("")).isZero());
    EXPECT_FALSE(Currency::fromDouble(1e308).isPlausible());
    EXPECT_TRUE(money("1000000.00").isPlausible());
    EXPECT_FALSE(money("1000000.01").isPlausible());
    EXPECT_FALSE(money("-1000000.01").isPlausible());
}

TEST(Currency, ParsesTheFormsPeopleType)
{
    EXPECT_EQ(money("1,234.56").raw(), 12345600);
    EXPECT_EQ(money("-12.5").raw(), -125000);
    EXPECT_EQ(money("(3.00)").raw(), -30000);
    EXPECT_EQ(money("$3").raw(), 30000);
    EXPECT_EQ(money(".5").raw(), 5000);
    EXPECT_EQ(money("1.23455").raw(), 12346); // fifth decimal rounds half to even
    EXPECT_EQ(money("1.23445").raw(), 12344);
    for (const char *bad : {"", "abc", "1.2.3", "12a", "-", ".", "1e5", "999999999999999"})
        EXPECT_FALSE(Currency::fromString(QString::fromLatin1(bad))) << bad;
}

TEST(Currency, ArithmeticIsExact)
{
    Currency total;
    for (int i = 0; i < 1000; ++i)
        total += money("0.01");
    EXPECT_EQ(total, money("10"));
    EXPECT_EQ(money("2.50") * 3, money("7.50"));
    EXPECT_EQ(-money("1") + money("0.25"), money("-0.75"));
    EXPECT_TRUE((money("1") - money("1")).isZero());
    EXPECT_TRUE(money("-0.01").isNegative());
    EXPECT_LT(money("-1"), money("0.01"));
}

TEST(Currency, FormatsNumberPatterns)
{
    EXPECT_EQ(money("1234567.891").format(u"###,###,##0.00"), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(money("0").format(u"###,###,##0.00"), QStringLiteral("0.00"));
    EXPECT_EQ(money("-1234.5").format(u"###,###,##0.00"), QStringLiteral("-1,234.50"));
    EXPECT_EQ(money("2.125").format(u"0.00"), QStringLiteral("2.13")); // display rounds half away from zero
    EXPECT_EQ(money("-2.125").format(u"0.00"), QStringLiteral("-2.13"));
    EXPECT_EQ(money("999.995").format(u"#,##0.00"), QStringLiteral("1,000.00"));
    EXPECT_EQ(money("0.25").format(u"#.##"), QStringLiteral(".25"));
    EXPECT_EQ(money("7.5").format(u"0"), QStringLiteral("8"));
}

TEST(Currency, CurrencyAndPlainText)
{
    // Her money reads the same whatever locale the desktop starts the program in.
    const QLocale before;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        EXPECT_EQ(money("1234.5").toCurrencyText(), QStringLiteral("$1,234.50")) << locale.name().toStdString();
        EXPECT_EQ(money("-1").toCurrencyText(), QStringLiteral("($1.00)")) << locale.name().toStdString();
    }
    QLocale::setDefault(before);
    EXPECT_EQ(money("-1234.5").toPlainText(), QStringLiteral("-1234.5"));
    EXPECT_EQ(money("12.0125").toPlainText(), QStringLiteral("12.0125"));
    EXPECT_EQ(money("0").toPlainText(), QStringLiteral("0"));
    EXPECT_EQ(money("-0.05").toPlainText(), QStringLiteral("-0.05"));
}

TEST(Currency, PercentOfIsExactThenRoundedOnceHalfToEven)
{
    EXPECT_EQ(money("20.00").percentRound2(money("10")), money("2.00"));
    EXPECT_EQ(money("20.00").percentRound2(money("12.5")), money("2.50"));
    EXPECT_EQ(money("10.10").percentRound2(money("8.25")), money("0.83"));   // 0.83325
    EXPECT_EQ(money("0.50").percentRound2(money("5")), money("0.02"));       // 0.025 -> even
    EXPECT_EQ(money("0.70").percentRound2(money("5")), money("0.04"));       // 0.035 -> even
    EXPECT_EQ(money("1.01").percentRound2(money("0.5")), money("0.01"));     // 0.00505 rounds once, up
    EXPECT_EQ(money("-20.00").percentRound2(money("12.5")), money("-2.50"));
    EXPECT_EQ(money("999999.99").percentRound2(money("99.9999")), money("999998.99"));
}
