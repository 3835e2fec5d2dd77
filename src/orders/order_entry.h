#pragma once

#include "orders/order_computation.h"

#include <array>
#include <optional>
#include <vector>

namespace zel {

class AppState;

// The parts of an order typed outside its lines.
struct OrderHeader
{
    OrderSwitches switches;
    Currency discountPercent;
    QString specialChargeDescription;
    Currency specialChargeAmount;
    Campaign backOrderCampaign;
    bool summarized = false;
    QString delivered = QStringLiteral("N");
    QDateTime orderDate;
    std::array<int, 9> points{};
    QString reservedCatalogNumber; // "//" code: blank rows kept after this line
    int reservedRows = 0;
};

// An order as the order entry screen shows it on opening.
struct OpenedOrder
{
    OrderHeader header;
    std::vector<OrderRow> lines;
    bool exists = false;
    Currency orderTotal;
    Currency previousBalance;
    QDateTime enteredDate;  // invalid when not set
    QDateTime modifiedDate; // invalid when not set
    QString customerName;   // first and last name
    Currency customerDiscountPercent;
    QString customerEmail;
};

// Order entry without its screen: opening an order into the work tables, saving, deleting and
// cancelling it, with every message through the prompter.
class OrderEntry
{
public:
    enum class SaveResult { Saved, Deleted, Refused, Failed, Busy };

    OrderEntry(AppState &state, int customer, const Campaign &campaign, int orderNumber);

    // Ms_Init_Work_Orders: empties the work tables and reads the order (a new one when its number is 0).
    OpenedOrder open();
    // Ms_Save: points, the order's rows computed again with its back orders and products, in one
    // transaction. Refused (nothing written) when a back order goes nowhere later.
    SaveResult save(const OrderHeader &header, const std::vector<OrderRow> &lines);
    // Ms_Delete: refused with payments, otherwise asks first. True when the order was removed.
    bool deleteOrder();
    // Ms_Cancel's question; true when the changes may go.
    bool confirmCancel(bool inventoryAdjusted);

    int customer() const { return m_customer; }
    const Campaign &campaign() const { return m_campaign; }
    int orderNumber() const { return m_orderNumber; }
    const std::optional<ComputedOrder> &lastSaved() const { return m_saved; }

    QString windowTitle(const QString &customerName) const;
    QString saveCaption() const;
    static QString tabCaption(bool summarized);
    // "Order entered on Tuesday, 4 March 2008 at 09:00:00 AM"; empty when the date is not set.
    static QString dateLabel(const QString &prefix, const QDateTime &when);
    // The warning shown when the options' last campaign of the year is below the current campaign.
    std::optional<QString> lastCampaignWarning() const;

private:
    void log(const QString &step) const;
    // True, after telling the user, when the stored order has payments and so may not be removed.
    bool refusedForPayments();
    bool updatePoints(const std::array<int, 9> &points);
    bool fillWorkLines(const std::vector<OrderRow> &lines);
    OrderRequest requestFor(const OrderHeader &header, const std::vector<OrderRow> &lines) const;
    bool deleteRows();
    void readCustomer(OpenedOrder &opened);

    AppState &m_state;
    int m_customer;
    Campaign m_campaign;
    int m_orderNumber;
    bool m_saving = false;
    std::optional<ComputedOrder> m_saved;
};

} // namespace zel
