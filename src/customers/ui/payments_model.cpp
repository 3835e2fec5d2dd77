#include "customers/ui/payments_model.h"

#include "core/prompter.h"
#include "session/app_state.h"

namespace zel::customers {

namespace {

constexpr int kOrderColumn = 0;

GridColumn<Payment> dateColumn()
{
    return {QStringLiteral("Date"), GridKind::Date, [](const Payment &p) -> QVariant { return p.date.date(); },
            [](Payment &p, const QVariant &value) {
                const QDate date = QDate::fromString(value.toString(), QStringLiteral("MM/dd/yyyy"));
                const QDate iso = QDate::fromString(value.toString(), Qt::ISODate);
                if (!date.isValid() && !iso.isValid())
                    return QStringLiteral("Please enter the date as mm/dd/yyyy.");
                p.date = QDateTime(date.isValid() ? date : iso, QTime(0, 0));
                return QString();
            }};
}

GridColumn<Payment> choiceColumn(const QString &header, QString Payment::*member, const QStringList &choices, int length)
{
    return {header, GridKind::Text, [member](const Payment &p) -> QVariant { return p.*member; },
            [member, choices, length](Payment &p, const QVariant &value) {
                QString text = value.toString().left(length);
                for (const QString &choice : choices)
                    if (choice.compare(text, Qt::CaseInsensitive) == 0)
                        text = choice;
                p.*member = text;
                return QString();
            }};
}

} // namespace

PaymentsModel::PaymentsModel(AppState &state, std::function<bool()> autoNegative, QObject *parent)
    : RecordGridModel<Payment>(columns(), [&state](const QString &m) { state.prompter.information(m); }, parent),
      m_state(state), m_autoNegative(std::move(autoNegative))
{
}

std::vector<GridColumn<Payment>> PaymentsModel::columns()
{
    using namespace grid;
    const QString refused = QStringLiteral("Please enter a number.");
    GridColumn<Payment> amount = money(QStringLiteral("Amount"), &Payment::amount, refused);
    auto stored = amount.set;
    amount.set = [this, stored](Payment &p, const QVariant &value) {
        QString message = stored(p, value);
        // Payments received are negative; with the box ticked a typed amount is always stored so.
        if (message.isEmpty() && m_autoNegative && m_autoNegative() && !p.amount.isNegative())
            p.amount = -p.amount;
        return message;
    };
    return {whole(QStringLiteral("Order Number"), &Payment::order, refused),
            amount,
            dateColumn(),
            choiceColumn(QStringLiteral("Deposited"), &Payment::deposited, {QStringLiteral("Y"), QStringLiteral("N")}, 1)
                .offering({QStringLiteral("Y"), QStringLiteral("N")}),
            choiceColumn(QStringLiteral("Type"), &Payment::type, paymentTypes(), 20).offering(paymentTypes()),
            text(QStringLiteral("Check Number"), &Payment::checkNumber, 255),
            whole(QStringLiteral("Customer"), &Payment::customer, refused).readOnly(),
            whole(QStringLiteral("Year"), &Payment::year, refused).readOnly(),
            whole(QStringLiteral("Campaign"), &Payment::campaign, refused).readOnly(),
            whole(QStringLiteral("Sequence"), &Payment::sequence, refused).readOnly()};
}

void PaymentsModel::show(int customer, Campaign campaign)
{
    m_customer = customer;
    m_campaign = campaign;
    setRows(CustomerPayments(m_state, customer, campaign).payments());
}

bool PaymentsModel::commit(int row, Payment edited, int column)
{
    if (edited.order == 0 && column != kOrderColumn) {
        tell(QStringLiteral("Please select an order first."));
        return false;
    }
    if (column == kOrderColumn) {
        const CustomerPayments payments(m_state, m_customer, m_campaign);
        bool exists = false;
        for (const OrderChoice &choice : payments.orderChoices())
            exists = exists || choice.order == edited.order;
        if (!exists) {
            tell(QStringLiteral("Please select an order first."));
            return false;
        }
    }
    replaceRow(row, std::move(edited), false);
    return store();
}

bool PaymentsModel::store()
{
    if (!CustomerPayments(m_state, m_customer, m_campaign).replaceAll(rows()))
        return false;
    if (m_stored)
        m_stored();
    return true;
}

} // namespace zel::customers
