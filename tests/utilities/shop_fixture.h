#pragma once

#include "orders/order_computation.h"
#include "payments/payment_sums.h"
#include "test_support.h"

#include <QVariant>

namespace zel::test {

inline Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

inline OrderRow orderLine(const char *catalog, int quantity, const char *price)
{
    OrderRow row;
    row.catalogNumber = QString::fromLatin1(catalog);
    row.product = QStringLiteral("Product ") + row.catalogNumber;
    row.page = QStringLiteral("7");
    row.quantity = quantity;
    row.priceQuantity = quantity;
    row.unitPrice = money(price);
    row.earningsFlag = QStringLiteral("R");
    return row;
}

// A shop with customers, orders saved as order entry saves them, and payments, for the utilities.
class ShopTest : public OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }

    void customer(int number, const char *last, const char *first, int helper = 0, const char *status = "Active")
    {
        exec(QStringLiteral("Insert Into Customers ([Customers Number], [Customers Last Name], [Customers First Name], "
                            "[Customers Business Helper Number], [Customers Status], [Customers Processing Charge], "
                            "[Customers Language], [Customers Gender], [Customers Supplies], [Customers Label Flag]) "
                            "Values (%1, '%2', '%3', %4, '%5', 'N', 'English', 'F', 0, 'N')")
                 .arg(number)
                 .arg(QLatin1String(last), QLatin1String(first))
                 .arg(helper)
                 .arg(QLatin1String(status)));
    }
    // Saves a new order with every switch off, so its total is the sum of its lines.
    int order(int customer, const Campaign &campaign, std::vector<OrderRow> lines)
    {
        OrderRequest request;
        request.customer = customer;
        request.campaign = campaign;
        request.backOrderCampaign = campaign.next(30);
        request.orderDate = QDateTime(QDate(campaign.year, 3, 1), QTime(9, 0));
        request.lines = std::move(lines);
        const auto saved = saveOrder(app.state->data, app.state->options, app.prompter, request, 0);
        EXPECT_TRUE(saved.has_value());
        return saved ? saved->orderNumber : 0;
    }
    void pay(int customer, const Campaign &campaign, int order, int sequence, const char *amount)
    {
        exec(QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign "
                            "Number], [Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], "
                            "[Payments Deposited], [Payments Type], [Payments Check Number], [Payments Grid Usage]) Values "
                            "(%1, %2, %3, %4, %5, %6, '2008-03-01 00:00:00', 'N', 'Cash', '', '')")
                 .arg(customer)
                 .arg(campaign.year)
                 .arg(campaign.number)
                 .arg(order)
                 .arg(sequence)
                 .arg(QLatin1String(amount)));
    }
    void exec(const QString &sql)
    {
        ASSERT_TRUE(app.state->data.exec(QStringLiteral("test"), sql)) << qPrintable(sql);
    }
    QStringList rows(const QString &sql) { return app.column(sql); }
    int count(const QString &sql) { return app.state->data.number(QStringLiteral("test"), sql); }
    Currency balance(int customer, const Campaign &campaign)
    {
        return PaymentSums(app.state->data).balance(customer, campaign.year, campaign.number);
    }
};

} // namespace zel::test
