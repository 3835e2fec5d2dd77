#include "reports/invoice_layout.h"

#include "core/campaign.h"
#include "core/currency.h"
#include "core/text.h"
#include "options/translations.h"
#include "reports/audience_texts.h"
#include "reports/banded_layout.h"
#include "reports/report_fonts.h"
#include "reports/report_request.h"
#include "session/app_state.h"

#include <QFileInfo>

#include <array>
#include <QLocale>

namespace zel::reports {

namespace {

// One row of rptOrders as the invoice shows it.
struct InvoiceLine
{
    QString flag;
    QString page;
    QString catalogNumber;
    QString product;
    int quantity = 0;
    int priceQuantity = 0;
    Currency unitPrice;
    Currency unitTotal;
    QString backOrderFlag;
};

// One order: its customer's block and its lines.
struct Invoice
{
    int customer = 0;
    int orderNumber = 0;
    Campaign campaign;
    QString name, address, csz, address2, csz2, phone1, phone2, email, area, helper;
    int brochures = 0;
    QDateTime enteredDate;
    QString deliveryDate, deliveryTime, pickupMessage, deliveryComments;
    QStringList orderComments, standingComments;
    std::array<int, 9> points{};
    translations::Audience audience;
    std::vector<InvoiceLine> lines;
};

std::vector<Invoice> readInvoices(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select * From [rptOrders] Order By SortKey"));
    RecordSet rows = data.GetSnapShot(QStringLiteral("Invoice"));
    std::vector<Invoice> invoices;
    QString lastBreak;
    while (rows.next()) {
        const auto text = [&](const QString &column) { return rows.value(column).toString().trimmed(); };
        const QString controlBreak = text(QStringLiteral("ControlBreak"));
        if (invoices.empty() || controlBreak != lastBreak) {
            lastBreak = controlBreak;
            Invoice invoice;
            invoice.customer = rows.value(QStringLiteral("Customers Number")).toInt();
            invoice.orderNumber = rows.value(QStringLiteral("Orders Order Number")).toInt();
            invoice.campaign = {rows.value(QStringLiteral("Orders Campaign Year")).toInt(),
                                rows.value(QStringLiteral("Orders Campaign Number")).toInt()};
            invoice.name = text(QStringLiteral("Customer Name"));
            invoice.address = text(QStringLiteral("Customer Address"));
            invoice.csz = text(QStringLiteral("Customer CSZ")).simplified();
            invoice.address2 = text(QStringLiteral("Customer Address 2"));
            invoice.csz2 = text(QStringLiteral("Customer CSZ 2")).simplified();
            invoice.phone1 = text(QStringLiteral("Customers Phone 1"));
            invoice.phone2 = text(QStringLiteral("Customers Phone 2"));
            invoice.email = text(QStringLiteral("Customers Email"));
            invoice.area = text(QStringLiteral("Customers Area"));
            invoice.helper = text(QStringLiteral("Customers Business Helper"));
            invoice.brochures = rows.value(QStringLiteral("Customers Number Of Books")).toInt();
            invoice.enteredDate = fromDbDateTime(rows.value(QStringLiteral("Orders Entered Date"))).value_or(QDateTime());
            invoice.deliveryDate = text(QStringLiteral("Customers Delivery Date")).left(10);
            invoice.deliveryTime = text(QStringLiteral("Customers Delivery Time")).mid(11, 5);
            invoice.pickupMessage = text(QStringLiteral("Customers Delivery Pickup Message"));
            invoice.deliveryComments = text(QStringLiteral("Customers Delivery Payment Comments"));
            for (int i = 0; i < 5; ++i) {
                invoice.orderComments << text(QStringLiteral("OrderComments%1").arg(i));
                invoice.standingComments << text(QStringLiteral("OrderCommentsAll%1").arg(i));
            }
            for (int i = 0; i < 9; ++i)
                invoice.points[size_t(i)] = rows.value(QStringLiteral("Customers Points%1").arg(i + 1)).toInt();
            invoice.orderComments.removeAll(QString());
            invoice.standingComments.removeAll(QString());
            invoice.audience.language = text(QStringLiteral("Customers Language"));
            invoice.audience.gender = text(QStringLiteral("Customers Gender"));
            if (invoice.audience.language.isEmpty())
                invoice.audience.language = QStringLiteral("English");
            invoices.push_back(invoice);
        }
        InvoiceLine line;
        line.flag = text(QStringLiteral("Orders Internal Flag")).toUpper();
        line.page = text(QStringLiteral("Orders Page"));
        line.catalogNumber = text(QStringLiteral("Orders Catalog Number"));
        line.product = rows.value(QStringLiteral("Product")).toString().simplified();
        line.quantity = rows.value(QStringLiteral("Orders Quanity")).toInt();
        line.priceQuantity = rows.value(QStringLiteral("Orders Price Quantity")).toInt();
        line.unitPrice = Currency::fromDouble(rows.value(QStringLiteral("Orders Unit Price")).toDouble());
        line.unitTotal = Currency::fromDouble(rows.value(QStringLiteral("Orders Unit Total")).toDouble());
        line.backOrderFlag = text(QStringLiteral("Orders BackOrder Flag"));
        invoices.back().lines.push_back(line);
    }
    return invoices;
}

// A date in the customer's date format ("mm/dd/yyyy" and the like).
QString formatDate(const QDate &date, const QString &pattern)
{
    QString qt = pattern;
    qt.replace(QLatin1String("mm"), QLatin1String("MM"));
    return date.toString(qt.isEmpty() ? QStringLiteral("MM/dd/yyyy") : qt);
}

QString amountText(const Currency &amount)
{
    return amount.format(u"###,###,##0.00");
}

// The fonts of the invoice's sections, from the report font settings.
struct InvoiceFonts
{
    ReportFont body, small, bold, title1, title2, customer, orderComments, standingComments, globalComments, points,
        thankYou, quantityAboveOne, negativeBalance, backOrder, negativePrice, productNumber, delivery, repName, heading;
};

InvoiceFonts fontsFor(const AppSettings &settings, const QString &layout, bool compact)
{
    ReportFont body;
    body.family = QStringLiteral("Times New Roman");
    body.pointSize = compact ? 8.5 : 10;
    const auto section = [&](int n, ReportFont fallback) {
        return reportFont(settings, layout + QStringLiteral("C%1").arg(n), fallback);
    };
    InvoiceFonts f;
    f.body = reportFont(settings, layout + QStringLiteral("C0"), body);
    f.small = f.body;
    f.small.pointSize = f.body.pointSize - 1.5;
    f.bold = f.body;
    f.bold.bold = true;
    ReportFont title = f.body;
    title.pointSize = f.body.pointSize + (compact ? 2 : 4);
    title.bold = true;
    f.title1 = section(6, title);
    f.title2 = section(7, f.bold);
    f.customer = section(14, f.bold);
    f.orderComments = section(1, f.body);
    f.standingComments = section(2, f.body);
    f.globalComments = section(3, f.body);
    f.points = section(4, f.body);
    ReportFont thanks = f.body;
    thanks.italic = true;
    f.thankYou = section(5, thanks);
    f.quantityAboveOne = section(8, f.body);
    f.negativeBalance = section(9, f.bold);
    f.backOrder = section(10, f.body);
    f.negativePrice = section(11, f.body);
    f.productNumber = section(12, f.body);
    f.delivery = section(13, f.body);
    f.repName = f.bold;
    f.repName.pointSize = f.body.pointSize + 2;
    f.heading = f.small;
    f.heading.bold = true;
    return f;
}

// Lays the invoices out on the banded engine.
class InvoiceWriter
{
public:
    InvoiceWriter(AppState &state, const ReportRequest &request)
        : m_state(state),
          m_request(request),
          m_compact(request.text(QStringLiteral("ReportName")) == QLatin1String("rptOrdersShort")),
          m_fonts(fontsFor(state.settings, request.text(QStringLiteral("ReportName")), m_compact)),
          m_layout(PageSetup::fromOptions(state.options.PaperType, state.options.PrintInvoiceTopMargin,
                                          state.options.PrintInvoiceBottomMargin)),
          m_audienceTexts(state.data)
    {
        const double w = m_layout.setup().contentWidth();
        m_pageX = 0;
        m_catalogX = w * 0.07;
        m_productX = w * 0.19;
        m_quantityX = w * 0.66;
        m_priceX = w * 0.76;
        m_totalX = w * 0.87;
        m_totalWidth = w - m_totalX;
    }

    Document write();

private:
    QString tr(int key, const QString &english) const { return m_texts->text(key, english); }
    void pageHeader(BandedLayout &layout);
    void representative(BandedLayout &layout);
    void customerBlock(BandedLayout &layout);
    void columnHeadings(BandedLayout &layout);
    void line(const InvoiceLine &line);
    void closing();
    void textLines(const QStringList &lines, const ReportFont &font);
    void watermark();
    void logo(bool header);
    QString quantityText(const InvoiceLine &line) const;
    QString dateText() const;

    AppState &m_state;
    const ReportRequest &m_request;
    bool m_compact;
    InvoiceFonts m_fonts;
    BandedLayout m_layout;
    const Invoice *m_invoice = nullptr;
    AudienceTexts m_audienceTexts;
    const translations::Translator *m_texts = nullptr;
    double m_pageX, m_catalogX, m_productX, m_quantityX, m_priceX, m_totalX, m_totalWidth;
};

QString InvoiceWriter::quantityText(const InvoiceLine &line) const
{
    const QString mode = m_request.text(QStringLiteral("QuantityPrint"));
    if (mode == QLatin1String("P"))
        return QString::number(line.priceQuantity);
    if (mode == QLatin1String("B"))
        return QStringLiteral("%1 / %2").arg(line.quantity).arg(line.priceQuantity);
    return QString::number(line.quantity);
}

QString InvoiceWriter::dateText() const
{
    const QString mode = m_request.text(QStringLiteral("PrintDateOnOrder"));
    if (mode == QLatin1String("N"))
        return {};
    QDate date = m_request.value(QStringLiteral("OrderDate")).toDate();
    if (mode != QLatin1String("C") && m_invoice->enteredDate.isValid())
        date = m_invoice->enteredDate.date();
    if (!date.isValid())
        date = QDate::currentDate();
    return formatDate(date, tr(1, QStringLiteral("mm/dd/yyyy")));
}

void InvoiceWriter::representative(BandedLayout &layout)
{
    const cOption &o = m_state.options;
    const double half = layout.setup().contentWidth() / 2;
    QStringList lines{o.RepAddress, o.RepCSZ, o.RepPhone};
    if (!m_compact)
        lines << o.Misc1 << o.Misc2 << o.Misc3;
    lines.removeAll(QString());
    const double lineHeight = BandedLayout::lineHeight(m_fonts.body);
    const double nameHeight = BandedLayout::lineHeight(m_fonts.repName);
    Band band = layout.band(nameHeight + lineHeight * (m_compact ? 1 : lines.size()) + 4);
    band.text(0, half, o.RepName, m_fonts.repName);
    if (m_compact)
        band.text(0, band.width(), lines.join(QStringLiteral("  ·  ")), m_fonts.small, Qt::AlignLeft, nameHeight);
    else
        for (int i = 0; i < lines.size(); ++i)
            band.text(0, half, lines[i], m_fonts.body, Qt::AlignLeft, nameHeight + i * lineHeight);
    const QString title1 = tr(6, o.OrdersTitle1);
    const QString title2 = tr(7, o.OrdersTitle2);
    band.text(half, half, title1, m_fonts.title1, Qt::AlignRight);
    band.text(half, half, title2, m_fonts.title2, Qt::AlignRight, BandedLayout::lineHeight(m_fonts.title1) + 2);
}

void InvoiceWriter::customerBlock(BandedLayout &layout)
{
    const Invoice &inv = *m_invoice;
    const double half = layout.setup().contentWidth() / 2;
    QStringList left{inv.name};
    const bool second = !inv.address2.trimmed().isEmpty() || !inv.csz2.trimmed().isEmpty();
    left << (second ? inv.address2 : inv.address) << (second ? inv.csz2 : inv.csz);
    if (!m_compact) {
        left << inv.phone1 << inv.phone2;
    }
    left.removeAll(QString());
    QStringList right;
    right << tr(36, QStringLiteral("Campaign")) + QStringLiteral(" %1 - %2").arg(inv.campaign.number).arg(inv.campaign.year);
    if (const QString date = dateText(); !date.isEmpty())
        right << date;
    if (m_request.flag(QStringLiteral("PrintCustomerNumberOnOrder")))
        right << tr(37, QStringLiteral("Customer Number")) + QStringLiteral(": %1").arg(inv.customer);
    if (m_request.flag(QStringLiteral("PrintReportingArea")) && !inv.area.isEmpty())
        right << tr(21, QStringLiteral("Area")) + QStringLiteral(": ") + inv.area;
    if (!m_request.flag(QStringLiteral("HideHelper")) && !inv.helper.isEmpty())
        right << QStringLiteral("Helper: ") + inv.helper;
    if (m_request.flag(QStringLiteral("PrintBrochureCount")))
        right << tr(35, QStringLiteral("Brochure Count")) + QStringLiteral(": %1").arg(inv.brochures);
    const double lineHeight = BandedLayout::lineHeight(m_fonts.customer);
    const int rows = int(qMax(left.size(), right.size()));
    Band band = layout.band(rows * lineHeight + 8);
    band.box(0, 0, band.width(), band.height() - 2, QColor(244, 240, 246));
    for (int i = 0; i < left.size(); ++i)
        band.text(6, half - 6, left[i], i == 0 ? m_fonts.customer : m_fonts.body, Qt::AlignLeft, 3 + i * lineHeight);
    for (int i = 0; i < right.size(); ++i)
        band.text(half, half - 6, right[i], m_fonts.body, Qt::AlignRight, 3 + i * lineHeight);
}

void InvoiceWriter::columnHeadings(BandedLayout &layout)
{
    const double h = BandedLayout::lineHeight(m_fonts.heading) + 4;
    Band band = layout.band(h);
    band.box(0, 0, band.width(), h, QColor(122, 38, 110));
    ReportFont white = m_fonts.heading;
    white.color = Qt::white;
    band.text(m_pageX + 2, m_catalogX - m_pageX, tr(22, QStringLiteral("Page")), white, Qt::AlignLeft, 2);
    band.text(m_catalogX, m_productX - m_catalogX, tr(23, QStringLiteral("Product #")), white, Qt::AlignLeft, 2);
    band.text(m_productX, m_quantityX - m_productX, tr(24, QStringLiteral("Product")), white, Qt::AlignLeft, 2);
    band.text(m_quantityX, m_priceX - m_quantityX - 4, tr(25, QStringLiteral("Qty")), white, Qt::AlignRight, 2);
    band.text(m_priceX, m_totalX - m_priceX - 4, tr(26, QStringLiteral("Price")), white, Qt::AlignRight, 2);
    band.text(m_totalX, m_totalWidth - 2, tr(27, QStringLiteral("Total")), white, Qt::AlignRight, 2);
}

void InvoiceWriter::pageHeader(BandedLayout &layout)
{
    if (!m_invoice)
        return;
    watermark();
    logo(true);
    representative(layout);
    customerBlock(layout);
    columnHeadings(layout);
    layout.skip(2);
}

void InvoiceWriter::line(const InvoiceLine &l)
{
    if (l.flag == QLatin1String("OPTIONS"))
        return;
    if (l.flag == QLatin1String("LINE")) {
        Band band = m_layout.band(6);
        band.line(m_totalX, m_totalX + m_totalWidth, 3);
        return;
    }
    const bool detail = l.flag == QLatin1String("DETAIL");
    ReportFont font = m_fonts.body;
    if (detail && !l.backOrderFlag.isEmpty())
        font = m_fonts.backOrder;
    else if (detail && l.unitTotal.isNegative())
        font = m_fonts.negativePrice;
    else if (detail && l.quantity > 1)
        font = m_fonts.quantityAboveOne;
    else if (!detail)
        font = m_fonts.bold;
    if (l.flag == QLatin1String("PAYMENT") && l.unitTotal.isNegative())
        font = m_fonts.negativeBalance;

    const double productWidth = (detail ? m_quantityX : m_totalX) - m_productX - 4;
    const double height = BandedLayout::textHeight(l.product, font, productWidth) + 2;
    Band band = m_layout.band(height);
    if (detail) {
        band.text(m_pageX + 2, m_catalogX - m_pageX - 2, l.page, m_fonts.small, Qt::AlignLeft, 1);
        band.text(m_catalogX, m_productX - m_catalogX, l.catalogNumber, m_fonts.productNumber, Qt::AlignLeft, 1);
        band.text(m_quantityX, m_priceX - m_quantityX - 4, quantityText(l), font, Qt::AlignRight, 1);
        band.text(m_priceX, m_totalX - m_priceX - 4, amountText(l.unitPrice), font, Qt::AlignRight, 1);
    }
    band.text(m_productX, productWidth, l.product, font, Qt::AlignLeft, 1);
    if (l.flag != QLatin1String("SAVINGS"))
        band.text(m_totalX, m_totalWidth - 2, amountText(l.unitTotal), font, Qt::AlignRight, 1);
}

void InvoiceWriter::textLines(const QStringList &lines, const ReportFont &font)
{
    for (const QString &text : lines) {
        if (text.trimmed().isEmpty())
            continue;
        const double h = BandedLayout::textHeight(text, font, m_layout.setup().contentWidth()) + 1;
        m_layout.band(h).text(0, m_layout.setup().contentWidth(), text, font);
    }
}

void InvoiceWriter::closing()
{
    const Invoice &inv = *m_invoice;
    const cOption &o = m_state.options;
    m_layout.skip(6);
    if (m_request.flag(QStringLiteral("PrintItemCount"))) {
        int items = 0;
        for (const InvoiceLine &l : inv.lines)
            if (l.flag == QLatin1String("DETAIL"))
                items += l.quantity;
        textLines({tr(34, QStringLiteral("Total Item Count")) + QStringLiteral(": %1").arg(items)}, m_fonts.bold);
    }
    if (m_request.flag(QStringLiteral("PrintDeliveryInfo"))) {
        QStringList delivery{inv.deliveryDate, inv.deliveryTime, inv.pickupMessage, inv.deliveryComments};
        delivery.removeAll(QString());
        if (!delivery.isEmpty())
            textLines({QStringLiteral("Delivery: ") + delivery.join(QStringLiteral("  "))}, m_fonts.delivery);
    }
    textLines(inv.orderComments, m_fonts.orderComments);
    textLines(inv.standingComments, m_fonts.standingComments);
    textLines({tr(13, o.Message0), tr(14, o.Message1), tr(15, o.Message2), tr(16, o.Message3), tr(17, o.Message4)},
              m_fonts.globalComments);
    // The points messages tell the customer her counts: "%%%%%" is the value.
    const QString *points[] = {&o.PointsMessage1, &o.PointsMessage2, &o.PointsMessage3, &o.PointsMessage4, &o.PointsMessage5,
                               &o.PointsMessage6, &o.PointsMessage7, &o.PointsMessage8, &o.PointsMessage9};
    QStringList pointLines;
    for (int i = 0; i < 9; ++i)
        if (!points[i]->trimmed().isEmpty())
            pointLines << tr(51 + i, *points[i]).replace(QLatin1String("%%%%%"), QString::number(inv.points[size_t(i)]));
    textLines(pointLines, m_fonts.points);
    if (!m_compact)
        textLines({tr(8, o.ThankYouMessage)}, m_fonts.thankYou);
}

void InvoiceWriter::watermark()
{
    if (m_compact)
        return;
    const QString file = m_request.text(QStringLiteral("WatermarkGraphicFile"));
    const QImage image = file.isEmpty() ? QImage() : QImage(file);
    if (image.isNull())
        return;
    const PageSetup &s = m_layout.setup();
    const QSizeF size = QSizeF(image.size()).scaled(QSizeF(s.contentWidth() * 0.7, s.size.height() * 0.5), Qt::KeepAspectRatio);
    Band band = m_layout.at((s.size.height() - size.height()) / 2, size.height());
    band.image((s.contentWidth() - size.width()) / 2, 0, size.width(), size.height(), image, 0.12);
}

void InvoiceWriter::logo(bool header)
{
    const QString file = m_request.text(QStringLiteral("ImageGraphicFile"));
    const bool wantsHeader = m_request.text(QStringLiteral("ImageLocation")) != QLatin1String("PF");
    const QImage image = file.isEmpty() ? QImage() : QImage(file);
    if (image.isNull() || header != wantsHeader)
        return;
    const double inch = 72;
    const PageSetup &s = m_layout.setup();
    const double top = m_request.value(QStringLiteral("ImageTop")).toDouble() * inch;
    const double left = m_request.value(QStringLiteral("ImageLeft")).toDouble() * inch;
    const double width = qMax(0.25, m_request.value(QStringLiteral("ImageWidth")).toDouble()) * inch;
    const double height = qMax(0.25, m_request.value(QStringLiteral("ImageHeight")).toDouble()) * inch;
    Band band = m_layout.at(header ? top : s.contentBottom() + top, height);
    band.image(left - s.left, 0, width, height, image);
}

Document InvoiceWriter::write()
{
    const std::vector<Invoice> invoices = readInvoices(m_state.data);
    if (!m_compact) {
        m_layout.setPageHeader([this](BandedLayout &layout) { pageHeader(layout); });
        m_layout.setPageFooter(BandedLayout::lineHeight(m_fonts.small) + 4, [this](Band &band) {
            band.line(0, band.width(), 0);
            band.text(0, band.width() / 2, m_state.options.RepName, m_fonts.small, Qt::AlignLeft, 3);
            band.text(band.width() / 2, band.width() / 2, QStringLiteral("{PAGELABEL} {PAGE} of {PAGES}"), m_fonts.small,
                      Qt::AlignRight, 3);
        });
    }
    for (const Invoice &invoice : invoices) {
        m_invoice = &invoice;
        m_texts = &m_audienceTexts(invoice.audience);
        if (m_compact) {
            // A short invoice stays whole on one page when it can.
            const double estimate = double(invoice.lines.size()) * (BandedLayout::lineHeight(m_fonts.body) + 2);
            m_layout.keepTogether(estimate + 120);
            representative(m_layout);
            customerBlock(m_layout);
            columnHeadings(m_layout);
        } else {
            m_layout.startGroup();
        }
        for (const InvoiceLine &l : invoice.lines)
            line(l);
        closing();
        if (m_compact) {
            m_layout.skip(6);
            Band cut = m_layout.band(10);
            cut.line(0, cut.width(), 5, 0.3);
        }
        m_layout.setPageLabel(tr(22, QStringLiteral("Page")));
    }
    return m_layout.finish(QStringLiteral("Customer Orders"));
}

} // namespace

Document layOutInvoices(AppState &state, const ReportRequest &request)
{
    return InvoiceWriter(state, request).write();
}

} // namespace zel::reports
