#include "earnings/helper_percents.h"

#include "shell/data_access.h"

namespace zel {

namespace {
// Wide enough for the product of two amounts; __extension__ keeps -Wpedantic quiet about it.
__extension__ using Wide = __int128;
} // namespace

Currency HelperPercents::earnings(Currency percent, Currency unitTotal)
{
    // Both are ten-thousandths: A/1e4 × B/1e4 / 100 in ten-thousandths is A × B / 1e6, half to even.
    const Wide product = static_cast<Wide>(percent.raw()) * unitTotal.raw();
    const Wide divisor = 1000000;
    Wide whole = product / divisor;
    const Wide rest = product % divisor;
    const Wide twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > divisor || (twice == divisor && whole % 2 != 0))
        whole += product < 0 ? -1 : 1;
    return Currency::fromRaw(static_cast<qint64>(whole));
}

std::optional<Currency> HelperPercents::percentOf(cDataAccess &data, int helper, const QString &typeCode)
{
    const QVariant percent = data.scalar(QStringLiteral("HelperPercents"),
                                         QStringLiteral("Select [HelperPercents Earnings Percent] From HelperPercents Where "
                                                        "[HelperPercents Customer Number] = ? And [HelperPercents Earnings Type Code] = ?"),
                                         {helper, typeCode});
    if (!percent.isValid())
        return std::nullopt;
    return Currency::fromDouble(percent.toDouble());
}

Currency HelperPercents::helperEarnings(cDataAccess &data, int helper, const QString &typeCode, Currency unitTotal)
{
    return earnings(percentOf(data, helper, typeCode).value_or(Currency()), unitTotal);
}

} // namespace zel
