#include "shell/ui/screen_setup.h"

#include "shell/app_settings.h"
#include "shell/captions.h"
#include "shell/font_settings.h"
#include "shell/grid_layout_store.h"
#include "shell/screen_positions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>

namespace zel {

namespace {

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
    applyFont(screen, Gs_Read_Fonts(settings, screen->objectName()));

    const QRect available = screen->screen() ? screen->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const ScreenRect place = placeScreen(readScreenPosition(settings, screen->objectName()), available.width(),
                                         available.height(), screen->width(), screen->height());
    screen->resize(place.width, place.height);
    screen->move(available.left() + place.left, available.top() + place.top);
    screen->setWindowIcon(QIcon(QStringLiteral(":/zel/zel.png")));
}

void Gs_Screen_Save(const QWidget *screen, const AppSettings &settings)
{
    const QRect available = screen->screen() ? screen->screen()->availableGeometry() : QRect();
    saveScreenPosition(settings, screen->objectName(),
                       {screen->x() - available.left(), screen->y() - available.top(), screen->width(), screen->height()});
}

void centreOnScreen(QWidget *screen)
{
    screen->resize(screen->sizeHint().expandedTo(screen->minimumSize()));
    const QRect available = screen->screen() ? screen->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const ScreenRect place = placeScreen({-1, -1, -1, -1}, available.width(), available.height(), screen->width(),
                                         screen->height());
    screen->move(available.left() + place.left, available.top() + place.top);
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

void loadGridLayout(QHeaderView *header, const AppSettings &settings, const QString &gridName)
{
    const QByteArray layout = GridLayoutStore(settings).load(gridName);
    if (!layout.isEmpty())
        header->restoreState(layout);
}

void saveGridLayout(const QHeaderView *header, const AppSettings &settings, const QString &gridName)
{
    GridLayoutStore(settings).save(gridName, header->saveState());
}

} // namespace zel
