#pragma once

#include <QDialog>

class QTextBrowser;

namespace zel {

class AppSettings;

// Zel_Help: the user manual in the program's own window, so help works without a web browser.
// It stays open beside the main menu until closed.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(const AppSettings &settings, QWidget *parent = nullptr);

    // Shows the manual file at `path`; returns false, showing nothing new, when it cannot be read.
    bool openManual(const QString &path);

    QTextBrowser *browser() const { return m_browser; }

protected:
    void done(int result) override;

private:
    const AppSettings &m_settings;
    QTextBrowser *m_browser;
};

} // namespace zel
