#include "options/ui/fonts_page.h"

#include "core/prompter.h"
#include "options/font_catalogue.h"
#include "shell/app_settings.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zel {

namespace {

constexpr int kSectionRole = Qt::UserRole;
constexpr int kLabelRole = Qt::UserRole + 1;

QFont toQFont(const FontSettings &font)
{
    QFont q(font.name, font.size);
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikethru);
    return q;
}

FontSettings defaultFont(bool report)
{
    FontSettings font;
    if (report)
        font.name = QStringLiteral("Times New Roman");
    return font;
}

} // namespace

FontsPage::FontsPage(const AppSettings &settings, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_prompter(prompter), m_tree(new QTreeWidget(this))
{
    m_chooser = [this](const FontSettings &current, const QString &title) -> std::optional<FontSettings> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, toQFont(current), this, title);
        if (!ok)
            return std::nullopt;
        FontSettings font = current;
        font.name = chosen.family();
        font.size = chosen.pointSize() > 0 ? chosen.pointSize() : current.size;
        font.bold = chosen.bold();
        font.italic = chosen.italic();
        font.underline = chosen.underline();
        font.strikethru = chosen.strikeOut();
        return font;
    };
    build();
}

void FontsPage::build()
{
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(QStringLiteral("Fonts"));
    m_screens = new QTreeWidgetItem(m_tree, {QStringLiteral("Screens")});
    for (const options::FontEntry &entry : options::screenFonts()) {
        auto *item = new QTreeWidgetItem(m_screens);
        item->setData(0, kSectionRole, entry.section);
        item->setData(0, kLabelRole, entry.label);
    }
    m_reports = new QTreeWidgetItem(m_tree, {QStringLiteral("Reports")});
    for (const options::FontGroup &group : options::reportFonts()) {
        auto *groupItem = new QTreeWidgetItem(m_reports, {group.label});
        for (const options::FontEntry &entry : group.entries) {
            auto *item = new QTreeWidgetItem(groupItem);
            item->setData(0, kSectionRole, entry.section);
            item->setData(0, kLabelRole, entry.label);
        }
    }
    m_tree->expandItem(m_screens);
    m_tree->expandItem(m_reports);
    refreshLabels();
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { chooseFor(item); });

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const QString &caption, void (FontsPage::*slot)()) {
        auto *button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    // The options screen's tabs and buttons hold most letters of these captions; the rarest of the
    // four is left to the Tab key.
    addButton(QStringLiteral("Set &ALL Screen Fonts"), &FontsPage::setAllScreenFonts);
    addButton(QStringLiteral("Set ALL Re&port Fonts"), &FontsPage::setAllReportFonts);
    addButton(QStringLiteral("Reset ALL Scree&n Fonts"), &FontsPage::resetAllScreenFonts);
    addButton(QStringLiteral("Reset ALL Report Fonts"), &FontsPage::resetAllReportFonts);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addLayout(buttons);
}

QString FontsPage::sectionOf(const QTreeWidgetItem *item) const
{
    return item ? item->data(0, kSectionRole).toString() : QString();
}

FontSettings FontsPage::currentFont(const QString &section) const
{
    FontSettings font = Gs_Read_Fonts(m_settings, section);
    const bool ownFace = !m_settings.file(settings::kFontsIni).read(section, QStringLiteral("FontName"), QString()).isEmpty();
    if (isReportFontSection(section) && !ownFace)
        font.name = QStringLiteral("Times New Roman");
    return font;
}

void FontsPage::refreshLabels()
{
    QList<QTreeWidgetItem *> pending{m_screens, m_reports};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *item = pending.takeFirst();
        for (int i = 0; i < item->childCount(); ++i)
            pending << item->child(i);
        const QString section = sectionOf(item);
        if (section.isEmpty())
            continue;
        const FontSettings font = currentFont(section);
        item->setText(0, item->data(0, kLabelRole).toString() + QStringLiteral("     (") + font.name + QStringLiteral(" - ")
                             + QString::number(font.size) + QLatin1Char(')'));
    }
}

void FontsPage::chooseFor(QTreeWidgetItem *item)
{
    const QString section = sectionOf(item);
    if (section.isEmpty())
        return;
    if (const auto chosen = m_chooser(currentFont(section), item->data(0, kLabelRole).toString())) {
        Gs_Write_Fonts(m_settings, section, *chosen);
        refreshLabels();
    }
}

void FontsPage::setAll(QTreeWidgetItem *branch, const FontSettings &font)
{
    QList<QTreeWidgetItem *> pending{branch};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *item = pending.takeFirst();
        for (int i = 0; i < item->childCount(); ++i)
            pending << item->child(i);
        if (!sectionOf(item).isEmpty())
            Gs_Write_Fonts(m_settings, sectionOf(item), font);
    }
    refreshLabels();
}

void FontsPage::setAllScreenFonts()
{
    if (!m_prompter.askYesNo(QStringLiteral("Set ALL SCREEN FONT settings?.")))
        return;
    if (const auto chosen = m_chooser(defaultFont(false), QStringLiteral("Screens")))
        setAll(m_screens, *chosen);
}

void FontsPage::setAllReportFonts()
{
    if (!m_prompter.askYesNo(QStringLiteral("Set ALL REPORT FONT settings?.")))
        return;
    if (const auto chosen = m_chooser(defaultFont(true), QStringLiteral("Reports")))
        setAll(m_reports, *chosen);
}

void FontsPage::resetAllScreenFonts()
{
    if (m_prompter.askYesNo(QStringLiteral("Reset ALL SCREEN FONT settings to their default values.")))
        setAll(m_screens, defaultFont(false));
}

void FontsPage::resetAllReportFonts()
{
    if (m_prompter.askYesNo(QStringLiteral("Reset ALL REPORT FONT settings to their default values.")))
        setAll(m_reports, defaultFont(true));
}

} // namespace zel
