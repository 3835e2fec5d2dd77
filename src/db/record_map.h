#pragma once

#include "core/currency.h"
#include "shell/record_set.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <initializer_list>
#include <type_traits>
#include <variant>
#include <vector>

namespace zel {

namespace db {
struct FieldDef;
}

// A bool member kept in a Text(1) column as 'Y' / 'N'.
template <typename T>
struct YesNoMember
{
    bool T::*member;
};

// One column of a table and the member of T that holds it. The member's type says how the
// value is stored: int, QString, Currency and double as themselves, bool as -1 / 0 and
// QDateTime as "yyyy-MM-dd HH:mm:ss" text; YesNoMember as 'Y' / 'N'.
template <typename T>
struct RecordField
{
    using Member = std::variant<int T::*, QString T::*, Currency T::*, double T::*, bool T::*, QDateTime T::*, YesNoMember<T>>;

    QString column;
    Member member;
};

// field("Orders Quanity", &OrderRow::quantity)
template <typename T, typename M>
RecordField<T> field(const char *column, M T::*member)
{
    static_assert(std::is_constructible_v<typename RecordField<T>::Member, M T::*>,
                  "a record member is an int, QString, Currency, double, bool or QDateTime");
    return {QString::fromUtf8(column), member};
}

// yesNoField("Customers Tax Exempt", &Customer::taxExempt): a bool stored as 'Y' / 'N'.
template <typename T>
RecordField<T> yesNoField(const char *column, bool T::*member)
{
    return {QString::fromUtf8(column), YesNoMember<T>{member}};
}

// The conversions between stored values and members, shared by every RecordMap.
namespace record {

// Null reads as empty, 0 or false; an unreadable date as an invalid one.
void read(int &member, const QVariant &value);
void read(QString &member, const QVariant &value);
void read(Currency &member, const QVariant &value);
void read(double &member, const QVariant &value);
void read(bool &member, const QVariant &value);
void read(QDateTime &member, const QVariant &value);
bool readYesNo(const QVariant &value);

// Texts are cut to the field's size when the schema knows the field (`field` may be null);
// an invalid date is written as Null.
QVariant stored(int member, const db::FieldDef *field);
QVariant stored(const QString &member, const db::FieldDef *field);
QVariant stored(const Currency &member, const db::FieldDef *field);
QVariant stored(double member, const db::FieldDef *field);
QVariant stored(bool member, const db::FieldDef *field);
QVariant stored(const QDateTime &member, const db::FieldDef *field);
QVariant storedYesNo(bool member);

// The schema's field of that table, or null when the schema has no such table or field.
const db::FieldDef *schemaField(const QString &table, const QString &column);

QString bracketedList(const QStringList &columns);
QString placeholders(qsizetype count);
// "Update <table> Set [a] = ?, ... Where [k] = ? And ..."; no Where without keys.
QString updateSql(const QString &table, const QStringList &setColumns, const QStringList &keyColumns);

} // namespace record

// Maps the columns of one table onto the members of T, one line per field, in column order:
// reads a row into T, gives T's values to bind, and writes the insert and update statements.
//
//     static const RecordMap<OrderRow> map("Orders", {
//         field("Orders Index", &OrderRow::index),
//         field("Orders Customer Number", &OrderRow::customerNumber), ...});
template <typename T>
class RecordMap
{
public:
    // `table` is the schema table whose field sizes cut texts when written.
    RecordMap(const QString &table, std::initializer_list<RecordField<T>> fields)
    {
        m_fields.reserve(fields.size());
        for (const RecordField<T> &f : fields) {
            m_fields.push_back({f.member, record::schemaField(table, f.column)});
            m_columns << f.column;
        }
        m_columnList = record::bracketedList(m_columns);
        m_placeholders = record::placeholders(m_columns.size());
    }

    // A row of a record set holding the table's columns (found by name; one missing reads as Null).
    T read(const RecordSet &record) const
    {
        T row{};
        readInto(row, record);
        return row;
    }
    // The same into an existing object; members outside the map keep their values.
    void readInto(T &row, const RecordSet &record) const
    {
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            readField(row, m_fields[size_t(i)], record.value(m_columns.at(i)));
    }

    // Every mapped value in column order, as bound to the statements below.
    QVariantList values(const T &row) const
    {
        QVariantList out;
        out.reserve(m_columns.size());
        for (const Field &f : m_fields)
            out << storedValue(row, f);
        return out;
    }
    // The values of the named columns, in the order named; Null for a name the map lacks.
    QVariantList values(const T &row, const QStringList &columns) const
    {
        QVariantList out;
        out.reserve(columns.size());
        for (const QString &column : columns) {
            const qsizetype at = indexOf(column);
            out << (at < 0 ? QVariant() : storedValue(row, m_fields[size_t(at)]));
        }
        return out;
    }

    const QStringList &columns() const { return m_columns; }
    // "[a], [b], ..." and "?, ?, ..." in column order.
    const QString &columnList() const { return m_columnList; }
    const QString &placeholders() const { return m_placeholders; }

    // "Insert Into <table> (every column) Values (?, ...)"; `table` is written as given.
    QString insertSql(const QString &table) const
    {
        return QStringLiteral("Insert Into ") + table + QStringLiteral(" (") + m_columnList + QStringLiteral(") Values (")
             + m_placeholders + QLatin1Char(')');
    }
    // Sets every column but the keys, for the row with these key values; bind updateValues().
    QString updateSql(const QString &table, const QStringList &keyColumns) const
    {
        QStringList set;
        for (const QString &column : m_columns)
            if (!keyColumns.contains(column, Qt::CaseInsensitive))
                set << column;
        return record::updateSql(table, set, keyColumns);
    }
    // Sets only the named columns; bind values(row, setColumns + keyColumns).
    QString updateSql(const QString &table, const QStringList &setColumns, const QStringList &keyColumns) const
    {
        return record::updateSql(table, setColumns, keyColumns);
    }
    QVariantList updateValues(const T &row, const QStringList &keyColumns) const
    {
        QVariantList out;
        out.reserve(m_columns.size());
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            if (!keyColumns.contains(m_columns.at(i), Qt::CaseInsensitive))
                out << storedValue(row, m_fields[size_t(i)]);
        return out + values(row, keyColumns);
    }

private:
    struct Field
    {
        typename RecordField<T>::Member member;
        const db::FieldDef *schema; // null when the schema does not know the column
    };

    qsizetype indexOf(const QString &column) const
    {
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    static void readField(T &row, const Field &f, const QVariant &value)
    {
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), YesNoMember<T>>)
                    row.*(member.member) = record::readYesNo(value);
                else
                    record::read(row.*member, value);
            },
            f.member);
    }

    static QVariant storedValue(const T &row, const Field &f)
    {
        return std::visit(
            [&](auto member) -> QVariant {
                if constexpr (std::is_same_v<decltype(member), YesNoMember<T>>)
                    return record::storedYesNo(row.*(member.member));
                else
                    return record::stored(row.*member, f.schema);
            },
            f.member);
    }

    std::vector<Field> m_fields;
    QStringList m_columns;
    QString m_columnList;
    QString m_placeholders;
};

} // namespace zel
