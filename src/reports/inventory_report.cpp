#include "reports/inventory_report.h"

#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Inventory Report");
const QString kStock = QStringLiteral("rptInventory1");
const QString kStockShort = QStringLiteral("rptInventory1s");
const QString kSoldLayout = QStringLiteral("rptInventory2");
const QString kSoldShort = QStringLiteral("rptInventory2s");

bool isSoldLayout(const QString &layout)
{
    return layout.startsWith(kSoldLayout);
}

bool isShortLayout(const QString &layout)
{
    return layout.endsWith(QLatin1Char('s'));
}

void addStockColumns(TabularLayout &table, bool withProduct)
{
    using Format = TabularLayout::Format;
    if (withProduct)
        table.column(QStringLiteral("Inventory Catalog Number"), QStringLiteral("Product"), 60)
            .column(QStringLiteral("FullProduct"), QStringLiteral("Description"), 160);
    table.column(QStringLiteral("Inventory Category"), QStringLiteral("Category"), withProduct ? 70 : 110)
        .column(QStringLiteral("Inventory Storage Location"), QStringLiteral("Location"), withProduct ? 70 : 110)
        .column(QStringLiteral("Inventory Qty"), QStringLiteral("In Stock"), 50, Format::Number, true)
        .column(QStringLiteral("Inventory Price"), QStringLiteral("Price"), 60, Format::Money)
        .column(QStringLiteral("TotalPrice"), QStringLiteral("Total"), 70, Format::Money, true);
}

void addSoldColumns(TabularLayout &table, bool withProduct)
{
    using Format = TabularLayout::Format;
    if (withProduct)
        table.column(QStringLiteral("Inventory Catalog Number"), QStringLiteral("Product"), 60)
            .column(QStringLiteral("FullProduct"), QStringLiteral("Description"), 140);
    table.column(QStringLiteral("Inventory Sold To Name"), QStringLiteral("Sold To"), withProduct ? 110 : 170)
        .column(QStringLiteral("SoldCampaign"), QStringLiteral("Campaign"), withProduct ? 60 : 90)
        .column(QStringLiteral("Inventory Sold To Qty"), QStringLiteral("Sold"), 40, Format::Number, true)
        .column(QStringLiteral("Inventory Price"), QStringLiteral("Price"), 60, Format::Money)
        .column(QStringLiteral("SoldPrice"), QStringLiteral("Total"), 70, Format::Money, true);
}

} // namespace

const QString InventoryReport::kSold = QStringLiteral("Sold");
const QString InventoryReport::kFromInventoryScreen = QStringLiteral("FromInventoryScreen");

QStringList InventoryReport::layoutNames() const
{
    return {kStock, kStockShort, kSoldLayout, kSoldShort};
}

std::vector<ReportChoice> InventoryReport::choices() const
{
    return {ReportChoice::flagged(QStringLiteral("--sold"), kSold)};
}

std::optional<QString> InventoryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    const bool sold = parameters.choices.value(kSold).toBool();
    const QString which = sold ? QStringLiteral("Where [Inventory Sold To Qty] > 0 ") : QStringLiteral("Where [Inventory Qty] > 0 ");
    if (!data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptInventory]"))
        || !data.exec(kProcedure,
                      QStringLiteral("Create Table [rptInventory] As Select *, Replace(Trim(Trim(Coalesce([Inventory Description], '')) || ' ' || "
                                     "Trim(Coalesce([Inventory Shade Color Fragrance], '')) || ' ' || Trim(Coalesce([Inventory Size], ''))), "
                                     "'  ', ' ') As [FullProduct], ([Inventory Qty] * [Inventory Price]) As [TotalPrice], "
                                     "([Inventory Sold To Qty] * [Inventory Price]) As [SoldPrice], "
                                     "[Inventory Sold to Campaign Number] || ' / ' || [Inventory Sold To Campaign Year] As [SoldCampaign] "
                                     "From Inventory ")
                          + which))
        return QStringLiteral("The inventory report could not be prepared.");
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From [rptInventory]")) == 0)
        return parameters.choices.value(kFromInventoryScreen).toBool() ? QStringLiteral("No Inventory Found.")
                                                                       : QStringLiteral("No products on hand.");
    return std::nullopt;
}

ReportRequest InventoryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const bool sold = parameters.choices.value(kSold).toBool();
    const QString layout = sold ? (parameters.shortLayout ? kSoldShort : kSoldLayout)
                                : (parameters.shortLayout ? kStockShort : kStock);
    ReportRequest request = ReportRequest::common(state, layout, parameters.view);
    request.set(QStringLiteral("Title1"), sold ? QStringLiteral("Inventory Sold") : QStringLiteral("Inventory On Hand"));
    request.set(QStringLiteral("OrderBy"), sold ? QStringLiteral(" Order By [Inventory Catalog Number], [Inventory Sold To Campaign Year], "
                                                                 "[Inventory Sold to Campaign Number], [Inventory Sold To Name] ")
                                                : QStringLiteral(" Order By [Inventory Catalog Number], [Inventory Storage Location] "));
    return request;
}

Document InventoryReport::layOut(AppState &state, const ReportRequest &request) const
{
    const QString layout = request.text(QStringLiteral("ReportName"));
    const bool grouped = !isShortLayout(layout);
    TabularLayout table(PageSetup::fromOptions(state.options.PaperType, QString(), QString()));
    table.font(reportFont(state.settings, layout, table.definition().font))
        .source(QStringLiteral("Select *, [Inventory Catalog Number] || ' - ' || [FullProduct] As [ProductName] From [rptInventory] ")
                + request.text(QStringLiteral("OrderBy")))
        .title(request.text(QStringLiteral("Title1")))
        .footerNote(state.options.RepName);
    if (grouped)
        table.groupBy(QStringLiteral("ProductName"), QStringLiteral("%1"), QStringLiteral("Total %1"));
    if (isSoldLayout(layout))
        addSoldColumns(table, !grouped);
    else
        addStockColumns(table, !grouped);
    table.grandTotal(QStringLiteral("Total of all products"));
    return table.layOut(state.data, request.text(QStringLiteral("Title1")));
}

} // namespace zel::reports
