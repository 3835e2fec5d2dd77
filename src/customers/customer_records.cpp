#include "customers/customer_records.h"

#include "core/prompter.h"
#include "core/text.h"
#include "customers/customer.h"
#include "db/schema.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <QDateTime>

namespace zel::customers {

namespace {

const QString kCreate = QStringLiteral("createCustomer");

// The typed empty value of a new customer's column: "" for text, 0 for numbers, Null for dates.
QVariant emptyValue(const db::FieldDef &field)
{
    switch (field.type) {
    case db::FieldType::Text: return QString();
    case db::FieldType::Integer:
    case db::FieldType::Long:
    case db::FieldType::Currency: return 0;
    default: return QVariant();
    }
}

QString likePattern(QString name)
{
    // Quotes become the one-character wildcard, so names typed with either quote still match.
    name.replace(QLatin1Char('\''), QLatin1Char('_')).replace(QLatin1Char('"'), QLatin1Char('_'));
    return name;
}

bool replaceComments(cDataAccess &data, int customer, int year, int number, const QString &type, const CommentLines &lines)
{
    if (!data.exec(QStringLiteral("saveOrderComments"),
             QStringLiteral("Delete From Comments Where [Comments Customer Number] = ? And [Comments Campaign Year] = ? "
                            "And [Comments Campaign Number] = ? And [Comments Type] = ? "),
             {customer, year, number, type}))
        return false;
    QString joined;
    for (const QString &line : lines)
        joined += line.trimmed();
    if (joined.isEmpty())
        return true;
    return data.exec(QStringLiteral("saveOrderComments"),
               QStringLiteral("Insert Into Comments ([Comments Customer Number], [Comments Campaign Year], [Comments Campaign "
                              "Number], [Comments Type], [Comments Line0], [Comments Line1], [Comments Line2], [Comments "
                              "Line3], [Comments Line4]) Values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {customer, year, number, type, lines[0], lines[1], lines[2], lines[3], lines[4]});
}

} // namespace

QVariant newCustomerValue(const db::FieldDef &field, int number)
{
    const QString name = field.fieldName();
    if (name == QLatin1String("Customers Number")) return number;
    if (name == QLatin1String("Customers First Name")) return QStringLiteral("New Customer");
    if (name == QLatin1String("Customers Number Of Books")) return 1;
    if (name == QLatin1String("Customers Status")) return QStringLiteral("Active");
    if (name == QLatin1String("Customers Label Flag")) return QStringLiteral("Y");
    if (name == QLatin1String("Customers Processing Charge")) return QStringLiteral("Y");
    if (name == QLatin1String("Customers Supplies")) return 0;
    if (name == QLatin1String("Customers Since Date")) return toDbDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
    if (name == QLatin1String("Customers Gender")) return QStringLiteral("F");
    if (name == QLatin1String("Customers Language")) return QStringLiteral("English");
    return emptyValue(field);
}

std::optional<int> newCustomerNumber(cDataAccess &data)
{
    // The lowest gap: 1 when 1 is free, else the first number whose successor is free.
    const int number = data.number(QStringLiteral("newCustomerNumber"), QStringLiteral(
        "Select Case When Not Exists (Select 1 From Customers Where [Customers Number] = 1) Then 1 "
        "Else (Select Min(C.[Customers Number]) + 1 From Customers C Where C.[Customers Number] >= 1 And Not Exists "
        "(Select 1 From Customers D Where D.[Customers Number] = C.[Customers Number] + 1)) End"));
    if (number < 1 || number > kHighestCustomerNumber)
        return std::nullopt;
    return number;
}

std::optional<int> createCustomer(AppState &state, const std::function<void(Customer &)> &details)
{
    cDataAccess &data = state.data;
    const std::optional<int> number = newCustomerNumber(data);
    if (!number) {
        state.prompter.information(QStringLiteral("This database already holds 32,767 customers, the most it can.  "
                                                  "Delete customers who are no longer needed before adding new ones."));
        return std::nullopt;
    }
    const db::TableDef &table = *db::findTable(QStringLiteral("Customers"));
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (const db::FieldDef &field : table.fields) {
        columns << db::bracket(field.fieldName());
        marks << QStringLiteral("?");
        values << newCustomerValue(field, *number);
    }
    Transaction transaction(state.database.handle());
    if (!data.exec(kCreate, QStringLiteral("Insert Into Customers (") + columns.join(QStringLiteral(", "))
                                + QStringLiteral(") Values (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')'),
             values))
        return std::nullopt;
    if (!data.exec(kCreate, QStringLiteral("Insert Into HelperPercents ([HelperPercents Customer Number], [HelperPercents "
                                           "Earnings Type Code], [HelperPercents Earnings Percent]) Select ?, [Earnings Type "
                                           "Code], 0 From Earnings Order By rowid"),
             {*number}))
        return std::nullopt;
    if (details) {
        std::optional<Customer> customer = loadCustomer(data, *number);
        if (!customer)
            return std::nullopt;
        details(*customer);
        if (!saveCustomer(data, *customer))
            return std::nullopt;
    }
    if (!transaction.commit())
        return std::nullopt;
    state.currentCustomer = *number;
    return number;
}

QString deletedMessage(const DeletedRows &rows)
{
    return QStringList({QStringLiteral("Customer Deleted."), QStringLiteral("Order Details: %1").arg(rows.orders),
                        QStringLiteral("Payment Details: %1").arg(rows.payments), QStringLiteral("Notes: %1").arg(rows.notes),
                        QStringLiteral("Comments: %1").arg(rows.comments), QStringLiteral("Dates: %1").arg(rows.dates),
                        QStringLiteral("Helper Percents: %1").arg(rows.helperPercents)})
        .join(QStringLiteral("\r\n"));
}

const std::array<CustomerTable, 7> &customerTables()
{
    static const std::array<CustomerTable, 7> tables = {{{"Orders", "Orders Customer Number"},
                                                          {"Payments", "Payments Customer Number"},
                                                          {"Dates", "Dates Customer Number"},
                                                          {"HelperPercents", "HelperPercents Customer Number"},
                                                          {"Notes", "Notes Customer Number"},
                                                          {"Comments", "Comments Customer Number"},
                                                          {"Customers", "Customers Number"}}};
    return tables;
}

std::optional<DeletedRows> deleteCustomer(AppState &state, int number, bool showMessage)
{
    cDataAccess &data = state.data;
    DeletedRows rows;
    // In the order of customerTables().
    int *const counts[] = {&rows.orders, &rows.payments, &rows.dates, &rows.helperPercents,
                           &rows.notes,  &rows.comments, &rows.customers};
    state.prompter.hourglass(true);
    Transaction transaction(state.database.handle());
    bool done = true;
    for (size_t i = 0; i < customerTables().size(); ++i) {
        const CustomerTable &step = customerTables()[i];
        data.setSQL(QStringLiteral("Delete From %1 Where [%2] = ? ").arg(QLatin1String(step.table), QLatin1String(step.column)),
                    {number});
        done = data.ExecSql(QStringLiteral("deleteCustomer"));
        if (!done)
            break;
        *counts[i] = data.RecordsAffected();
    }
    done = done && transaction.commit();
    state.prompter.hourglass(false);
    if (!done)
        return std::nullopt;
    if (showMessage)
        state.prompter.information(deletedMessage(rows));
    return rows;
}

std::optional<int> addEventDate(cDataAccess &data, int customer, EventDate event)
{
    const int id = data.number(QStringLiteral("addEventDate"), QStringLiteral("Select Max([Dates ID]) as MaxID From Dates ")) + 1;
    if (!event.date.isValid())
        event.date = QDate::currentDate();
    if (event.autoUpdateYear.isEmpty())
        event.autoUpdateYear = QStringLiteral("Y");
    if (!data.exec(QStringLiteral("addEventDate"),
             QStringLiteral("Insert Into Dates ([Dates ID], [Dates Customer Number], [Dates Date], [Dates Description], "
                            "[Dates Notify Days], [Dates Auto Update Year]) Values (?, ?, ?, ?, ?, ?)"),
             {id, customer, toDbDateTime(QDateTime(event.date, QTime(0, 0))), event.description.left(255), event.notifyDays,
              event.autoUpdateYear}))
        return std::nullopt;
    return id;
}

bool saveNotes(cDataAccess &data, int customer, const QString &text)
{
    QSqlDatabase database = data.database().handle();
    Transaction transaction(database);
    return data.exec(QStringLiteral("saveNotes"), QStringLiteral("Delete From Notes Where [Notes Customer Number] = ? "), {customer})
        && data.exec(QStringLiteral("saveNotes"),
               QStringLiteral("Insert Into Notes ([Notes Customer Number], [Notes Detail], [Notes Last Updated]) Values (?, ?, ?)"),
               {customer, text, toDbDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)))})
        && transaction.commit();
}

bool saveOrderComments(cDataAccess &data, int customer, const Campaign &campaign, const CommentLines &order,
                       const CommentLines &standing)
{
    Transaction transaction(data.database().handle());
    return replaceComments(data, customer, campaign.year, campaign.number, QStringLiteral("Order"), order)
        && replaceComments(data, customer, 0, 0, QStringLiteral("OrderPerm"), standing) && transaction.commit();
}

std::vector<int> duplicateNames(cDataAccess &data, int customer, const QString &lastName, const QString &firstName)
{
    data.setSQL(QStringLiteral("Select [Customers Number] From Customers Where [Customers Last Name] Like ? And [Customers "
                               "First Name] Like ? And Not [Customers Number] = ? "),
                {likePattern(lastName), likePattern(firstName), customer});
    RecordSet rows = data.GetSnapShot(QStringLiteral("duplicateNames"));
    std::vector<int> numbers;
    while (rows.next())
        numbers.push_back(rows.value(0).toInt());
    return numbers;
}

} // namespace zel::customers
