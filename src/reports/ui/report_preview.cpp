#include "reports/ui/report_preview.h"

#include "core/prompter.h"
#include "reports/pdf_file_name.h"
#include "reports/report_renderer.h"
#include "reports/server/report_server.h"
#include "session/app_state.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zel::reports {

ReportPreview::ReportPreview(AppState &state, Document document, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_ReportPreview"), parent), m_document(std::move(document)), m_scroll(new QScrollArea(this)),
      m_pages(new QWidget), m_pagesLayout(new QVBoxLayout(m_pages))
{
    setWindowTitle(m_document.title.isEmpty() ? QStringLiteral("Print Preview") : m_document.title);
    auto *buttons = new QHBoxLayout;
    const auto add = [&](const QString &caption, auto slot) {
        auto *button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    add(QStringLiteral("&Print..."), [this] { print(); });
    add(QStringLiteral("Save as P&DF..."), [this] {
        const QString proposed = m_suggestedPath.isEmpty() ? suggestedPdfPath(this->state(), m_document.title) : m_suggestedPath;
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), proposed, QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty())
            savePdf(path);
    });
    m_mailButton = add(QStringLiteral("&E-mail..."), [this] { mail(); });
    m_mailButton->setVisible(false);
    add(QStringLiteral("Zoom &In"), [this] { setZoom(m_zoom * 1.25); });
    add(QStringLiteral("Zoom &Out"), [this] { setZoom(m_zoom / 1.25); });
    buttons->addStretch();
    add(QStringLiteral("&Close"), [this] { accept(); });

    m_pagesLayout->setAlignment(Qt::AlignHCenter);
    m_scroll->setWidget(m_pages);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll);
    resize(860, 900);
    setUpScreen();
    render();
}

void ReportPreview::setMail(const QString &address, const QString &subject, const QString &body)
{
    m_address = address;
    m_subject = subject;
    m_body = body;
    m_mailButton->setVisible(true);
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = qBound(0.25, zoom, 4.0);
    render();
}

void ReportPreview::render()
{
    while (QLayoutItem *item = m_pagesLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96;
    for (const Page &page : m_document.pages) {
        QImage image((page.size * dpi / 72.0 * m_zoom).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderPage(painter, page, dpi, m_zoom);
        painter.end();
        auto *label = new QLabel;
        label->setPixmap(QPixmap::fromImage(image));
        m_pagesLayout->addWidget(label);
    }
}

bool ReportPreview::savePdf(const QString &path)
{
    QString error;
    if (writePdf(m_document, path, &error))
        return true;
    state().prompter.information(QStringLiteral("The PDF file could not be written.\n\n") + error);
    return false;
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setFullPage(true);
    QPainter painter(&printer);
    for (size_t i = 0; i < m_document.pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        renderPage(painter, m_document.pages[i], printer.resolution());
    }
}

void ReportPreview::mail()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(folder).filePath(QStringLiteral("Invoice.pdf"));
    QFile::remove(path);
    if (!savePdf(path))
        return;
    if (!mailInvoice(m_address, m_subject, m_body, path))
        state().prompter.information(QStringLiteral("No e-mail program could be started.  The invoice was saved as ") + path
                                     + QLatin1Char('.'));
}

void showReport(AppState &state, const Document &document, bool view, QWidget *parent, const QString &suggestedPath)
{
    ReportPreview preview(state, document, parent);
    preview.setSuggestedPath(suggestedPath);
    if (view)
        preview.exec();
    else
        preview.print();
}

} // namespace zel::reports
