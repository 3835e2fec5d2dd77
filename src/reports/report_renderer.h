#pragma once

#include "reports/report_page.h"

#include <QString>

class QPainter;

namespace zel::reports {

// Draws a page with the painter, whose device has `dotsPerInch`; `scale` enlarges it further
// (for a zoomed preview).
void renderPage(QPainter &painter, const Page &page, double dotsPerInch, double scale = 1.0);

// Writes the document as a PDF file. Returns false with `error` set when the file cannot be written.
bool writePdf(const Document &document, const QString &path, QString *error = nullptr);

} // namespace zel::reports
