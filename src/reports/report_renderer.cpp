#include "reports/report_renderer.h"

#include "reports/report_fonts.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace zel::reports {

namespace {

constexpr double kPictureDotsPerInch = 300;

// Draws the text as a picture of itself: the way to put colour emoji, which exist only as
// bitmaps, into a PDF. Sharp enough for print at 300 dots per inch.
void drawTextAsPicture(QPainter &painter, const QRectF &rect, int alignment, const QString &text, const QFont &font,
                       const QColor &color)
{
    const double k = kPictureDotsPerInch / 72.0;
    QImage picture((rect.size() * k).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    // The picture measures fonts as the page does, so the text breaks and aligns the same way.
    const int dotsPerMeter = qRound(painter.device()->logicalDpiX() / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(Qt::transparent);
    QPainter inner(&picture);
    inner.setRenderHint(QPainter::Antialiasing);
    inner.scale(k, k);
    inner.setFont(font);
    inner.setPen(color);
    inner.drawText(QRectF(QPointF(0, 0), rect.size()), alignment, text);
    inner.end();
    painter.drawImage(rect, picture);
}

void drawText(QPainter &painter, const QRectF &rect, int alignment, const QString &text, const QFont &font,
              const QColor &color)
{
    // The screen draws colour glyphs itself; a PDF or printer would leave them out.
    const bool vectorDevice = painter.paintEngine() && painter.paintEngine()->type() != QPaintEngine::Raster;
    const bool asPicture = vectorDevice && needsBitmapGlyphs(text, font);
    painter.setFont(font);
    // Under a picture the text is still written, unseen, so it can be searched and copied.
    painter.setPen(asPicture ? QColor(Qt::transparent) : color);
    painter.drawText(rect, alignment, text);
    if (asPicture)
        drawTextAsPicture(painter, rect, alignment, text, font, color);
}

} // namespace

void renderPage(QPainter &painter, const Page &page, double dotsPerInch, double scale)
{
    const double s = dotsPerInch / 72.0 * scale;
    painter.save();
    painter.scale(s, s);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PageItem &item : page.items) {
        if (const auto *text = std::get_if<TextItem>(&item)) {
            ReportFont font = text->font;
            // The painter's scale already enlarges the glyphs; the font is given in points at 72 dpi.
            font.pointSize = text->font.pointSize * 72.0 / dotsPerInch / scale;
            const QFont qfont = toQFont(font);
            if (text->rotation != 0) {
                painter.save();
                painter.translate(text->rect.center());
                painter.rotate(text->rotation);
                drawText(painter, text->rect.translated(-text->rect.center()), text->alignment, text->text, qfont,
                         text->font.color);
                painter.restore();
            } else {
                drawText(painter, text->rect, text->alignment, text->text, qfont, text->font.color);
            }
        } else if (const auto *line = std::get_if<LineItem>(&item)) {
            painter.setPen(QPen(line->color, line->width));
            painter.drawLine(line->line);
        } else if (const auto *box = std::get_if<BoxItem>(&item)) {
            painter.setPen(box->border.alpha() ? QPen(box->border, box->width) : QPen(Qt::NoPen));
            painter.setBrush(box->fill);
            painter.drawRect(box->rect);
            painter.setBrush(Qt::NoBrush);
        } else if (const auto *image = std::get_if<ImageItem>(&item)) {
            painter.setOpacity(image->opacity);
            painter.drawImage(image->rect, image->image);
            painter.setOpacity(1.0);
        }
    }
    painter.restore();
}

bool writePdf(const Document &document, const QString &path, QString *error)
{
    if (document.pages.empty()) {
        if (error)
            *error = QStringLiteral("There is nothing to print.");
        return false;
    }
    // Written whole under a temporary name and renamed at the end: an interrupted print never
    // leaves half a PDF under the chosen name, nor spoils the one that was there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(72);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("ZEL Customer Management System"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        for (size_t i = 0; i < document.pages.size(); ++i) {
            const Page &page = document.pages[i];
            writer.setPageSize(QPageSize(page.size, QPageSize::Point));
            if (i == 0) {
                if (!painter.begin(&writer)) {
                    if (error)
                        *error = QStringLiteral("The PDF file could not be started.");
                    file.cancelWriting();
                    return false;
                }
            } else {
                writer.newPage();
            }
            renderPage(painter, page, writer.resolution());
        }
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zel::reports
