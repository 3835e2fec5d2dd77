#include "options/ui/earnings_model.h"

namespace zel {

namespace {

using Column = GridColumn<EarningsRow>;

Column typeCodeColumn()
{
    return {QStringLiteral("Type Code"), GridKind::Text, [](const EarningsRow &r) -> QVariant { return r.typeCode; },
            [](EarningsRow &r, const QVariant &value) {
                const QString code = value.toString().toUpper();
                const QString message = earnings::checkTypeCode(code);
                if (message.isEmpty())
                    r.typeCode = code;
                return message;
            }};
}

Column includeColumn()
{
    return {QStringLiteral("Include In Sales"), GridKind::Text,
            [](const EarningsRow &r) -> QVariant { return r.includeInSalesTotal; },
            [](EarningsRow &r, const QVariant &value) {
                const QString flag = value.toString().toUpper();
                if (flag != QLatin1String("Y") && flag != QLatin1String("N"))
                    return QStringLiteral("Include In Sales Total must be Y or N.");
                r.includeInSalesTotal = flag;
                return QString();
            }};
}

Column descriptionColumn()
{
    return {QStringLiteral("Description"), GridKind::Text, [](const EarningsRow &r) -> QVariant { return r.description; },
            [](EarningsRow &r, const QVariant &value) {
                const QString message = earnings::checkDescription(value.toString());
                if (message.isEmpty())
                    r.description = value.toString().left(30);
                return message;
            }};
}

// One step's level or percent, with the rule of its own.
Column stepColumn(int step, bool isLevel)
{
    using Steps = std::array<Currency, EarningsRow::kSteps> EarningsRow::*;
    const Steps steps = isLevel ? &EarningsRow::levels : &EarningsRow::percents;
    return {(isLevel ? QStringLiteral("Level %1") : QStringLiteral("Percent %1")).arg(step + 1), GridKind::Money,
            [steps, step](const EarningsRow &r) { return QVariant::fromValue((r.*steps)[step]); },
            [steps, step, isLevel](EarningsRow &r, const QVariant &value) {
                const QString text = value.toString();
                const QString message = isLevel ? earnings::checkLevel(text) : earnings::checkPercent(text);
                if (message.isEmpty())
                    (r.*steps)[step] = *Currency::fromString(text);
                return message;
            }};
}

std::vector<Column> earningsColumns()
{
    std::vector<Column> columns{typeCodeColumn(), includeColumn(), descriptionColumn()};
    for (int step = 0; step < EarningsRow::kSteps; ++step) {
        columns.push_back(stepColumn(step, true));
        columns.push_back(stepColumn(step, false));
    }
    return columns;
}

} // namespace

EarningsModel::EarningsModel(std::function<void(const QString &)> tell, QObject *parent)
    : RecordGridModel<EarningsRow>(earningsColumns(), std::move(tell), parent)
{
}

int EarningsModel::addRow()
{
    const int row = appendRow(EarningsRow{});
    setModified(true);
    return row;
}

bool EarningsModel::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (const QString message = earnings::checkDelete(record(row).typeCode); !message.isEmpty()) {
        tell(message);
        return false;
    }
    removeRowAt(row);
    setModified(true);
    return true;
}

QString EarningsModel::checkRow(int row) const
{
    return earnings::checkRow(record(row));
}

} // namespace zel
