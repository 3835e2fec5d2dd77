#include "exchange/customer_inserter.h"

#include "core/prompter.h"
#include "customers/customer_records.h"
#include "db/schema.h"
#include "session/app_state.h"

namespace zel::exchange {

namespace {

const QString kInsert = QStringLiteral("ImportCustomer");

QString insertStatement(const db::TableDef &table)
{
    QStringList columns;
    QStringList marks;
    for (const db::FieldDef &field : table.fields) {
        columns << db::bracket(field.fieldName());
        marks << QStringLiteral("?");
    }
    return QStringLiteral("Insert Into Customers (") + columns.join(QStringLiteral(", ")) + QStringLiteral(") Values (")
         + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QVariant fittedValue(const db::FieldDef &field, const QVariant &value)
{
    if (!field.isText() || value.isNull())
        return value;
    const QString text = value.toString().trimmed();
    return field.size > 0 ? text.left(field.size) : text;
}

QVariantMap makeImportDefaults()
{
    QVariantMap values;
    for (const char *name : {"Customers First Name", "Customers Last Name", "Customers Email", "Customers House Number",
                             "Customers Address", "Customers City", "Customers State", "Customers Zip Code", "Customers Phone 1",
                             "Customers Phone 2", "Customers Phone 3", "Customers Referred By", "Customers Comments0",
                             "Customers Comments1", "Customers Comments2", "Customers Comments3", "Customers Comments4",
                             "Customers Delivery Payment Comments", "Customers Business Helper", "Customers Brochure Status",
                             "Customers Brochure Type", "Customers Area", "Customers CC Number", "Customers CC Date",
                             "Customers CC Name"})
        values.insert(QString::fromLatin1(name), QString());
    for (const char *name : {"Customers Discount Percent", "Customers Tax Rate 1", "Customers Tax Rate 2",
                             "Customers Business Helper Percent", "Customers Business Helper Number"})
        values.insert(QString::fromLatin1(name), 0);
    for (int i = 1; i <= 9; ++i)
        values.insert(QStringLiteral("Customers Points%1").arg(i), 0);
    values.insert(QStringLiteral("Customers Number Of Books"), 1);
    values.insert(QStringLiteral("Customers Status"), QStringLiteral("Active"));
    for (const char *name : {"Customers Business Helper Flag", "Customers Label Flag", "Customers Tax Exempt",
                             "Customers Discount As Line"})
        values.insert(QString::fromLatin1(name), QStringLiteral("N"));
    values.insert(QStringLiteral("Customers Processing Charge"), QStringLiteral("Y"));
    for (const char *name : {"Customers Since Date", "Customers Delivery Date", "Customers Delivery Time"})
        values.insert(QString::fromLatin1(name), QVariant());
    return values;
}

} // namespace

CustomerInserter::CustomerInserter(AppState &state) : m_state(state)
{
    state.data.setSQL(QStringLiteral("Select [Customers Number] From Customers"));
    RecordSet rows = state.data.GetSnapShot(kInsert);
    while (rows.next())
        m_used.insert(rows.value(0).toInt());
}

QVariantMap CustomerInserter::importDefaults()
{
    // Made once: every imported line starts from a copy.
    static const QVariantMap defaults = makeImportDefaults();
    return defaults;
}

std::optional<int> CustomerInserter::nextNumber()
{
    while (m_used.contains(m_lowestFree))
        ++m_lowestFree;
    if (m_lowestFree > customers::kHighestCustomerNumber) {
        m_state.prompter.information(QStringLiteral("This database already holds 32,767 customers, the most it can.  "
                                                    "Delete customers who are no longer needed before adding new ones."));
        return std::nullopt;
    }
    return m_lowestFree;
}

bool CustomerInserter::hasRoomFor(qsizetype count)
{
    if (m_used.size() + count <= customers::kHighestCustomerNumber)
        return true;
    m_state.prompter.information(QStringLiteral("The file holds %L1 customers and this database %L2: together more than the "
                                                "%L3 customers a database can hold.  Nothing has been imported.")
                                     .arg(count)
                                     .arg(m_used.size())
                                     .arg(customers::kHighestCustomerNumber),
                                 kMessageTitle, Icon::Exclamation);
    return false;
}

std::optional<int> CustomerInserter::insert(const QVariantMap &fields)
{
    const std::optional<int> number = nextNumber();
    if (!number)
        return std::nullopt;
    static const db::TableDef &table = *db::findTable(QStringLiteral("Customers"));
    static const QString statement = insertStatement(table);
    QVariantList values;
    values.reserve(int(table.fields.size()));
    for (const db::FieldDef &field : table.fields) {
        const auto given = fields.constFind(field.fieldName());
        const bool own = given != fields.constEnd() && field.fieldName() != QLatin1String("Customers Number");
        values << (own ? fittedValue(field, *given) : customers::newCustomerValue(field, *number));
    }
    if (!m_state.data.exec(kInsert, statement, values))
        return std::nullopt;
    if (!m_state.data.exec(kInsert, QStringLiteral("Insert Into HelperPercents ([HelperPercents Customer Number], [HelperPercents "
                                                   "Earnings Type Code], [HelperPercents Earnings Percent]) Select ?, "
                                                   "[Earnings Type Code], 0 From Earnings Order By rowid"),
                           {*number}))
        return std::nullopt;
    m_used.insert(*number);
    return number;
}

} // namespace zel::exchange
