#include "orders/product.h"

#include "db/schema.h"
#include "shell/record_set.h"

namespace zel {

namespace {

QString fit(const char *column, const QString &value)
{
    static const db::TableDef *products = db::findTable(QStringLiteral("Products"));
    return db::fitToField(*products->field(QString::fromLatin1(column)), value);
}

QVariant flag(bool on)
{
    return on ? -1 : 0;
}

} // namespace

Product Product::fromRecord(const RecordSet &r)
{
    const auto text = [&](const char *column) { return r.value(QString::fromLatin1(column)).toString(); };
    const auto money = [&](const char *column) { return Currency::fromDouble(r.value(QString::fromLatin1(column)).toDouble()); };
    Product p;
    p.campaignYear = r.value(QStringLiteral("Products Campaign Year")).toInt();
    p.campaignNumber = r.value(QStringLiteral("Products Campaign Number")).toInt();
    p.catalogNumber = text("Products Catalog Number");
    p.page = text("Products Page");
    p.description = text("Products Description");
    p.shade = text("Products Shade Color Fragrance");
    p.size = text("Products Size");
    p.notes = text("Products Notes");
    p.tax1 = r.value(QStringLiteral("Products Tax1")).toInt() != 0;
    p.tax2 = r.value(QStringLiteral("Products Tax2")).toInt() != 0;
    p.quantityOnHand = r.value(QStringLiteral("Products Quanity On Hand")).toInt();
    p.lastPrice = money("Products Last Price");
    p.regPrice = money("Products Reg Price");
    p.specialPrice = money("Products Special Price");
    p.earningsFlag = text("Products Earnings Flag");
    p.deleteFlag = r.value(QStringLiteral("Products Delete Flag")).toInt() != 0;
    p.baselineUpdate = text("Products Baseline Update");
    return p;
}

QVariantList Product::values() const
{
    return {campaignYear, campaignNumber, fit("Products Catalog Number", catalogNumber), fit("Products Page", page),
            fit("Products Description", description), fit("Products Shade Color Fragrance", shade),
            fit("Products Size", size), fit("Products Notes", notes), flag(tax1), flag(tax2), quantityOnHand,
            lastPrice.toDouble(), regPrice.toDouble(), specialPrice.toDouble(), fit("Products Earnings Flag", earningsFlag),
            flag(deleteFlag), fit("Products Baseline Update", baselineUpdate)};
}

QString Product::columnList()
{
    return QStringLiteral("[Products Campaign Year], [Products Campaign Number], [Products Catalog Number], [Products Page], "
                          "[Products Description], [Products Shade Color Fragrance], [Products Size], [Products Notes], "
                          "[Products Tax1], [Products Tax2], [Products Quanity On Hand], [Products Last Price], "
                          "[Products Reg Price], [Products Special Price], [Products Earnings Flag], [Products Delete Flag], "
                          "[Products Baseline Update]");
}

QString Product::placeholders()
{
    return QStringLiteral("?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?");
}

} // namespace zel
