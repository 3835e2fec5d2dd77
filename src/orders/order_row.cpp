#include "orders/order_row.h"

#include "core/text.h"
#include "db/schema.h"
#include "shell/record_set.h"

#include <variant>

namespace zel {

namespace {

// A boolean column, stored as -1 / 0.
struct Flag
{
    bool OrderRow::*member;
};

using Member = std::variant<int OrderRow::*, QString OrderRow::*, Currency OrderRow::*, Flag, QDateTime OrderRow::*>;

struct Column
{
    const char *name;
    Member member;
};

const Column kColumns[] = {
    {"Orders Index", &OrderRow::index},
    {"Orders Customer Number", &OrderRow::customerNumber},
    {"Orders Campaign Year", &OrderRow::campaignYear},
    {"Orders Campaign Number", &OrderRow::campaignNumber},
    {"Orders Order Number", &OrderRow::orderNumber},
    {"Orders Sequence Number", &OrderRow::sequenceNumber},
    {"Orders Page", &OrderRow::page},
    {"Orders Catalog Number", &OrderRow::catalogNumber},
    {"Orders Product", &OrderRow::product},
    {"Orders Shade", &OrderRow::shade},
    {"Orders Size", &OrderRow::size},
    {"Orders Notes", &OrderRow::notes},
    {"Orders Quanity", &OrderRow::quantity},
    {"Orders Unit Price", &OrderRow::unitPrice},
    {"Orders Reg Price", &OrderRow::regPrice},
    {"Orders Special Price", &OrderRow::specialPrice},
    {"Orders Unit Total", &OrderRow::unitTotal},
    {"Orders Internal Flag", &OrderRow::internalFlag},
    {"Orders Tax1", Flag{&OrderRow::tax1}},
    {"Orders Tax2", Flag{&OrderRow::tax2}},
    {"Orders Printed", Flag{&OrderRow::printed}},
    {"Orders Summary Printed", Flag{&OrderRow::summaryPrinted}},
    {"Orders Discount Percent", &OrderRow::discountPercent},
    {"Orders Discount Applied", &OrderRow::discountApplied},
    {"Orders Discount Message", &OrderRow::discountMessage},
    {"Orders Tax Message", &OrderRow::taxMessage},
    {"Orders Include On Order", Flag{&OrderRow::includeOnOrder}},
    {"Orders Supplies", &OrderRow::supplies},
    {"Orders Price Quantity", &OrderRow::priceQuantity},
    {"Orders BackOrder Flag", &OrderRow::backOrderFlag},
    {"Orders Earnings Flag", &OrderRow::earningsFlag},
    {"Orders BO Message", &OrderRow::boMessage},
    {"Orders Business Helper", &OrderRow::businessHelper},
    {"Orders Business Helper Number", &OrderRow::businessHelperNumber},
    {"Orders Entered Unit Price", &OrderRow::enteredUnitPrice},
    {"Orders Entered Page", &OrderRow::enteredPage},
    {"Orders Entered Used Lower Price", &OrderRow::enteredUsedLowerPrice},
    {"Orders Used From Inventory", &OrderRow::usedFromInventory},
    {"Orders From Campaign", &OrderRow::fromCampaign},
    {"Orders Payment Amount", &OrderRow::paymentAmount},
    {"Orders Payment Delivered", Flag{&OrderRow::paymentDelivered}},
    {"Orders Payment Banked", &OrderRow::paymentBanked},
    {"Orders Payment Type", &OrderRow::paymentType},
    {"Orders Payment Check Number", &OrderRow::paymentCheckNumber},
    {"Orders Payment Date", &OrderRow::paymentDate},
    {"Orders Payment Grand Total", &OrderRow::paymentGrandTotal},
    {"Orders Baseline Price Used Flag", &OrderRow::baselinePriceUsedFlag},
    {"Orders Entered Date", &OrderRow::enteredDate},
    {"Orders Modified Date", &OrderRow::modifiedDate},
    {"Orders Savings Message", &OrderRow::savingsMessage},
    {"Orders Delivered", &OrderRow::delivered},
};

const db::TableDef &ordersTable()
{
    static const db::TableDef *table = db::findTable(QStringLiteral("Orders"));
    return *table;
}

} // namespace

OrderRow OrderRow::fromRecord(const RecordSet &record)
{
    OrderRow row;
    for (const Column &column : kColumns) {
        const QVariant value = record.value(QString::fromLatin1(column.name));
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, Flag>)
                    row.*(member.member) = value.toInt() != 0;
                else if constexpr (std::is_same_v<M, int OrderRow::*>)
                    row.*member = value.toInt();
                else if constexpr (std::is_same_v<M, QString OrderRow::*>)
                    row.*member = value.isNull() ? QString() : value.toString();
                else if constexpr (std::is_same_v<M, Currency OrderRow::*>)
                    row.*member = Currency::fromDouble(value.toDouble());
                else
                    row.*member = fromDbDateTime(value).value_or(QDateTime());
            },
            column.member);
    }
    return row;
}

QVariantList OrderRow::values() const
{
    QVariantList values;
    values.reserve(int(std::size(kColumns)));
    for (const Column &column : kColumns) {
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, Flag>) {
                    values << (this->*(member.member) ? -1 : 0);
                } else if constexpr (std::is_same_v<M, int OrderRow::*>) {
                    values << this->*member;
                } else if constexpr (std::is_same_v<M, QString OrderRow::*>) {
                    const db::FieldDef *field = ordersTable().field(QString::fromLatin1(column.name));
                    values << db::fitToField(*field, this->*member);
                } else if constexpr (std::is_same_v<M, Currency OrderRow::*>) {
                    values << (this->*member).toDouble();
                } else {
                    const QDateTime &when = this->*member;
                    values << (when.isValid() ? QVariant(toDbDateTime(when)) : QVariant());
                }
            },
            column.member);
    }
    return values;
}

QString OrderRow::insertSql(const QString &table)
{
    static const QString columns = [] {
        QStringList names;
        for (const Column &column : kColumns)
            names << db::bracket(QString::fromLatin1(column.name));
        return names.join(QStringLiteral(", "));
    }();
    static const QString marks = QStringList(QList<QString>(int(std::size(kColumns)), QStringLiteral("?"))).join(QStringLiteral(", "));
    return QStringLiteral("Insert Into ") + db::bracket(table) + QStringLiteral(" (") + columns + QStringLiteral(") Values (")
         + marks + QLatin1Char(')');
}

} // namespace zel
