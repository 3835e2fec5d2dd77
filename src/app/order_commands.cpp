#include "app/order_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/order_edit_command.h"
#include "app/sample_data.h"
#include "db/durable_file.h"
#include "orders/order_computation.h"
#include "orders/stored_order_header.h"
#include "payments/payment_sums.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

namespace zel {

namespace {

constexpr int kHighestNumber = 32767;

// A percentage from -100 to 100; nothing for anything else.
std::optional<Currency> percentOption(const QString &text)
{
    const auto percent = Currency::fromString(text);
    if (!percent || *percent > Currency::fromCents(10000) || *percent < Currency::fromCents(-10000))
        return std::nullopt;
    return percent;
}

std::optional<ComputeMode> modeOf(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("NORMAL"))
        return ComputeMode::Normal;
    if (text == QLatin1String("SHORTS"))
        return ComputeMode::Shorts;
    if (text == QLatin1String("UPDATES"))
        return ComputeMode::Updates;
    return std::nullopt;
}

// The order's header as its stored rows hold it, then as the options given override it.
std::optional<OrderRequest> requestFor(const CommandLine &line, const std::vector<OrderRow> &rows, QTextStream &err)
{
    OrderRequest request;
    for (const OrderRow &row : rows)
        if (row.internalFlag == QLatin1String("DETAIL"))
            request.lines.push_back(row);
    const StoredOrderHeader stored = StoredOrderHeader::fromRows(rows);
    stored.applyTo(request);
    const bool hasOptionsRow = stored.hasSwitches;
    const QString switches = line.option(QStringLiteral("--switches"));
    if (!switches.isEmpty()) {
        if (switches.size() != 5 || switches.contains(QRegularExpression(QStringLiteral("[^YN]")))) {
            err << "--switches is five letters Y or N: processing charge, discount, tax, flat amount, flat percent.\n";
            return std::nullopt;
        }
        request.switches = OrderSwitches::fromText(switches);
    } else if (!hasOptionsRow) {
        err << "This order has no switches stored yet; give them with --switches (for example YYYNN).\n";
        return std::nullopt;
    }
    const std::optional<ComputeMode> mode = modeOf(line.option(QStringLiteral("--mode")));
    if (!mode) {
        err << "--mode is NORMAL, SHORTS or UPDATES.\n";
        return std::nullopt;
    }
    request.mode = *mode;
    if (const QString discount = line.option(QStringLiteral("--discount")); !discount.isEmpty()) {
        const auto percent = percentOption(discount);
        if (!percent) {
            err << "--discount needs a percentage from -100 to 100, such as 10 or 12.5.\n";
            return std::nullopt;
        }
        request.discountPercent = *percent;
    }
    if (const QString charge = line.option(QStringLiteral("--special-charge")); !charge.isEmpty()) {
        const qsizetype eq = charge.lastIndexOf(QLatin1Char('='));
        const auto amount = eq < 0 ? std::nullopt : Currency::fromString(charge.mid(eq + 1));
        if (!amount || !amount->isPlausible()) {
            err << "--special-charge is DESCRIPTION=AMOUNT, the amount up to 1,000,000.00.\n";
            return std::nullopt;
        }
        request.specialChargeDescription = charge.left(eq);
        request.specialChargeAmount = *amount;
    }
    request.processBackOrders = line.flag(QStringLiteral("--process-backorders"));
    request.keepCharge = line.flag(QStringLiteral("--keep-charge"));
    return request;
}

} // namespace

int runSampleCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const auto customers = wholeOption(line, QStringLiteral("--customers"), 1, kHighestNumber, err, 40);
    const auto years = wholeOption(line, QStringLiteral("--years"), 1, 30, err, 2);
    if (!customers || !years)
        return 2;
    if (line.database.isEmpty() || !line.arguments.isEmpty()) {
        err << "Usage: zel sample --db FILE [--customers N (1-32767)] [--years Y (1-30)]\n";
        return 2;
    }
    CommandSession session(line, err);
    SampleSize size;
    size.customers = *customers;
    size.years = *years;
    const QString path = QFileInfo(line.database).absoluteFilePath();
    if (QFileInfo::exists(path)) {
        err << path << " already exists.  Sample data is only written into a new database.\n";
        return 1;
    }
    // Built under its unfinished name, so an interrupted run never leaves a partial database at the path.
    const QString building = db::unfinishedName(path);
    db::removeDatabaseFile(building);
    const bool done = generateSample(session.state(), building, size, [&](const QString &step) {
        err << step << '\n';
        err.flush();
    });
    session.state().database.close();
    const QString placed = done ? db::putInPlace(building, path, db::PutMode::NeverReplace) : QString();
    if (!done || !placed.isEmpty()) {
        QFile::remove(building);
        if (!placed.isEmpty())
            err << placed << '\n';
        return 1;
    }
    out << "Sample database ready: " << path << '\n';
    return 0;
}

int runBalanceCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty()) {
        err << "Usage: zel balance --db FILE --customer N --year Y --campaign C\n";
        return 2;
    }
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, kHighestNumber, err);
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err);
    if (!customer || !year || !campaign)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    if (!session.customerExists(*customer) || !session.campaignInRange(*year, *campaign))
        return 2;
    PaymentSums sums(session.state().data);
    const auto show = [&](const char *label, const Currency &amount) {
        out << QString::fromLatin1(label).leftJustified(28) << amount.format(u"###,###,##0.00").rightJustified(14) << '\n';
    };
    show("Orders this campaign:", sums.CampaignOrdersTotal(*customer, *year, *campaign));
    show("Payments this campaign:", sums.CampaignPaymentsTotal(*customer, *year, *campaign));
    show("Orders before:", sums.PreviousOrdersTotal(*customer, *year, *campaign));
    show("Payments before:", sums.PreviousPaymentsTotal(*customer, *year, *campaign));
    show("Balance:", sums.balance(*customer, *year, *campaign));
    return 0;
}

int runOrderCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.value(0) == QLatin1String("edit"))
        return runOrderEditCommand(line, out, err);
    if (line.arguments != QStringList{QStringLiteral("recompute")}) {
        err << "Usage: zel order edit --db FILE --customer N [--order O] [--year Y --campaign C]\n"
               "       zel order recompute --db FILE --customer N --year Y --campaign C --order O [--mode NORMAL|SHORTS|UPDATES]\n"
               "       [--switches XXXXX] [--discount PCT] [--special-charge DESC=AMOUNT] [--backorder-campaign YYYY/CC]\n"
               "       [--process-backorders] [--keep-charge] [--yes|--no]\n";
        return 2;
    }
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, kHighestNumber, err);
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err);
    const auto order = wholeOption(line, QStringLiteral("--order"), 1, kHighestNumber, err);
    if (!customer || !year || !campaign || !order)
        return 2;
    // Every value is checked before the database is opened for writing, so a mistake changes nothing.
    std::optional<Campaign> backOrderCampaign;
    if (const QString bo = line.option(QStringLiteral("--backorder-campaign")); !bo.isEmpty()) {
        backOrderCampaign = campaignText(bo);
        if (!backOrderCampaign) {
            err << "--backorder-campaign is YYYY/CC, for example 2008/06.\n";
            return 2;
        }
    }
    if (!modeOf(line.option(QStringLiteral("--mode")))) {
        err << "--mode is NORMAL, SHORTS or UPDATES.\n";
        return 2;
    }
    if (const QString discount = line.option(QStringLiteral("--discount")); !discount.isEmpty() && !percentOption(discount)) {
        err << "--discount needs a percentage from -100 to 100, such as 10 or 12.5.\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    if (!session.customerExists(*customer) || !session.campaignInRange(*year, *campaign)
        || (backOrderCampaign && !session.campaignInRange(backOrderCampaign->year, backOrderCampaign->number)))
        return 2;
    AppState &state = session.state();
    const Campaign which{*year, *campaign};
    const std::vector<OrderRow> rows = storedOrderRows(state.data, QStringLiteral("zel order recompute"), *customer, which, *order);
    if (rows.empty()) {
        err << "Customer " << *customer << " has no order " << *order << " in campaign " << *campaign << " of " << *year << ".\n";
        return 1;
    }
    std::optional<OrderRequest> request = requestFor(line, rows, err);
    if (!request)
        return 2;
    request->customer = *customer;
    request->campaign = which;
    request->backOrderCampaign = backOrderCampaign.value_or(which.next(state.options.LastCampaignNumberOfYear));
    // Checked and read; now the database is opened for the one write.
    if (!session.reopenForWriting())
        return 1;
    const std::optional<ComputedOrder> computed = saveOrder(state.data, state.options, state.prompter, *request, *order);
    if (!computed)
        return 1;
    out << "Order " << computed->orderNumber << " of customer " << *customer << ": sub total "
        << computed->subTotal.format(u"###,###,##0.00") << ", grand total " << computed->grandTotal.format(u"###,###,##0.00")
        << '\n';
    for (const OrderRow &row : computed->rows)
        if (row.internalFlag != QLatin1String("DETAIL"))
            out << "  " << row.internalFlag.leftJustified(11) << ' ' << row.product.leftJustified(34) << ' '
                << row.unitTotal.format(u"###,###,##0.00").rightJustified(12) << '\n';
    return 0;
}

} // namespace zel
