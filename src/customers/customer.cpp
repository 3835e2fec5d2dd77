#include "customers/customer.h"

#include "db/record_map.h"
#include "shell/data_access.h"

namespace zel::customers {

namespace {

using C = Customer;

// Points and comments are arrays; the map needs a member pointer per column, so they are read and
// written beside it.
const RecordMap<Customer> &customerMap()
{
    static const RecordMap<Customer> map(QStringLiteral("Customers"), {
        field("Customers Number", &C::number),
        field("Customers Status", &C::status),
        field("Customers First Name", &C::firstName),
        field("Customers Last Name", &C::lastName),
        field("Customers House Number", &C::houseNumber),
        field("Customers Address", &C::address),
        field("Customers City", &C::city),
        field("Customers State", &C::state),
        field("Customers Zip Code", &C::zipCode),
        field("Customers Country 1", &C::country),
        field("Customers House Number 2", &C::houseNumber2),
        field("Customers Address 2", &C::address2),
        field("Customers City 2", &C::city2),
        field("Customers State 2", &C::state2),
        field("Customers Zip Code 2", &C::zipCode2),
        field("Customers Country 2", &C::country2),
        field("Customers Phone 1", &C::phone1),
        field("Customers Phone 2", &C::phone2),
        field("Customers Phone 3", &C::phone3),
        field("Customers Email", &C::email),
        field("Customers Discount Percent", &C::discountPercent),
        field("Customers Number Of Books", &C::numberOfBooks),
        field("Customers Brochure Type", &C::brochureType),
        field("Customers Brochure Status", &C::brochureStatus),
        field("Customers Delivery Payment Comments", &C::deliveryPaymentComments),
        field("Customers Delivery Date", &C::deliveryDate),
        field("Customers Delivery Time", &C::deliveryTime),
        field("Customers Delivery Pickup Message", &C::deliveryPickupMessage),
        field("Customers Business Helper", &C::helperName),
        field("Customers Business Helper Flag", &C::helperFlag),
        field("Customers Business Helper Number", &C::helperNumber),
        field("Customers Business Helper Percent", &C::helperPercent),
        field("Customers Business Helper Invoice Detail", &C::helperInvoiceDetail),
        field("Customers Business Helper Use Discounted Total", &C::helperUseDiscountedTotal),
        field("Customers Area", &C::area),
        field("Customers Label Flag", &C::labelFlag),
        field("Customers Label Flag 2", &C::labelFlag2),
        field("Customers Processing Charge", &C::processingCharge),
        field("Customers Supplies", &C::supplies),
        field("Customers Discount As Line", &C::discountAsLine),
        field("Customers Referred By", &C::referredBy),
        field("Customers CC Number", &C::ccNumber),
        field("Customers CC Date", &C::ccDate),
        field("Customers CC Name", &C::ccName),
        field("Customers Tax Rate 1", &C::taxRate1),
        field("Customers Tax Rate 2", &C::taxRate2),
        field("Customers Since Date", &C::sinceDate),
        field("Customers Tax Exempt", &C::taxExempt),
        field("Customers Delivered", &C::delivered),
        field("Customers Gender", &C::gender),
        field("Customers Language", &C::language),
    });
    return map;
}

QString commentColumn(int i)
{
    return QStringLiteral("Customers Comments%1").arg(i);
}
QString pointsColumn(int i)
{
    return QStringLiteral("Customers Points%1").arg(i + 1);
}

QStringList arrayColumns()
{
    QStringList columns;
    for (int i = 0; i < 5; ++i)
        columns << commentColumn(i);
    for (int i = 0; i < 9; ++i)
        columns << pointsColumn(i);
    return columns;
}

} // namespace

std::optional<Customer> loadCustomer(cDataAccess &data, int number)
{
    data.setSQL(QStringLiteral("Select * From Customers Where [Customers Number] = ? "), {number});
    RecordSet row = data.GetSnapShot(QStringLiteral("loadCustomer"));
    if (!row.next())
        return std::nullopt;
    Customer customer = customerMap().read(row);
    for (int i = 0; i < 5; ++i)
        customer.comments[size_t(i)] = row.value(commentColumn(i)).toString();
    for (int i = 0; i < 9; ++i)
        customer.points[size_t(i)] = row.value(pointsColumn(i)).toInt();
    return customer;
}

bool saveCustomer(cDataAccess &data, const Customer &customer)
{
    static const QString sql = [] {
        const RecordMap<Customer> &map = customerMap();
        QStringList set = map.columns();
        set.removeAll(QStringLiteral("Customers Number"));
        return record::updateSql(QStringLiteral("Customers"), set + arrayColumns(), {QStringLiteral("Customers Number")});
    }();
    const RecordMap<Customer> &map = customerMap();
    QVariantList values = map.updateValues(customer, {QStringLiteral("Customers Number")});
    values.removeLast(); // the key goes after the array columns
    for (const QString &comment : customer.comments)
        values << comment.left(100);
    for (int points : customer.points)
        values << points;
    values << customer.number;
    return data.exec(QStringLiteral("saveCustomer"), sql, values);
}

} // namespace zel::customers
