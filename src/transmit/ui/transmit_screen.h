#pragma once

#include "shell/ui/screen_base.h"
#include "transmit/valid_campaigns.h"

#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zel {

class RecordGridView;

namespace transmit {
class MacroBrowser;
struct BrowserOptions;
class TransmitList;
struct TransmitCountry;
struct TransmitRow;
} // namespace transmit

template <class Record>
class RecordGridModel;

// Zel_Transmit: one country's web submission. Opening it checks and pages the order summary
// (rptOrderSummary); the representative starts the browser, logs on, and sends one web page of
// products at a time.
class TransmitScreen : public ScreenBase
{
    Q_OBJECT
public:
    // `country` is "US", "AU" or "CA".
    TransmitScreen(AppState &state, const QString &country, QWidget *parent = nullptr);
    ~TransmitScreen() override;

    // The site the browser opens: ZEL.INI [WebSites] under the country's code, else the company's.
    QString site() const;
    // The browser for tests that drive the screen against their own site.
    transmit::MacroBrowser &browser() { return *m_browser; }
    // Another browser set-up (a headless one for tests); the running browser closes.
    void useBrowser(const transmit::BrowserOptions &options);
    void startBrowser();
    void submitPage();
    void toggleExceptions();
    void printList();
    void choosePage(int page);

protected:
    bool confirmClose() override;
    void finishClosing() override;

private:
    QWidget *buildTop();
    QWidget *buildPages();
    QWidget *buildButtons();
    void prepare();
    void showRows();
    void addOnChanged();
    int chosenPage() const;

    const transmit::TransmitCountry &m_country;
    transmit::ValidCampaigns m_valid;
    std::unique_ptr<transmit::TransmitList> m_list;
    std::unique_ptr<transmit::MacroBrowser> m_browser;
    RecordGridModel<transmit::TransmitRow> *m_model = nullptr;
    RecordGridView *m_grid = nullptr;
    QCheckBox *m_addOn = nullptr;
    QLabel *m_addOnNote = nullptr;
    QListWidget *m_pages = nullptr;
    QPushButton *m_submit = nullptr;
    QPushButton *m_exceptions = nullptr;
    bool m_exceptionsOnly = false;
};

} // namespace zel
