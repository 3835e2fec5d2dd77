#include "reports/glance/glance_report.h"

#include "reports/glance/campaign_glance.h"
#include "reports/page_setup.h"
#include "session/app_state.h"

#include <algorithm>

namespace zel::reports {

namespace {

const QString kYear = QStringLiteral("GlanceYear");
const QString kNumber = QStringLiteral("GlanceNumber");

// Writes lines down the page, starting a new page when the next would not fit.
class PageWriter
{
public:
    PageWriter(const PageSetup &setup, Document &document) : m_setup(setup), m_document(document) { startPage(); }

    double width() const { return m_setup.contentWidth(); }
    double left() const { return m_setup.left; }
    double y() const { return m_y; }
    Page &page() { return m_page; }

    // Room for `height` points, on a new page when this one is full.
    void need(double height)
    {
        if (m_y + height > m_setup.contentBottom())
            finishPage(), startPage();
    }
    void text(const QString &text, const ReportFont &font, double indent = 0, double valueAt = 0, const QString &value = {})
    {
        const double height = font.pointSize * 1.45;
        need(height);
        m_page.items.push_back(TextItem{QRectF(left() + indent, m_y, (valueAt > 0 ? valueAt : width()) - indent, height), text, font});
        if (!value.isEmpty())
            m_page.items.push_back(
                TextItem{QRectF(left() + valueAt, m_y, width() - valueAt, height), value, font, int(Qt::AlignLeft | Qt::AlignTop)});
        m_y += height;
    }
    void skip(double points) { m_y += points; }
    void finish() { finishPage(); }

private:
    void startPage()
    {
        m_page = Page{m_setup.size, {}};
        m_y = m_setup.top;
    }
    void finishPage()
    {
        const int number = int(m_document.pages.size()) + 1;
        m_page.items.push_back(TextItem{QRectF(left(), m_setup.contentBottom() + 8, width(), 14),
                                        QStringLiteral("Page %1").arg(number), ReportFont{QStringLiteral("Liberation Sans"), 8},
                                        int(Qt::AlignRight | Qt::AlignTop)});
        m_document.pages.push_back(m_page);
    }

    PageSetup m_setup;
    Document &m_document;
    Page m_page;
    double m_y = 0;
};

ReportFont font(double size, bool bold = false)
{
    ReportFont f{QStringLiteral("Liberation Sans"), size};
    f.bold = bold;
    return f;
}

QString shortName(const CampaignSales &bar)
{
    return QStringLiteral("C%1/%2").arg(bar.campaign.number).arg(bar.campaign.year);
}

// Eight bars, each with its sales above and her earnings below its campaign.
void drawChart(PageWriter &writer, const CampaignGlance &glance)
{
    const double chartHeight = 150;
    const double labels = 30;
    writer.need(chartHeight + labels + 20);
    const double top = writer.y() + 14;
    const double base = top + chartHeight;
    Currency highest;
    for (const CampaignSales &bar : glance.sales)
        highest = std::max(highest, bar.sales);
    const double slot = writer.width() / double(glance.sales.size());
    Page &page = writer.page();
    page.items.push_back(LineItem{QLineF(writer.left(), base, writer.left() + writer.width(), base)});
    for (size_t i = 0; i < glance.sales.size(); ++i) {
        const CampaignSales &bar = glance.sales[i];
        const double share = highest > Currency() ? std::max(0.0, bar.sales.toDouble() / highest.toDouble()) : 0.0;
        const double height = share * (chartHeight - 14);
        const double x = writer.left() + slot * double(i);
        const QColor fill = bar.yearAgo ? QColor(190, 190, 190) : i + 1 == glance.sales.size() ? QColor(70, 110, 170) : QColor(150, 175, 210);
        page.items.push_back(BoxItem{QRectF(x + slot * 0.15, base - height, slot * 0.7, height), fill, Qt::black, 0.5});
        page.items.push_back(TextItem{QRectF(x, base - height - 12, slot, 12), bar.sales.toCurrencyText(), font(7), int(Qt::AlignHCenter | Qt::AlignBottom)});
        page.items.push_back(TextItem{QRectF(x, base + 2, slot, 11), shortName(bar) + (bar.yearAgo ? QStringLiteral(" *") : QString()),
                                      font(7, true), int(Qt::AlignHCenter | Qt::AlignTop)});
        page.items.push_back(TextItem{QRectF(x, base + 13, slot, 11), QStringLiteral("earned ") + bar.earnings.toCurrencyText(),
                                      font(7), int(Qt::AlignHCenter | Qt::AlignTop)});
    }
    writer.skip(chartHeight + labels + 14);
    writer.text(QStringLiteral("* the same campaign a year ago"), font(7));
}

void section(PageWriter &writer, const QString &heading)
{
    writer.skip(8);
    writer.need(40); // a heading never ends a page
    writer.text(heading, font(11, true));
}

void writeLists(PageWriter &writer, const CampaignGlance &glance)
{
    const ReportFont body = font(9);
    section(writer, QStringLiteral("Orders not paid"));
    if (glance.unpaidOrders.empty())
        writer.text(QStringLiteral("None"), body, 12);
    for (const UnpaidOrder &order : glance.unpaidOrders)
        writer.text(QStringLiteral("%1 (%2), order %3").arg(order.name).arg(order.customer).arg(order.order), body, 12, 260,
                    QStringLiteral("%1 owing of %2").arg(order.owing.toCurrencyText(), order.total.toCurrencyText()));
    section(writer, QStringLiteral("Dates in the next %1 days").arg(CampaignGlance::kDateDays));
    if (glance.dates.empty())
        writer.text(QStringLiteral("None"), body, 12);
    for (const ComingDate &date : glance.dates)
        writer.text(date.day.toString(QStringLiteral("MM/dd/yyyy")), body, 12, 90,
                    QStringLiteral("%1 - %2 (%3)").arg(date.description, date.name).arg(date.customer));
    section(writer, QStringLiteral("No order in the last %1 campaigns").arg(CampaignGlance::kCallBackCampaigns));
    if (glance.callBack.empty())
        writer.text(QStringLiteral("None"), body, 12);
    for (const CallBackCustomer &customer : glance.callBack)
        writer.text(QStringLiteral("%1 (%2)").arg(customer.name).arg(customer.customer), body, 12, 260,
                    QStringLiteral("last order: ") + customer.lastOrder);
    section(writer, QStringLiteral("Products short this campaign"));
    if (glance.shortProducts.empty())
        writer.text(QStringLiteral("None"), body, 12);
    for (const ShortProduct &product : glance.shortProducts)
        writer.text(product.catalogNumber, body, 12, 90, QStringLiteral("%1 (%2 lines)").arg(product.description).arg(product.lines));
    section(writer, QStringLiteral("Products out of stock"));
    if (glance.outOfStock.empty())
        writer.text(QStringLiteral("None"), body, 12);
    for (const ShortProduct &product : glance.outOfStock)
        writer.text(product.catalogNumber, body, 12, 90, product.description);
}

} // namespace

std::optional<QString> GlanceReport::prepare(AppState &, const ReportParameters &parameters) const
{
    if (parameters.campaign.year <= 0 || parameters.campaign.number <= 0)
        return QStringLiteral("Please select a Year and Number.");
    return std::nullopt;
}

ReportRequest GlanceReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = ReportRequest::common(state, layoutNames()[0], parameters.view);
    request.set(kYear, parameters.campaign.year);
    request.set(kNumber, parameters.campaign.number);
    return request;
}

Document GlanceReport::layOut(AppState &state, const ReportRequest &request) const
{
    const Campaign campaign{request.value(kYear).toInt(), request.value(kNumber).toInt()};
    const std::optional<CampaignGlance> glance = glanceAt(state, campaign, state.now().date());
    if (!glance)
        return Document{title(), {}};
    return pages(state, *glance);
}

Document GlanceReport::pages(AppState &state, const CampaignGlance &glance)
{
    Document document{QStringLiteral("Campaign at a glance"), {}};
    PageWriter writer(PageSetup::fromOptions(state.options.PaperType, QString(), QString()), document);
    writer.text(QStringLiteral("Campaign at a Glance"), font(16, true));
    writer.text(QStringLiteral("%1 - as of %2 - %3")
                    .arg(glanceCampaignName(glance.campaign), glance.today.toString(QStringLiteral("MM/dd/yyyy")), state.options.RepName),
                font(10));
    drawChart(writer, glance);
    section(writer, QStringLiteral("Figures"));
    for (const auto &[label, value] : glance.figures())
        writer.text(label, font(9), 12, 250, value);
    writeLists(writer, glance);
    writer.finish();
    return document;
}

} // namespace zel::reports
