#include "options/options_rules.h"

namespace zel::options {

QStringList extraChargeWarnings(const Currency &flatAmount, const Currency &flatPercent)
{
    const Currency limit = Currency::fromCents(9999);
    QStringList warnings;
    if (flatAmount.isNegative())
        warnings << QStringLiteral("Warning: Flat amount charge is less than zero. Value Accepted.");
    if (flatAmount > limit)
        warnings << QStringLiteral("Warning: Flat amount charge is greater than $99.99.  Value Accepted.");
    if (flatPercent.isNegative())
        warnings << QStringLiteral("Warning: Flat percent charge is less than zero.  Value Accepted.");
    if (flatPercent > limit)
        warnings << QStringLiteral("Warning: Flat percent charge is greater than 99.99%.  Value Accepted.");
    return warnings;
}

QString printDateValue(bool dateBoxTicked, const QString &choice)
{
    return dateBoxTicked ? choice : QStringLiteral("N");
}

QStringList marginChoices(const QString &paperType)
{
    if (paperType == QLatin1String("I"))
        return {QStringLiteral("5 MM"),  QStringLiteral("10 MM"), QStringLiteral("15 MM"), QStringLiteral("20 MM"),
                QStringLiteral("25 MM"), QStringLiteral("30 MM"), QStringLiteral("35 MM"), QStringLiteral("40 MM")};
    return {QStringLiteral(".25 Inches"), QStringLiteral(".50 Inches"), QStringLiteral(".75 Inches"),
            QStringLiteral("1.00 Inches"), QStringLiteral("1.25 Inches"), QStringLiteral("1.50 Inches")};
}

QString defaultMargin(const QString &paperType)
{
    return paperType == QLatin1String("I") ? QStringLiteral("20 MM") : QStringLiteral(".75 Inches");
}

} // namespace zel::options
