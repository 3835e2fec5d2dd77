#include "transmit/transmit_print.h"

#include "reports/page_setup.h"
#include "reports/report_fonts.h"
#include "reports/tabular_layout.h"
#include "session/app_state.h"

namespace zel::transmit {

reports::Document layOutTransmitList(AppState &state, int year, int campaign)
{
    using reports::TabularLayout;
    using Format = TabularLayout::Format;
    const cOption &o = state.options;
    TabularLayout table(reports::PageSetup::fromOptions(o.PaperType, QString(), QString()));
    table.font(reports::reportFont(state.settings, QStringLiteral("rptOrderTransmit"), table.definition().font))
        .source(QStringLiteral("Select *, Case When [Transmit] <> 0 Then 'Yes' Else 'No' End As [SendText] "
                               "From [rptOrderTransmit] Order By [WebPageNo], [WebSeq]"))
        .title(QStringLiteral("Web Submission"))
        .subtitle(QStringLiteral("Year : ") + QString::number(year))
        .subtitle(QStringLiteral("Campaign : ") + QString::number(campaign))
        .column(QStringLiteral("SendText"), QStringLiteral("Send"), 34)
        .column(QStringLiteral("WebPageNo"), QStringLiteral("Web Page"), 40, Format::Number)
        .column(QStringLiteral("Orders From Campaign"), QStringLiteral("From"), 34, Format::Number)
        .column(QStringLiteral("Orders Page"), QStringLiteral("Page"), 36)
        .column(QStringLiteral("Orders Catalog Number"), QStringLiteral("Product #"), 62)
        .column(QStringLiteral("SumOfOrders Quanity"), QStringLiteral("Qty"), 34, Format::Number, true)
        .column(QStringLiteral("Orders Product"), QStringLiteral("Product"), 150)
        .column(QStringLiteral("ProductStatus"), QStringLiteral("Status"), 150)
        .grandTotal(QStringLiteral("Total"))
        .footerNote(o.RepName);
    return table.layOut(state.data, QStringLiteral("Web Submission"));
}

} // namespace zel::transmit
