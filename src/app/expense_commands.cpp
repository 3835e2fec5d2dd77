#include "app/expense_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "earnings/expense_records.h"
#include "earnings/mileage_records.h"
#include "orders/inventory_adjustment.h"
#include "orders/inventory_records.h"
#include "orders/order_entry_rules.h"
#include "shell/transaction.h"

#include <QTextStream>

namespace zel {

namespace {

// One CSV field: quoted when it holds a comma, a quote or a line break.
QString csv(const QString &value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')))
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

void csvLine(QTextStream &out, const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csv(field);
    out << quoted.join(QLatin1Char(',')) << '\n';
}

std::optional<double> readingOption(const CommandLine &line, const QString &name, QTextStream &err)
{
    bool ok = false;
    const double reading = line.option(name).toDouble(&ok);
    if (!ok || !MileageTrip::readingRefusal(reading).isEmpty()) {
        err << name << " needs an odometer reading from 0 to 9,999,999.9, such as 1042.5.\n";
        return std::nullopt;
    }
    return reading;
}

int listExpenses(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    std::optional<int> number;
    if (line.options.contains(QStringLiteral("--campaign"))) {
        number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err);
        if (!number)
            return 2;
    }
    if (!year)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    if (number && !session.campaignInRange(*year, *number))
        return 2;
    csvLine(out, {QStringLiteral("Year"), QStringLiteral("Campaign"), QStringLiteral("Counter"), QStringLiteral("Description"),
                  QStringLiteral("Payee"), QStringLiteral("Category"), QStringLiteral("Amount"), QStringLiteral("External"),
                  QStringLiteral("Date")});
    for (const Expense &e : ExpenseRecords::stored(session.state().data, *year, number))
        csvLine(out, {QString::number(e.campaignYear), QString::number(e.campaignNumber), QString::number(e.counter),
                      e.description, e.payee, e.category, e.amount.format(u"0.00"),
                      e.include ? QStringLiteral("Y") : QStringLiteral("N"), e.date.date().toString(Qt::ISODate)});
    return 0;
}

int addExpense(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    const auto number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err);
    const auto amount = amountOption(line, QStringLiteral("--amount"), err);
    if (!year || !number || !amount)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    if (!session.campaignInRange(*year, *number) || !session.reopenForWriting())
        return 2;
    AppState &state = session.state();
    Expense expense = Expense::blank({*year, *number}, 0, line.flag(QStringLiteral("--external")), state.now().date());
    expense.amount = *amount;
    expense.description = line.option(QStringLiteral("--description"));
    expense.payee = line.option(QStringLiteral("--payee"));
    expense.category = line.option(QStringLiteral("--category"));
    const std::optional<Expense> added = ExpenseRecords::addStored(state.data, expense);
    if (!added)
        throw CommandStopped{QStringLiteral("The expense could not be stored in %1.").arg(line.database)};
    out << added->counter << '\n';
    return 0;
}

int listInventory(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const bool inStock = line.flag(QStringLiteral("--in-stock"));
    const bool sold = line.flag(QStringLiteral("--sold"));
    if (inStock && sold) {
        err << "--in-stock and --sold cannot be used together.\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    InventoryView view;
    view.filter = inStock ? InventoryView::Filter::InStock : sold ? InventoryView::Filter::Sold : InventoryView::Filter::All;
    csvLine(out, {QStringLiteral("Product"), QStringLiteral("Description"), QStringLiteral("Category"),
                  QStringLiteral("Location"), QStringLiteral("Price"), QStringLiteral("In Stock"), QStringLiteral("Sold To"),
                  QStringLiteral("Sold"), QStringLiteral("Sold Year"), QStringLiteral("Sold Campaign")});
    for (const InventoryItem &i : InventoryRecords::load(session.state().data, view))
        csvLine(out, {i.catalogNumber, i.fullProduct(), i.category, i.storageLocation, i.price.format(u"0.00"),
                      QString::number(i.quantity), i.soldToName, QString::number(i.soldQuantity), QString::number(i.soldYear),
                      QString::number(i.soldNumber)});
    return 0;
}

int addInventory(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString catalog = line.option(QStringLiteral("--catalog")).trimmed();
    const auto quantity = wholeOption(line, QStringLiteral("--qty"), 1, 32767, err);
    std::optional<Currency> price;
    if (line.options.contains(QStringLiteral("--price")) && !(price = amountOption(line, QStringLiteral("--price"), err)))
        return 2;
    if (catalog.isEmpty()) {
        err << "--catalog needs a product number.\n";
        return 2;
    }
    if (!quantity)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    // Described from the baseline product, as Find fills the boxes before Add.
    const InventoryItem found = InventoryRecords::find(session.state().data, catalog).item;
    const InventoryEntry entry{catalog,  found.description, found.shade, found.size, found.notes, QString(), QString(),
                               QString::number(*quantity), (price ? *price : found.price).toPlainText()};
    const InventoryOutcome outcome = InventoryRecords::add(session.state().data, entry);
    if (!outcome.done)
        throw CommandStopped{outcome.message};
    out << outcome.message << '\n';
    return 0;
}

int sellInventory(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString catalog = line.option(QStringLiteral("--catalog")).trimmed();
    const auto quantity = wholeOption(line, QStringLiteral("--qty"), 1, 32767, err);
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, 32767, err);
    if (catalog.isEmpty()) {
        err << "--catalog needs a product number.\n";
        return 2;
    }
    if (!quantity || !customer)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    cDataAccess &data = session.state().data;
    InventoryAdjustment adjustment(data);
    if (!session.customerExists(*customer))
        return 2;
    if (adjustment.inStock(catalog) <= 0) {
        err << "Product " << catalog << " has no stock.\n";
        return 2;
    }
    if (!session.reopenForWriting())
        return 2;
    const QString name = data.scalar(QStringLiteral("zel inventory sell"),
                                     QStringLiteral("Select Trim(Coalesce([Customers First Name], '') || ' ' || "
                                                    "Coalesce([Customers Last Name], '')) From Customers Where [Customers Number] = ?"),
                                     {*customer})
                             .toString();
    const cOption &options = session.state().options;
    Transaction sale(data.database().handle());
    const std::optional<int> taken =
        adjustment.Ms_Adjust_Inventory(catalog, *quantity, name, {options.CurrentCampaignYear, options.CurrentCampaignNumber});
    if (!taken || !sale.commit())
        throw CommandStopped{QStringLiteral("The stock of %1 could not be adjusted in %2.").arg(catalog, line.database)};
    if (*taken < *quantity)
        out << OrderLineRules::partlyFromStock(catalog, *taken, *quantity) << '\n';
    out << "Sold " << *taken << " of " << catalog << " to " << name << "; " << adjustment.inStock(catalog) << " left in stock.\n";
    return 0;
}

} // namespace

int runExpenseCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments == QStringList{QStringLiteral("list")})
        return listExpenses(line, out, err);
    if (line.arguments == QStringList{QStringLiteral("add")})
        return addExpense(line, out, err);
    err << "Usage: zel expense list --db FILE --year Y [--campaign C]\n"
           "       zel expense add --db FILE --year Y --campaign C --amount A [--description D] [--payee P] [--category K] "
           "[--external]\n";
    return 2;
}

int runMileageCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments != QStringList{QStringLiteral("add")}) {
        err << "Usage: zel mileage add --db FILE --date YYYY-MM-DD --start R --end R [--reason TEXT]\n";
        return 2;
    }
    const QDate date = QDate::fromString(line.option(QStringLiteral("--date")), Qt::ISODate);
    if (!date.isValid()) {
        err << "--date needs a date as YYYY-MM-DD.\n";
        return 2;
    }
    const auto start = readingOption(line, QStringLiteral("--start"), err);
    const auto end = readingOption(line, QStringLiteral("--end"), err);
    if (!start || !end)
        return 2;
    if (*end < *start) {
        err << "--end cannot be below --start: the end reading is the larger.\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    MileageTrip trip = MileageTrip::blank(session.state().now());
    trip.date = MileageTrip::dateText(date);
    trip.reason = line.option(QStringLiteral("--reason"));
    trip.startReading = *start;
    trip.endReading = *end;
    trip.updateTripTotal();
    if (!MileageRecords::add(session.state().data, trip))
        throw CommandStopped{QStringLiteral("The trip could not be stored in %1.").arg(line.database)};
    out << "Trip total " << trip.tripTotal << '\n';
    return 0;
}

int runInventoryCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments == QStringList{QStringLiteral("list")})
        return listInventory(line, out, err);
    if (line.arguments == QStringList{QStringLiteral("add")})
        return addInventory(line, out, err);
    if (line.arguments == QStringList{QStringLiteral("sell")})
        return sellInventory(line, out, err);
    err << "Usage: zel inventory list --db FILE [--in-stock|--sold]\n"
           "       zel inventory add --db FILE --catalog C --qty Q [--price P]\n"
           "       zel inventory sell --db FILE --catalog C --qty Q --customer N\n";
    return 2;
}

} // namespace zel
