#include "utilities/ui/payment_grids.h"

namespace zel {

namespace {

const QString kNotAmount = QStringLiteral("Amount must be numeric.");

GridColumn<WorkPayment> amountColumn(const bool &autoNegative)
{
    return {QStringLiteral("Amount"), GridKind::Money, [](const WorkPayment &p) { return QVariant::fromValue(p.amount); },
            [&autoNegative](WorkPayment &p, const QVariant &value) {
                const std::optional<Currency> typed = grid::parseMoney(value.toString());
                if (!typed || !typed->isPlausible())
                    return kNotAmount;
                p.amount = PaymentPosting::enteredAmount(*typed, autoNegative);
                return QString();
            }};
}

GridColumn<WorkPayment> dateColumn()
{
    return {QStringLiteral("Date"), GridKind::Date, [](const WorkPayment &p) -> QVariant { return p.date; },
            [](WorkPayment &p, const QVariant &value) {
                for (const char *format : {"M/d/yyyy", "M/d/yy", "yyyy-MM-dd"}) {
                    QDate date = QDate::fromString(value.toString(), QString::fromLatin1(format));
                    if (date.isValid() && date.year() < 1950)
                        date = date.addYears(100);
                    if (date.isValid()) {
                        p.date = date;
                        return QString();
                    }
                }
                return QStringLiteral("Please enter a date as mm/dd/yyyy.");
            }};
}

GridColumn<WorkPayment> orderColumn()
{
    return {QStringLiteral("Order"), GridKind::WholeNumber, [](const WorkPayment &p) -> QVariant { return p.order; }, nullptr};
}

GridColumn<WorkPayment> sequenceColumn()
{
    return {QStringLiteral("Seq"), GridKind::WholeNumber, [](const WorkPayment &p) -> QVariant { return p.sequence; }, nullptr};
}

} // namespace

std::vector<GridColumn<WorkPayment>> ordersToPayColumns(const bool &autoNegative)
{
    using namespace grid;
    return {flag(QStringLiteral("Pay"), &WorkPayment::pay),
            text(QStringLiteral("Customer"), &WorkPayment::name).readOnly(),
            amountColumn(autoNegative),
            dateColumn(),
            text(QStringLiteral("Type"), &WorkPayment::type, 20),
            text(QStringLiteral("Check Number"), &WorkPayment::checkNumber, 255),
            flag(QStringLiteral("Deposited"), &WorkPayment::deposited),
            flag(QStringLiteral("Delivered"), &WorkPayment::delivered),
            sequenceColumn()};
}

std::vector<GridColumn<WorkPayment>> paymentsOnFileColumns(const bool &autoNegative)
{
    using namespace grid;
    return {text(QStringLiteral("Customer"), &WorkPayment::name).readOnly(),
            orderColumn(),
            sequenceColumn(),
            amountColumn(autoNegative),
            dateColumn(),
            text(QStringLiteral("Type"), &WorkPayment::type, 20),
            text(QStringLiteral("Check Number"), &WorkPayment::checkNumber, 255),
            flag(QStringLiteral("Deposited"), &WorkPayment::deposited),
            flag(QStringLiteral("Delivered"), &WorkPayment::delivered),
            flag(QStringLiteral("Delete"), &WorkPayment::deleted)};
}

} // namespace zel
