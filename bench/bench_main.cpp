// Times the operations that must feel instant on ten years of a busy representative's business:
// saving a 30-line order, one customer's balance, and every customer's balance for a campaign.
// Usage: zel_bench [--db FILE] [--customers N] [--years Y]
// The database is generated once (through the program's own operations) and kept for later runs.

#include "app/sample_data.h"
#include "core/scripted_prompter.h"
#include "orders/order_computation.h"
#include "orders/product_catalogue.h"
#include "orders/product_lookup.h"
#include "payments/payment_sums.h"
#include "shell/app_state.h"
#include "shell/main_menu_operations.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace zel;

namespace {

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

OrderRequest thirtyLineOrder(AppState &state, int customer)
{
    OrderRequest request;
    request.customer = customer;
    request.campaign = {state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
    request.backOrderCampaign = request.campaign.next(state.options.LastCampaignNumberOfYear);
    request.switches = {true, true, true, false, false};
    request.orderDate = QDateTime::currentDateTime();
    request.mode = ComputeMode::Shorts;
    request.processBackOrders = true;
    for (int i = 0; i < 30; ++i) {
        OrderRow line;
        line.catalogNumber = QStringLiteral("%1-%2").arg(100 + i, 3, 10, QLatin1Char('0')).arg(200 + i);
        line.product = QStringLiteral("Bench product %1").arg(i);
        line.quantity = line.priceQuantity = 1 + i % 3;
        line.unitPrice = Currency::fromCents(499 + 100 * i);
        line.regPrice = Currency::fromCents(599 + 100 * i);
        line.tax1 = i % 2 == 0;
        line.earningsFlag = QStringLiteral("R");
        line.backOrderFlag = i == 7 ? QStringLiteral("B") : QString();
        line.discountPercent = i == 3 ? Currency::fromCents(1000) : Currency();
        request.lines.push_back(line);
    }
    return request;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTemporaryDir home;
    ScriptedPrompter prompter;
    AppState state(AppPaths{home.path(), home.filePath(QStringLiteral("Registry.ini"))}, prompter);

    SampleSize size;
    size.customers = option(args, QStringLiteral("--customers"), QStringLiteral("2000")).toInt();
    size.years = option(args, QStringLiteral("--years"), QStringLiteral("10")).toInt();
    size.orderChance = 0.12;
    const QString path = QFileInfo(option(args, QStringLiteral("--db"),
                                          QStringLiteral("bench-%1x%2.ZELDB").arg(size.customers).arg(size.years)))
                             .absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        out << "Generating " << path << " (" << size.customers << " customers, " << size.years << " years)...\n";
        out.flush();
        QElapsedTimer generation;
        generation.start();
        if (!generateSample(state, path, size, [&](const QString &step) {
                if (step.startsWith(QLatin1String("Campaign 1 ")))
                    out << "  " << step << '\n', out.flush();
            })) {
            out << "Could not generate the database.\n";
            return 1;
        }
        out << "  done in " << generation.elapsed() / 1000 << " s\n";
        state.database.close();
    }
    MainMenuOperations session(state);
    if (!session.openDatabase(path, QStringLiteral("Bench:") + path, QStringLiteral("zel_bench")))
        return 1;
    PaymentSums sums(state.data);
    const int orderRows = sums.CustomerExists(1) ? [&] {
        state.data.setSQL(QStringLiteral("Select Count(*) From Orders"));
        RecordSet rows = state.data.GetSnapShot(QStringLiteral("bench"));
        return rows.next() ? rows.value(0).toInt() : 0;
    }() : 0;
    out << "Database: " << path << "\n  " << size.customers << " customers, " << orderRows << " order rows\n\n";

    // Saving a 30-line order (deleting its old rows, computing, carrying its back order).
    const int saves = 50;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < saves; ++i) {
        if (!saveOrder(state.data, state.options, prompter, thirtyLineOrder(state, 1 + i % 50), 0)) {
            out << "An order could not be saved.\n";
            return 1;
        }
    }
    out << QStringLiteral("save a 30-line order:        %1 ms\n").arg(double(timer.nsecsElapsed()) / 1e6 / saves, 0, 'f', 2);

    const int balances = 500;
    timer.restart();
    Currency check;
    for (int i = 0; i < balances; ++i) {
        state.currentCustomer = 1 + (i * 37) % size.customers;
        check += CurrentCampaignBalance(state);
    }
    out << QStringLiteral("one customer's balance:      %1 ms\n").arg(double(timer.nsecsElapsed()) / 1e6 / balances, 0, 'f', 3);

    timer.restart();
    for (int customer = 1; customer <= size.customers; ++customer)
        check += sums.balance(customer, state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber);
    out << QStringLiteral("all balances, one by one:    %1 ms (%2 customers)\n").arg(timer.elapsed()).arg(size.customers);

    timer.restart();
    const auto all = sums.campaignBalances(state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber);
    out << QStringLiteral("all balances at once:        %1 ms (%2 customers with a balance)\n").arg(timer.elapsed()).arg(all.size());
    timer.restart();
    const std::vector<Product> products = catalogue::load(state.data, catalogue::showAll());
    out << QStringLiteral("show all products:           %1 ms (%2 products)\n").arg(timer.elapsed()).arg(products.size());

    timer.restart();
    const int lookups = 200;
    int found = 0;
    for (int i = 0; i < lookups; ++i)
        found += ProductLookup(state.data, state.options, products[size_t(i * 97) % products.size()].catalogNumber) ? 1 : 0;
    out << QStringLiteral("product look-up:             %1 ms (%2 found)\n").arg(double(timer.nsecsElapsed()) / 1e6 / lookups, 0, 'f', 3).arg(found);

    out << "\n(checksum " << check.format(u"0.00") << ")\n";
    return 0;
}
