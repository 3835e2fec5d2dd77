#include "core/currency.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

// Wide enough for the product of two amounts; __extension__ keeps -Wpedantic quiet about it.
__extension__ using Wide = __int128;

// Divides by a power of ten, rounding half to even.
qint64 divideHalfEven(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor;
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const qint64 sign = value < 0 ? -1 : 1;
    if (twice > divisor || (twice == divisor && (quotient % 2) != 0))
        quotient += sign;
    return quotient;
}

qint64 divideHalfAwayFromZero(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= divisor)
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

} // namespace

Currency Currency::fromDouble(double value)
{
    // Beyond what 64 bits hold the conversion is undefined (1e308 came out hugely negative); such a
    // value is held at the nearest end, and the doors refuse it before it gets here.
    constexpr double kLimit = 9.2e18;
    const double scaled = std::isnan(value) ? 0.0 : std::clamp(value * kScale, -kLimit, kLimit);
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return Currency(qint64(std::nearbyint(scaled)));
}

std::optional<Currency> Currency::fromString(QStringView text)
{
    QString s = text.trimmed().toString();
    bool negative = false;
    if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    if (s.startsWith(QLatin1Char('-'))) {
        negative = !negative;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s.remove(0, 1);
    }
    s.remove(QLatin1Char('$'));
    s.remove(QLatin1Char(','));
    s = s.trimmed();
    if (s.isEmpty())
        return std::nullopt;

    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? s : s.left(dot);
    QString fraction = dot < 0 ? QString() : s.mid(dot + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    const auto digitsOnly = [](const QString &part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    };
    if (!digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    if (whole.size() > 14)
        return std::nullopt;

    qint64 raw = whole.isEmpty() ? 0 : whole.toLongLong() * kScale;
    if (fraction.size() > 4) {
        // Extra digits round the fourth decimal half to even, as fromDouble does.
        const int extra = int(fraction.size()) - 4;
        if (extra > 12)
            return std::nullopt;
        const qint64 scaled = fraction.toLongLong();
        raw += divideHalfEven(scaled, powerOfTen(extra));
    } else {
        fraction = fraction.leftJustified(4, QLatin1Char('0'));
        raw += fraction.toLongLong();
    }
    return Currency(negative ? -raw : raw);
}

Currency Currency::round2() const
{
    return Currency(divideHalfEven(m_value, 100) * 100);
}

Currency Currency::percentRound2(const Currency &percent) const
{
    // value = A/1e4 × B/1e4 / 100 = A×B / 1e10; in cents that is A×B / 1e8.
    const Wide product = static_cast<Wide>(m_value) * percent.m_value;
    const Wide divisor = 100000000;
    Wide cents = product / divisor;
    const Wide remainder = product % divisor;
    const Wide twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > divisor || (twice == divisor && (cents % 2) != 0))
        cents += product < 0 ? -1 : 1;
    return Currency(static_cast<qint64>(cents) * 100);
}

QString Currency::format(QStringView pattern) const
{
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QStringView integerPart = dot < 0 ? pattern : pattern.left(dot);
    const int decimals = dot < 0 ? 0 : int(pattern.size() - dot - 1);
    const bool grouped = integerPart.contains(QLatin1Char(','));
    const int minimumIntegerDigits = int(integerPart.count(QLatin1Char('0')));

    const qint64 scaled = divideHalfAwayFromZero(m_value, powerOfTen(4 - qMin(decimals, 4)));
    const qint64 unit = powerOfTen(qMin(decimals, 4));
    const qint64 magnitude = scaled < 0 ? -scaled : scaled;

    QString whole = QString::number(magnitude / unit);
    if (whole == QLatin1String("0") && minimumIntegerDigits == 0)
        whole.clear();
    whole = whole.rightJustified(minimumIntegerDigits, QLatin1Char('0'));
    if (grouped)
        whole = groupThousands(whole);

    QString text = whole;
    if (decimals > 0) {
        QString fraction = QString::number(magnitude % unit).rightJustified(qMin(decimals, 4), QLatin1Char('0'));
        text += QLatin1Char('.') + fraction.leftJustified(decimals, QLatin1Char('0'));
    }
    if (scaled < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Currency::toCurrencyText() const
{
    static const QLocale dollars(QLocale::English, QLocale::UnitedStates);
    return dollars.toCurrencyString(round2().toDouble(), dollars.currencySymbol(), 2);
}

QString Currency::toPlainText() const
{
    const qint64 magnitude = m_value < 0 ? -m_value : m_value;
    QString text = QString::number(magnitude / kScale);
    const qint64 fraction = magnitude % kScale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return m_value < 0 ? QLatin1Char('-') + text : text;
}

} // namespace zel
