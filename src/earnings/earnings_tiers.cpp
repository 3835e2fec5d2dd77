#include "earnings/earnings_tiers.h"

#include "options/earnings_schedule.h"
#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

#include <utility>
#include <vector>

namespace zel::earnings {

namespace {

const QString kProcedure = QStringLiteral("EnsureDefaultEarnings");

bool insertSchedule(cDataAccess &data, const QString &code, const QString &description,
                    const std::vector<std::pair<qint64, qint64>> &stepsInCents)
{
    QStringList columns{QStringLiteral("[Earnings Type Code]"), QStringLiteral("[Earnings Include In Sales Total]"),
                        QStringLiteral("[Earnings Description]")};
    QVariantList values{code, QStringLiteral("Y"), description};
    for (int step = 0; step < EarningsRow::kSteps; ++step) {
        const auto [level, percent] = step < int(stepsInCents.size()) ? stepsInCents[size_t(step)] : std::pair<qint64, qint64>(0, 0);
        columns << QStringLiteral("[Earnings Level %1]").arg(step + 1) << QStringLiteral("[Earnings Percent %1]").arg(step + 1);
        values << Currency::fromCents(level).toDouble() << Currency::fromCents(percent).toDouble();
    }
    const QString marks = QStringList(QList<QString>(values.size(), QStringLiteral("?"))).join(QStringLiteral(", "));
    return data.exec(kProcedure, QStringLiteral("Insert Into Earnings (%1) Values (%2)").arg(columns.join(QStringLiteral(", ")), marks),
                     values);
}

} // namespace

Currency tierPercent(const EarningsRow &row, Currency salesVolume)
{
    for (int step = 0; step < EarningsRow::kSteps; ++step)
        if (salesVolume <= row.levels[size_t(step)])
            return row.percents[size_t(step)];
    return Currency();
}

bool ensureDefaultTypes(cDataAccess &data)
{
    if (!data.exec(kProcedure, QStringLiteral("UPDATE Earnings SET [Earnings Include In Sales Total] = 'Y' Where [Earnings "
                                              "Include In Sales Total] Is Null ")))
        return false;
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From Earnings Where [Earnings Type Code] = 'R' ")) > 0)
        return true;
    Transaction transaction(data.database().handle());
    const bool added = insertSchedule(data, QStringLiteral("F"), QStringLiteral("Fixed"), {{99999999, 2000}})
                    && insertSchedule(data, QStringLiteral("R"), QStringLiteral("Regular Items"),
                                      {{2499, 0}, {13499, 2000}, {26999, 3000}, {39999, 3500}, {87499, 4000}, {149999, 4500},
                                       {99999999, 5000}});
    return added && transaction.commit();
}

} // namespace zel::earnings
