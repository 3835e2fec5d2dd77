#include "utilities/bulk_flags.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/captions.h"

namespace zel::utilities {

namespace {
const QString kProcedure = QStringLiteral("BulkFlags");

QString setOrReset(bool on)
{
    return on ? QStringLiteral("SET") : QStringLiteral("RESET");
}
} // namespace

std::optional<int> BulkFlags::run(const QString &question, const QString &sql, const QVariantList &values, const QString &report)
{
    if (!m_state.prompter.askYesNo(question))
        return std::nullopt;
    if (!m_state.data.exec(kProcedure, sql, values))
        return std::nullopt;
    const int count = m_state.data.RecordsAffected();
    m_state.prompter.information(QString::number(count) + report);
    return count;
}

std::optional<int> BulkFlags::setLabelFlags(bool on)
{
    return run(QStringLiteral("Do you wish to %1 the 'Print Label Flag' on every customer?").arg(setOrReset(on)),
               QStringLiteral("Update Customers Set [Customers Label Flag] = ? "), {on ? QStringLiteral("Y") : QStringLiteral("N")},
               QStringLiteral(" customers have been updated."));
}

std::optional<int> BulkFlags::orderFlag(const Campaign &campaign, bool on, const char *flagName, const char *column)
{
    const QString question = QStringLiteral("Do you wish to %1 the '%2' on every order for ")
                                 .arg(setOrReset(on), QLatin1String(flagName))
                           + Gs_Caption_Replace(QStringLiteral("####")) + QLatin1Char(' ') + QString::number(campaign.year)
                           + QStringLiteral(" / ") + QString::number(campaign.number) + QLatin1Char('?');
    return run(question,
               QStringLiteral("Update Orders  Set [%1] = ?  Where [Orders Campaign Year] = ? And [Orders Campaign Number] = ?")
                   .arg(QLatin1String(column)),
               {on ? -1 : 0, campaign.year, campaign.number}, QStringLiteral(" Order details have been updated."));
}

std::optional<int> BulkFlags::setPrintedFlags(const Campaign &campaign, bool on)
{
    return orderFlag(campaign, on, "Order Printed Flag", "Orders Printed");
}

std::optional<int> BulkFlags::setSummarizedFlags(const Campaign &campaign, bool on)
{
    return orderFlag(campaign, on, "Order Summarized Flag", "Orders Summary Printed");
}

std::optional<int> BulkFlags::resetCounter(std::optional<int> counter)
{
    if (!counter || *counter < 1 || *counter > kCounters) {
        m_state.prompter.information(QStringLiteral("Please Select A Counter."));
        return std::nullopt;
    }
    return run(QStringLiteral("Do you wish to RESET customer counter #%1 for every customer?").arg(*counter),
               QStringLiteral("Update Customers Set [Customers Points%1] = 0 ").arg(*counter), {},
               QStringLiteral(" Customers have been updated."));
}

} // namespace zel::utilities
