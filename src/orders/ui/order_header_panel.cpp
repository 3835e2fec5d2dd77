#include "orders/ui/order_header_panel.h"

#include "options/c_option.h"
#include "shell/ui/buddy_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zel {

namespace {

QString percentText(const Currency &percent)
{
    const QString twoDecimals = percent.format(u"#0.00");
    return twoDecimals.endsWith(QLatin1String(".00")) ? percent.format(u"#0") : twoDecimals;
}

} // namespace

OrderHeaderPanel::OrderHeaderPanel(QWidget *parent)
    : QWidget(parent),
      m_discount(new QLineEdit(this)),
      m_chargeDescription(new QLineEdit(this)),
      m_chargeAmount(new QLineEdit(this)),
      m_date(new QDateEdit(this)),
      m_summarized(new QCheckBox(QStringLiteral("Set Order As S&ummarized"), this)),
      m_delivered(new QCheckBox(QStringLiteral("De&livered"), this)),
      m_category(new QComboBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *switches = new QGroupBox(QStringLiteral("Order Switches"), this);
    auto *switchLayout = new QVBoxLayout(switches);
    const char *captions[5] = {"&1. Tax", "&2. Processing Charge", "&3. Discount", "&4. Flat Amount Charge",
                               "&5. Flat Percent Charge"};
    for (int i = 0; i < 5; ++i) {
        m_switches[i] = new QCheckBox(QString::fromLatin1(captions[i]), switches);
        switchLayout->addWidget(m_switches[i]);
    }
    layout->addWidget(switches);

    auto *charges = new QGroupBox(QStringLiteral("Discount and Special Charge"), this);
    auto *chargeForm = new QFormLayout(charges);
    m_discount->setAccessibleName(QStringLiteral("Order Discount Percent"));
    m_discount->setMaximumWidth(80);
    chargeForm->addRow(buddyLabel(QStringLiteral("Order D&iscount %"), m_discount, charges), m_discount);
    m_chargeDescription->setMaxLength(26);
    m_chargeDescription->setAccessibleName(QStringLiteral("Special Charge Description"));
    chargeForm->addRow(buddyLabel(QStringLiteral("Special C&harge"), m_chargeDescription, charges), m_chargeDescription);
    m_chargeAmount->setAccessibleName(QStringLiteral("Special Charge Amount"));
    m_chargeAmount->setMaximumWidth(100);
    chargeForm->addRow(buddyLabel(QStringLiteral("&Amount"), m_chargeAmount, charges), m_chargeAmount);
    layout->addWidget(charges);

    auto *order = new QGroupBox(QStringLiteral("Order"), this);
    auto *orderForm = new QFormLayout(order);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    m_date->setAccessibleName(QStringLiteral("Order Date"));
    orderForm->addRow(buddyLabel(QStringLiteral("Order Da&te"), m_date, order), m_date);
    orderForm->addRow(m_summarized);
    orderForm->addRow(m_delivered);
    m_category->setEditable(true);
    m_category->setMinimumWidth(160);
    m_category->setAccessibleName(QStringLiteral("Expense Category"));
    orderForm->addRow(buddyLabel(QStringLiteral("E&xpense Category"), m_category, order), m_category);
    layout->addWidget(order);
    layout->addStretch();
    watch();
}

void OrderHeaderPanel::watch()
{
    const auto mark = [this] {
        m_modified = true;
        emit changed();
    };
    for (QCheckBox *box : m_switches)
        connect(box, &QCheckBox::toggled, this, mark);
    for (QLineEdit *edit : {m_discount, m_chargeDescription, m_chargeAmount})
        connect(edit, &QLineEdit::textEdited, this, mark);
    connect(m_date, &QDateEdit::dateChanged, this, mark);
    connect(m_summarized, &QCheckBox::toggled, this, mark);
    connect(m_delivered, &QCheckBox::toggled, this, mark);
}

void OrderHeaderPanel::load(const OpenedOrder &order, const cOption &options, const QStringList &expenseCategories)
{
    const OrderHeader &h = order.header;
    m_switches[0]->setChecked(h.switches.tax);
    m_switches[1]->setChecked(h.switches.processingCharge);
    m_switches[2]->setChecked(h.switches.discount);
    m_switches[3]->setChecked(h.switches.flatAmount);
    m_switches[4]->setChecked(h.switches.flatPercent);
    m_switches[2]->setText(QStringLiteral(" &3. Discount ") + percentText(order.customerDiscountPercent) + QLatin1Char('%'));
    m_switches[4]->setText(QStringLiteral(" &5. Flat Percent Charge ") + percentText(options.FlatPercent) + QLatin1Char('%'));
    m_discount->setText(h.discountPercent.toPlainText());
    m_chargeDescription->setText(h.specialChargeDescription);
    m_chargeAmount->setText(h.specialChargeAmount.format(u"##0.00"));
    m_loadedDate = h.orderDate;
    m_date->setDate(h.orderDate.date());
    m_summarized->setChecked(h.summarized);
    m_delivered->setChecked(h.delivered == QLatin1String("Y"));
    m_category->clear();
    m_category->addItems(expenseCategories);
    m_modified = false;
}

QString OrderHeaderPanel::read(OrderHeader &header) const
{
    const std::optional<Currency> discount =
        m_discount->text().trimmed().isEmpty() ? Currency() : Currency::fromString(m_discount->text().trimmed());
    if (!discount || *discount > Currency::fromCents(10000) || discount->isNegative()) {
        m_discount->setFocus();
        return QStringLiteral("The order discount must be a percentage from 0 to 100.");
    }
    const std::optional<Currency> charge =
        m_chargeAmount->text().trimmed().isEmpty() ? Currency() : Currency::fromString(m_chargeAmount->text().trimmed());
    if (!charge || !charge->isPlausible()) {
        m_chargeAmount->setFocus();
        return QStringLiteral("Please enter a valid special charge amount.");
    }
    header.switches = {m_switches[1]->isChecked(), m_switches[2]->isChecked(), m_switches[0]->isChecked(),
                       m_switches[3]->isChecked(), m_switches[4]->isChecked()};
    header.discountPercent = *discount;
    header.specialChargeDescription = m_chargeDescription->text();
    header.specialChargeAmount = *charge;
    // The time of day the order was entered stays; only a changed day replaces it.
    header.orderDate = m_date->date() == m_loadedDate.date() ? m_loadedDate : QDateTime(m_date->date(), m_loadedDate.time());
    header.summarized = m_summarized->isChecked();
    header.delivered = m_delivered->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    return {};
}

QString OrderHeaderPanel::expenseCategory() const
{
    return m_category->currentText().trimmed();
}

} // namespace zel
