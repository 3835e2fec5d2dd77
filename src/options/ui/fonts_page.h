#pragma once

#include "shell/font_settings.h"

#include <QWidget>

#include <functional>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

namespace zel {

class AppSettings;
class Prompter;

// The fonts page of the options screen: every screen and report element with its font, and the
// buttons that set or reset a whole branch at once.
class FontsPage : public QWidget
{
    Q_OBJECT
public:
    using FontChooser = std::function<std::optional<FontSettings>(const FontSettings &current, const QString &title)>;

    FontsPage(const AppSettings &settings, Prompter &prompter, QWidget *parent = nullptr);

    // Tests replace the font dialog with an answer of their own.
    void setFontChooser(FontChooser chooser) { m_chooser = std::move(chooser); }
    QTreeWidget *tree() const { return m_tree; }

    void chooseFor(QTreeWidgetItem *item);
    void setAllScreenFonts();
    void setAllReportFonts();
    void resetAllScreenFonts();
    void resetAllReportFonts();

    // The font an entry has now; report sections without one of their own start from a serif face.
    FontSettings currentFont(const QString &section) const;

private:
    void build();
    void refreshLabels();
    void setAll(QTreeWidgetItem *branch, const FontSettings &font);
    QString sectionOf(const QTreeWidgetItem *item) const;

    const AppSettings &m_settings;
    Prompter &m_prompter;
    QTreeWidget *m_tree;
    QTreeWidgetItem *m_screens = nullptr;
    QTreeWidgetItem *m_reports = nullptr;
    FontChooser m_chooser;
};

} // namespace zel
