#pragma once

#include "core/currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace zel {

// What a grid cell holds; it decides the cell's display, alignment, editor text and sort order.
enum class GridKind { Text, WholeNumber, Money, Flag, Date };

// One column of a record grid. The getter returns a QString, int, Currency, bool or QDate as the
// kind says; the setter gets the typed text trimmed (a bool for a flag), applies it to a copy of the
// record and returns the message when the value cannot be used. A column without a setter is
// read-only.
template <class Record>
struct GridColumn
{
    QString header;
    GridKind kind = GridKind::Text;
    std::function<QVariant(const Record &)> get;
    std::function<QString(Record &, const QVariant &)> set;
    int width = 0; // 0: as wide as the heading and the contents need
    bool trimmed = true; // typed text loses its outer spaces before the setter sees it
    QStringList choices{}; // offered in a drop-down instead of typed; typed letters pick the match

    GridColumn readOnly() const
    {
        GridColumn copy = *this;
        copy.set = nullptr;
        return copy;
    }
    GridColumn keepingSpaces() const
    {
        GridColumn copy = *this;
        copy.trimmed = false;
        return copy;
    }
    GridColumn withWidth(int pixels) const
    {
        GridColumn copy = *this;
        copy.width = pixels;
        return copy;
    }
    GridColumn offering(const QStringList &list) const
    {
        GridColumn copy = *this;
        copy.choices = list;
        return copy;
    }
};

// Shared by every record grid: how a cell of a kind shows, reads back in an editor, and sorts.
namespace grid {

// The horizontal heading's data under this role is the column's designed width (0: fit it).
constexpr int kWidthRole = Qt::UserRole + 1;
// A cell's data under this role is the list its column offers (empty: the cell is typed).
constexpr int kChoicesRole = Qt::UserRole + 2;

QVariant display(GridKind kind, const QVariant &value, int role);
bool less(GridKind kind, const QVariant &left, const QVariant &right);
// Typed money: blank is zero, anything else must be a number.
std::optional<Currency> parseMoney(const QString &text);

// Columns bound straight to a record's member; `refusal` is the message for text that does not convert.
template <class Record>
GridColumn<Record> text(const QString &header, QString Record::*member, int maxLength = 0)
{
    return {header, GridKind::Text, [member](const Record &r) -> QVariant { return r.*member; },
            [member, maxLength](Record &r, const QVariant &value) {
                r.*member = maxLength > 0 ? value.toString().left(maxLength) : value.toString();
                return QString();
            }};
}

// A text column that keeps its letters in capitals (codes and Y/N switches).
template <class Record>
GridColumn<Record> upperText(const QString &header, QString Record::*member)
{
    return {header, GridKind::Text, [member](const Record &r) -> QVariant { return r.*member; },
            [member](Record &r, const QVariant &value) {
                r.*member = value.toString().toUpper();
                return QString();
            }};
}

// The whole numbers a grid cell takes: what the database's Integer columns hold.
constexpr int kLowestWhole = -32768;
constexpr int kHighestWhole = 32767;

template <class Record>
GridColumn<Record> whole(const QString &header, int Record::*member, const QString &refusal)
{
    return {header, GridKind::WholeNumber, [member](const Record &r) -> QVariant { return r.*member; },
            [member, refusal](Record &r, const QVariant &value) {
                bool ok = false;
                const int number = value.toString().toInt(&ok);
                if (!ok || number < kLowestWhole || number > kHighestWhole)
                    return refusal;
                r.*member = number;
                return QString();
            }};
}

template <class Record>
GridColumn<Record> money(const QString &header, Currency Record::*member, const QString &refusal)
{
    return {header, GridKind::Money, [member](const Record &r) { return QVariant::fromValue(r.*member); },
            [member, refusal](Record &r, const QVariant &value) {
                const std::optional<Currency> amount = parseMoney(value.toString());
                if (!amount || !amount->isPlausible())
                    return refusal;
                r.*member = *amount;
                return QString();
            }};
}

template <class Record>
GridColumn<Record> flag(const QString &header, bool Record::*member)
{
    return {header, GridKind::Flag, [member](const Record &r) -> QVariant { return r.*member; },
            [member](Record &r, const QVariant &value) {
                r.*member = value.toBool();
                return QString();
            }};
}

} // namespace grid
} // namespace zel
