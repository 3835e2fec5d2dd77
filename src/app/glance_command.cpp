#include "app/glance_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "reports/glance/campaign_glance.h"

namespace zel {

namespace {

void printList(QTextStream &out, const QString &heading, const QStringList &lines)
{
    out << '\n' << heading << ":\n";
    if (lines.isEmpty())
        out << "  None\n";
    for (const QString &line : lines)
        out << "  " << line << '\n';
}

void printGlance(QTextStream &out, const reports::CampaignGlance &glance)
{
    out << "Campaign at a glance: " << reports::glanceCampaignName(glance.campaign) << " as of "
        << glance.today.toString(Qt::ISODate) << '\n';
    for (const auto &[label, value] : glance.figures())
        out << label << ": " << value << '\n';
    QStringList lines;
    for (const reports::UnpaidOrder &order : glance.unpaidOrders)
        lines << QStringLiteral("%1 (%2), order %3: %4 owing of %5")
                     .arg(order.name)
                     .arg(order.customer)
                     .arg(order.order)
                     .arg(order.owing.toCurrencyText(), order.total.toCurrencyText());
    printList(out, QStringLiteral("Orders not paid"), lines);
    lines.clear();
    for (const reports::ComingDate &date : glance.dates)
        lines << QStringLiteral("%1  %2 - %3 (%4)").arg(date.day.toString(Qt::ISODate), date.description, date.name).arg(date.customer);
    printList(out, QStringLiteral("Dates in the next %1 days").arg(reports::CampaignGlance::kDateDays), lines);
    lines.clear();
    for (const reports::CallBackCustomer &customer : glance.callBack)
        lines << QStringLiteral("%1 (%2), last order: %3").arg(customer.name).arg(customer.customer).arg(customer.lastOrder);
    printList(out, QStringLiteral("No order in the last %1 campaigns").arg(reports::CampaignGlance::kCallBackCampaigns), lines);
    lines.clear();
    for (const reports::ShortProduct &product : glance.shortProducts)
        lines << QStringLiteral("%1 %2 (%3 lines)").arg(product.catalogNumber, product.description).arg(product.lines);
    printList(out, QStringLiteral("Products short"), lines);
    lines.clear();
    for (const reports::ShortProduct &product : glance.outOfStock)
        lines << QStringLiteral("%1 %2").arg(product.catalogNumber, product.description);
    printList(out, QStringLiteral("Products out of stock"), lines);
}

} // namespace

int runGlanceCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty() || line.flag(QStringLiteral("--year")) != line.flag(QStringLiteral("--campaign"))) {
        err << "Usage: zel glance --db FILE [--year Y --campaign C]\n";
        return 2;
    }
    const std::optional<int> year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err, 0);
    const std::optional<int> number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, 0);
    if (!year || !number)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    AppState &state = session.state();
    Campaign campaign{state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
    if (*year > 0) {
        if (!session.campaignInRange(*year, *number))
            return 2;
        campaign = {*year, *number};
    }
    const std::optional<reports::CampaignGlance> glance = reports::glanceAt(state, campaign, state.now().date());
    if (!glance) {
        err << "The figures of " << reports::glanceCampaignName(campaign) << " could not be read.\n";
        return 1;
    }
    printGlance(out, *glance);
    return 0;
}

} // namespace zel
