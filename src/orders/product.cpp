#include "orders/product.h"

#include "db/record_map.h"

namespace zel {

const RecordMap<Product> &Product::map()
{
    static const RecordMap<Product> map(QStringLiteral("Products"), {
        field("Products Campaign Year", &Product::campaignYear),
        field("Products Campaign Number", &Product::campaignNumber),
        field("Products Catalog Number", &Product::catalogNumber),
        field("Products Page", &Product::page),
        field("Products Description", &Product::description),
        field("Products Shade Color Fragrance", &Product::shade),
        field("Products Size", &Product::size),
        field("Products Notes", &Product::notes),
        field("Products Tax1", &Product::tax1),
        field("Products Tax2", &Product::tax2),
        field("Products Quanity On Hand", &Product::quantityOnHand),
        field("Products Last Price", &Product::lastPrice),
        field("Products Reg Price", &Product::regPrice),
        field("Products Special Price", &Product::specialPrice),
        field("Products Earnings Flag", &Product::earningsFlag),
        field("Products Delete Flag", &Product::deleteFlag),
        field("Products Baseline Update", &Product::baselineUpdate),
    });
    return map;
}

Product Product::fromRecord(const RecordSet &record)
{
    return map().read(record);
}

QVariantList Product::values() const
{
    return map().values(*this);
}

QString Product::columnList()
{
    return map().columnList();
}

QString Product::placeholders()
{
    return map().placeholders();
}

QString Product::insertSql()
{
    return map().insertSql(QStringLiteral("Products"));
}

} // namespace zel
