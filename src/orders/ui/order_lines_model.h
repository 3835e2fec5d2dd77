#pragma once

#include "orders/order_entry_rules.h"
#include "orders/order_row.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class AppState;

// The order entry grid: the typed lines of one order. Leaving a cell applies the line rules: the
// catalog cell looks the product up (with a lower price and the stock on offer), the "/" codes
// expand, quantities and codes are checked. A blank row always waits at the end.
class OrderLinesModel : public RecordGridModel<OrderRow>
{
    Q_OBJECT
public:
    enum Column {
        Catalog, FromCampaign, BackOrder, Earnings, Page, Product, Shade, Size, Notes, OrderQty, PriceQty, UnitPrice,
        SpecialPrice, RegPrice, Tax1, Tax2, Discount, Total, BoMessage, EnteredUnitPrice, EnteredPage, EnteredUsedLowerPrice,
        UsedFromInventory, BaselinePriceUsed, ColumnCount
    };

    OrderLinesModel(AppState &state, const LineSettings &settings, QObject *parent = nullptr);

    // Who the order is for, as stock sold from inventory is recorded.
    void setCustomer(const QString &name, const Campaign &campaign);
    void setLines(std::vector<OrderRow> lines);
    // The typed lines, without the blank row at the end.
    std::vector<OrderRow> lines() const;
    // Whether the product of a row came from the catalogue (its line skips to the quantity).
    bool isFound(int row) const { return row >= 0 && row < int(m_found.size()) && m_found[size_t(row)]; }
    void removeLine(int row);
    void appendLines(const std::vector<OrderRow> &lines);
    void setBackOrderFlag(int row, const QString &flag);
    bool inventoryAdjusted() const { return m_inventoryAdjusted; }

signals:
    void linesChanged();
    // A "//" code: `rows` blank rows are kept after the line of `catalogNumber` when saved.
    void rowsReserved(const QString &catalogNumber, int rows);
    // What the typist should know of the catalog number just typed; empty when nothing.
    void catalogNote(const QString &note);

protected:
    bool commit(int row, OrderRow edited, int column) override;

private:
    bool commitCatalog(int row, OrderRow &edited);
    void lookUp(OrderRow &edited, bool &found);
    void offerStock(OrderRow &edited, int inStock);
    bool commitQuantity(const OrderRow &old, OrderRow &edited);
    void store(int row, OrderRow edited);
    void keepBlankRowAtEnd();

    AppState &m_state;
    LineSettings m_settings;
    QString m_customerName;
    Campaign m_campaign;
    std::vector<bool> m_found;
    bool m_inventoryAdjusted = false;
};

} // namespace zel
