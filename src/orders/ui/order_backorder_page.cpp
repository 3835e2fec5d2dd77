#include "orders/ui/order_backorder_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zel {

OrderBackOrderPage::OrderBackOrderPage(QWidget *parent)
    : QWidget(parent), m_year(new QComboBox(this)), m_number(new QComboBox(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *backOrders = new QGroupBox(QStringLiteral("Back Order ####"), this);
    auto *form = new QFormLayout(backOrders);
    auto *hint = new QLabel(QStringLiteral("Select Destination #### Year / Number For Backorder / Shorted Items.  The copy will "
                                           "occur when the order is saved."),
                            backOrders);
    hint->setWordWrap(true);
    form->addRow(hint);
    auto *yearLabel = new QLabel(QStringLiteral("Back Order Yea&r"), backOrders);
    yearLabel->setBuddy(m_year);
    form->addRow(yearLabel, m_year);
    auto *numberLabel = new QLabel(QStringLiteral("Back Order N&umber"), backOrders);
    numberLabel->setBuddy(m_number);
    form->addRow(numberLabel, m_number);
    layout->addWidget(backOrders);

    auto *points = new QGroupBox(QStringLiteral("Customer Points"), this);
    auto *grid = new QGridLayout(points);
    for (int i = 0; i < 9; ++i) {
        m_points[i] = new QSpinBox(points);
        m_points[i]->setRange(-999999, 999999);
        auto *label = new QLabel(QStringLiteral("Points &%1").arg(i + 1), points);
        label->setBuddy(m_points[i]);
        grid->addWidget(label, i % 3, (i / 3) * 2);
        grid->addWidget(m_points[i], i % 3, (i / 3) * 2 + 1);
        connect(m_points[i], &QSpinBox::valueChanged, this, [this] { m_modified = true; });
    }
    layout->addWidget(points);
    layout->addStretch();
    connect(m_year, &QComboBox::currentIndexChanged, this, [this] { m_modified = true; });
    connect(m_number, &QComboBox::currentIndexChanged, this, [this] { m_modified = true; });
}

void OrderBackOrderPage::load(const OrderHeader &header, const Campaign &current, int lastNumberOfYear)
{
    m_year->clear();
    for (int year = current.year; year <= current.year + 1; ++year)
        m_year->addItem(QString::number(year), year);
    m_number->clear();
    for (int number = 1; number <= qMax(lastNumberOfYear, 1); ++number)
        m_number->addItem(QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')), number);
    if (m_year->findData(header.backOrderCampaign.year) < 0)
        m_year->addItem(QString::number(header.backOrderCampaign.year), header.backOrderCampaign.year);
    m_year->setCurrentIndex(qMax(0, m_year->findData(header.backOrderCampaign.year)));
    m_number->setCurrentIndex(qMax(0, m_number->findData(header.backOrderCampaign.number)));
    for (int i = 0; i < 9; ++i)
        m_points[i]->setValue(header.points[size_t(i)]);
    m_modified = false;
}

void OrderBackOrderPage::read(OrderHeader &header) const
{
    header.backOrderCampaign = {m_year->currentData().toInt(), m_number->currentData().toInt()};
    for (int i = 0; i < 9; ++i)
        header.points[size_t(i)] = m_points[i]->value();
}

} // namespace zel
