#pragma once

#include "reports/report_page.h"
#include "shell/ui/screen_base.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace zel {

class AppState;

namespace reports {

// The print preview: the laid-out pages on screen, to print, save as PDF or (for an invoice)
// send by e-mail. It opens where it was last closed.
class ReportPreview : public ScreenBase
{
    Q_OBJECT
public:
    ReportPreview(AppState &state, Document document, QWidget *parent = nullptr);

    // The file "Save as PDF" proposes (by default the title, beside the database).
    void setSuggestedPath(const QString &path) { m_suggestedPath = path; }
    // Where an invoice goes by e-mail; without an address the e-mail button is hidden.
    void setMail(const QString &address, const QString &subject, const QString &body);

    int pageCount() const { return int(m_document.pages.size()); }
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    bool savePdf(const QString &path);
    void print();

private:
    void render();
    void mail();

    Document m_document;
    double m_zoom = 1.0;
    QScrollArea *m_scroll;
    QWidget *m_pages;
    QVBoxLayout *m_pagesLayout;
    QPushButton *m_mailButton = nullptr;
    QString m_address, m_subject, m_body;
    QString m_suggestedPath;
};

// Shows a document as the request's "View" says: in the preview, or straight to the printer.
// `suggestedPath` is what "Save as PDF" proposes (empty: the title beside the database).
void showReport(AppState &state, const Document &document, bool view, QWidget *parent = nullptr,
                const QString &suggestedPath = {});

} // namespace reports
} // namespace zel
