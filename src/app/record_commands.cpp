#include "app/record_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "orders/product_lookup.h"

#include <QTextStream>

namespace zel {

int runProductCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QStringList args = line.arguments;
    if (args.size() != 2 || args[0] != QLatin1String("lookup")) {
        err << "Usage: zel product lookup --db FILE [--year Y --campaign C] CATALOG\n";
        return 2;
    }
    const auto year = wholeOption(line, QStringLiteral("--year"), 1980, 2200, err, 0);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, 0);
    if (!year || !campaign)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    AppState &state = session.state();
    if (*year != 0)
        state.options.CurrentCampaignYear = *year;
    if (*campaign != 0) {
        if (!session.campaignInRange(state.options.CurrentCampaignYear, *campaign))
            return 2;
        state.options.CurrentCampaignNumber = *campaign;
    }
    const std::optional<ProductFound> found = ProductLookup(state.data, state.options, args[1]);
    if (!found) {
        out << "No product " << args[1] << " in campaign " << state.options.CurrentCampaignNumber << " of "
            << state.options.CurrentCampaignYear << " or the baseline.\n";
        return 1;
    }
    const Product &p = found->product;
    out << "Catalog Number: " << p.catalogNumber << '\n'
        << "Campaign: " << p.campaignNumber << " of " << p.campaignYear << (found->fromBaseline ? " (baseline)" : "") << '\n'
        << "Page: " << p.page << '\n'
        << "Description: " << p.description << '\n'
        << "Shade: " << p.shade << '\n'
        << "Size: " << p.size << '\n'
        << "Unit Price: " << p.lastPrice.format(u"0.00") << '\n'
        << "Regular Price: " << p.regPrice.format(u"0.00") << '\n'
        << "Special Price: " << p.specialPrice.format(u"0.00") << '\n'
        << "Earnings Level: " << p.earningsFlag << '\n'
        << "Stock On Hand: " << found->stockOnHand << '\n'
        << "From Baseline: " << (found->fromBaseline ? "yes" : "no") << '\n';
    return 0;
}

} // namespace zel
