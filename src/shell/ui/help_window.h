#pragma once

#include <QDialog>

class QTextBrowser;

namespace zel {

class AppSettings;
class AppState;

// Zel_Help: the user manual in the program's own window, so help works without a web browser.
// It stays open beside the main menu until closed.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(const AppSettings &settings, QWidget *parent = nullptr);

    // Shows the manual file at `path`, at the section named `section` when given; returns false,
    // showing nothing new, when it cannot be read.
    bool openManual(const QString &path, const QString &section = {});

    // F1 of a screen: the manual beside `owner` (its child, so a modal screen does not block it), at
    // the section about the screen of that form name. Tells the user when the manual is missing.
    static HelpWindow *showFor(QWidget *owner, AppState &state, HelpWindow *existing, const QString &formName);
    // The manual's section about a screen ("Zel_Order" → "order-entry"); empty for its beginning.
    static QString sectionOf(const QString &formName);

    QTextBrowser *browser() const { return m_browser; }

protected:
    void done(int result) override;

private:
    const AppSettings &m_settings;
    QTextBrowser *m_browser;
};

} // namespace zel
