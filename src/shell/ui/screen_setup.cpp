#include "shell/ui/screen_setup.h"

#include "shell/app_settings.h"
#include "shell/captions.h"
#include "shell/font_settings.h"
#include "shell/screen_positions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QVariant>

namespace zel {

namespace {

const char *const kDesignedSize = "zelDesignedSize";
constexpr int kTitleBarButtons = 160; // icon, minimise, maximise and close beside the title text

void replaceInActions(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        action->setText(zel::Gs_Caption_Replace(action->text()));
        action->setToolTip(Gs_Tooltip_Replace(action->toolTip()));
    }
}

QFont toQFont(const FontSettings &settings, QFont font)
{
    font.setFamily(settings.name);
    font.setPointSize(settings.size);
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    font.setUnderline(settings.underline);
    font.setStrikeOut(settings.strikethru);
    return font;
}

void applyFont(QWidget *screen, const FontSettings &settings)
{
    screen->setFont(toQFont(settings, screen->font()));
    // Colour 0 is the classic black; leaving it alone keeps the desktop's own text colour.
    if (settings.color != 0) {
        const QColor color = settings.qColor();
        QPalette palette = screen->palette();
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, color);
        screen->setPalette(palette);
    }
    for (QTableView *grid : screen->findChildren<QTableView *>()) {
        grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
        grid->horizontalHeader()->setFont(screen->font());
    }
}

// The desktop a screen's client area may use: the window manager adds a title bar above it and a
// border round it, which geometry() does not count. Before the window is framed its frame is not
// known, so a common one is allowed for.
QRect availableArea(const QWidget *screen)
{
    constexpr int kTitleBar = 32;
    constexpr int kBorder = 4;
    const QRect desktop = screen->screen() ? screen->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    return desktop.adjusted(kBorder, kTitleBar, -kBorder, -kBorder);
}

// What a screen needs so that nothing is cut off: its layout's size hints, and room for its title
// beside the title bar's buttons.
QSize contentsNeed(const QWidget *screen)
{
    const int titleWidth = screen->fontMetrics().horizontalAdvance(screen->windowTitle()) + kTitleBarButtons;
    return screen->sizeHint().expandedTo(screen->minimumSizeHint()).expandedTo(screen->minimumSize())
        .expandedTo(QSize(titleWidth, 0));
}

void nameIfNameless(QWidget *input, const QString &name)
{
    if (input && input->accessibleName().trimmed().isEmpty() && !name.trimmed().isEmpty())
        input->setAccessibleName(name.trimmed());
}

// A label's text as a name: without its mnemonic marks, its colon and any markup.
QString nameOfLabel(const QLabel *label)
{
    QString text = label->text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// What encloses a list or grid: its group's title, its page's tab, or the window.
QString nameOfPlace(QWidget *input)
{
    for (QWidget *up = input->parentWidget(); up; up = up->parentWidget()) {
        if (const auto *group = qobject_cast<QGroupBox *>(up); group && !group->title().trimmed().isEmpty())
            return QString(group->title()).remove(QLatin1Char('&')).trimmed();
        if (auto *stack = qobject_cast<QStackedWidget *>(up->parentWidget()))
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
                if (const int index = tabs->indexOf(up); index >= 0)
                    return tabs->tabText(index).remove(QLatin1Char('&')).trimmed();
    }
    return input->window()->windowTitle();
}

// Every input is named for a screen reader: after its label, or (a list or grid) after the group,
// page or window it is in. A combo box that takes typing names its text box too.
void nameInputs(QWidget *screen)
{
    for (const QLabel *label : screen->findChildren<QLabel *>())
        if (QWidget *buddy = label->buddy())
            nameIfNameless(buddy, nameOfLabel(label));
    for (QAbstractItemView *view : screen->findChildren<QAbstractItemView *>())
        if (!qobject_cast<QHeaderView *>(view) && !view->inherits("QComboBoxListView"))
            nameIfNameless(view, nameOfPlace(view));
    for (QComboBox *combo : screen->findChildren<QComboBox *>())
        if (combo->lineEdit())
            nameIfNameless(combo->lineEdit(), combo->accessibleName());
}

} // namespace

void Gs_Caption_Replace(QWidget *screen)
{
    screen->setWindowTitle(zel::Gs_Caption_Replace(screen->windowTitle()));
    QList<QWidget *> widgets = screen->findChildren<QWidget *>();
    widgets.prepend(screen);
    for (QWidget *widget : widgets) {
        widget->setToolTip(Gs_Tooltip_Replace(widget->toolTip()));
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(zel::Gs_Caption_Replace(button->text()));
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(zel::Gs_Caption_Replace(label->text()));
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            group->setTitle(zel::Gs_Caption_Replace(group->title()));
        else if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setTabText(i, zel::Gs_Caption_Replace(tabs->tabText(i)));
        replaceInActions(widget->actions());
    }
    for (QAction *action : screen->findChildren<QAction *>())
        if (!widgets.contains(action->parent()))
            replaceInActions({action});
}

void Gs_Screen_Setup(QWidget *screen, const AppSettings &settings)
{
    Gs_Caption_Replace(screen);
    nameInputs(screen);
    applyFont(screen, Gs_Read_Fonts(settings, screen->objectName()));

    // The size the screen was built with, for "Reset Screen Size / Position".
    if (!screen->property(kDesignedSize).isValid())
        screen->setProperty(kDesignedSize, screen->size());
    // setGeometry places the client area, as Gs_Screen_Save records it, whether or not the window
    // manager has framed the window yet.
    screen->setGeometry(openingGeometry(readScreenPosition(settings, screen->objectName()), availableArea(screen),
                                        screen->size()));
    screen->setWindowIcon(QIcon(QStringLiteral(":/zel/zel.png")));
}

void Gs_Screen_Save(const QWidget *screen, const AppSettings &settings)
{
    const QRect client = screen->geometry();
    saveScreenPosition(settings, screen->objectName(), {client.x(), client.y(), client.width(), client.height()});
}

void centreOnScreen(QWidget *screen)
{
    const QVariant designed = screen->property(kDesignedSize);
    const QSize size = resetSize(designed.isValid() ? designed.toSize() : screen->size(), contentsNeed(screen),
                                 availableArea(screen).size());
    screen->setGeometry(openingGeometry({-1, -1, -1, -1}, availableArea(screen), size));
}

void printScreen(QWidget *screen)
{
    const QPixmap image = screen->grab();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, screen);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

} // namespace zel
