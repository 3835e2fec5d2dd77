#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <optional>


namespace zel {

// Money as a whole number of ten-thousandths, like the database engine's currency type.
// All arithmetic is integer; only fromDouble() and toDouble() cross into floating point.
class Currency
{
public:
    static constexpr qint64 kScale = 10000;
    // No price, payment or expense comes near a million: a larger amount is a slip of the keyboard
    // or a damaged file, and is refused wherever it comes in.
    static constexpr double kLargestPlausible = 1000000.0;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(qint64 tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromCents(qint64 cents) { return Currency(cents * 100); }
    // Rounds to four decimals, half to even, as the engine does when it stores a value.
    static Currency fromDouble(double value);
    // Parses "1234.5", "-1,234.56", "(12.00)", "$3.00"; returns nothing for anything else.
    static std::optional<Currency> fromString(QStringView text);

    constexpr qint64 raw() const { return m_value; }
    double toDouble() const { return double(m_value) / kScale; }

    // Rounded to two decimals, half to even (.125 -> .12, .135 -> .14).
    Currency round2() const;
    // Round(this × percent / 100, 2), computed exactly and rounded once, half to even.
    Currency percentRound2(const Currency &percent) const;

    constexpr bool isZero() const { return m_value == 0; }
    constexpr bool isNegative() const { return m_value < 0; }
    constexpr Currency abs() const { return Currency(m_value < 0 ? -m_value : m_value); }
    constexpr bool isPlausible() const { return abs().m_value <= qint64(kLargestPlausible) * kScale; }

    constexpr Currency operator-() const { return Currency(-m_value); }
    constexpr Currency operator+(Currency o) const { return Currency(m_value + o.m_value); }
    constexpr Currency operator-(Currency o) const { return Currency(m_value - o.m_value); }
    constexpr Currency operator*(qint64 quantity) const { return Currency(m_value * quantity); }
    Currency &operator+=(Currency o) { m_value += o.m_value; return *this; }
    Currency &operator-=(Currency o) { m_value -= o.m_value; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;

    // Formats with a number pattern made of '#', '0', ',' and '.', such as "###,###,##0.00".
    // Display rounding is half away from zero, as the classic Format function does.
    QString format(QStringView pattern) const;
    // Her money as currency text with two decimals, e.g. "$1,234.50" and "($1.00)": always in
    // dollars, whatever locale the desktop runs the program in (under "C" there is no symbol).
    QString toCurrencyText() const;
    // Plain text for SQL and files: "-1234.5", "0", "12.0125".
    QString toPlainText() const;

private:
    explicit constexpr Currency(qint64 raw) : m_value(raw) {}
    qint64 m_value = 0;
};

} // namespace zel
