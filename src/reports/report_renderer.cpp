#include "reports/report_renderer.h"

#include "reports/report_fonts.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace zel::reports {

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
            QFont qfont = toQFont(font);
            painter.setFont(qfont);
            painter.setPen(text->font.color);
            if (text->rotation != 0) {
                painter.save();
                painter.translate(text->rect.center());
                painter.rotate(text->rotation);
                painter.drawText(text->rect.translated(-text->rect.center()), text->alignment, text->text);
                painter.restore();
            } else {
                painter.drawText(text->rect, text->alignment, text->text);
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
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        if (error)
            *error = probe.errorString();
        return false;
    }
    probe.close();
    QPdfWriter writer(path);
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
                return false;
            }
        } else {
            writer.newPage();
        }
        renderPage(painter, page, writer.resolution());
    }
    painter.end();
    return true;
}

} // namespace zel::reports
