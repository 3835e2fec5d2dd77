#include "db/record_map.h"

#include "core/text.h"
#include "db/schema.h"

namespace zel::record {

void read(int &member, const QVariant &value)
{
    member = value.toInt();
}

void read(QString &member, const QVariant &value)
{
    member = value.isNull() ? QString() : value.toString();
}

// Money always enters through fromDouble, which rounds to the four decimals the column holds.
void read(Currency &member, const QVariant &value)
{
    member = Currency::fromDouble(value.toDouble());
}

void read(double &member, const QVariant &value)
{
    member = value.toDouble();
}

void read(bool &member, const QVariant &value)
{
    member = value.toInt() != 0;
}

void read(QDateTime &member, const QVariant &value)
{
    member = fromDbDateTime(value).value_or(QDateTime());
}

bool readYesNo(const QVariant &value)
{
    return value.toString().trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;
}

QVariant stored(int member, const db::FieldDef *)
{
    return member;
}

QVariant stored(const QString &member, const db::FieldDef *field)
{
    return field ? db::fitToField(*field, member) : member;
}

QVariant stored(const Currency &member, const db::FieldDef *)
{
    return member.toDouble();
}

QVariant stored(double member, const db::FieldDef *)
{
    return member;
}

QVariant stored(bool member, const db::FieldDef *)
{
    return member ? -1 : 0;
}

QVariant stored(const QDateTime &member, const db::FieldDef *)
{
    return member.isValid() ? QVariant(toDbDateTime(member)) : QVariant();
}

QVariant storedYesNo(bool member)
{
    return member ? QStringLiteral("Y") : QStringLiteral("N");
}

const db::FieldDef *schemaField(const QString &table, const QString &column)
{
    const db::TableDef *def = db::findTable(table);
    return def ? def->field(column) : nullptr;
}

QString bracketedList(const QStringList &columns)
{
    QStringList bracketed;
    bracketed.reserve(columns.size());
    for (const QString &column : columns)
        bracketed << db::bracket(column);
    return bracketed.join(QStringLiteral(", "));
}

QString placeholders(qsizetype count)
{
    return QStringList(QList<QString>(count, QStringLiteral("?"))).join(QStringLiteral(", "));
}

QString updateSql(const QString &table, const QStringList &setColumns, const QStringList &keyColumns)
{
    QStringList assignments;
    for (const QString &column : setColumns)
        assignments << db::bracket(column) + QStringLiteral(" = ?");
    QString sql = QStringLiteral("Update ") + table + QStringLiteral(" Set ") + assignments.join(QStringLiteral(", "));
    QStringList conditions;
    for (const QString &column : keyColumns)
        conditions << db::bracket(column) + QStringLiteral(" = ?");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" Where ") + conditions.join(QStringLiteral(" And "));
    return sql;
}

} // namespace zel::record
