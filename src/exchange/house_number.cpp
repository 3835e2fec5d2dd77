#include "exchange/house_number.h"

#include <cmath>

namespace zel::exchange {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QString numberText(double value)
{
    if (std::abs(value) < 1e15 && value == std::floor(value))
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

} // namespace

double leadingNumber(const QString &text)
{
    QString digits;
    bool point = false;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && digits.isEmpty()) {
            digits += c;
        } else if (c.isDigit() && c.unicode() < 128) {
            digits += c;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

StreetAddress splitHouseNumber(const QString &line)
{
    QString house = numberText(leadingNumber(line)).trimmed();
    if (house == QLatin1String("0"))
        house.clear();
    if (house.isEmpty())
        return {QString(), line};
    QString street = line;
    street.replace(house, QString());
    return {house, street.trimmed()};
}

} // namespace zel::exchange
