#include "mnemonic_check.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace zel::test {

namespace {

// Captions by mnemonic letter within one scope.
using Scope = QMap<QChar, QStringList>;

void add(Scope &scope, const QString &caption)
{
    const QChar letter = mnemonicOf(caption);
    if (!letter.isNull())
        scope[letter] << caption;
}

void report(const Scope &scope, const QString &where, QStringList &clashes)
{
    for (auto it = scope.begin(); it != scope.end(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList quoted;
        for (const QString &caption : it.value())
            quoted << QLatin1Char('"') + caption + QLatin1Char('"');
        clashes << where + QStringLiteral("Alt+") + it.key() + QStringLiteral(": ") + quoted.join(QStringLiteral(", "));
    }
}

bool reachable(const QWidget *widget, const QWidget *window)
{
    return widget->window() == window && widget->isVisibleTo(window);
}

void collectWidgets(const QWidget *window, Scope &scope)
{
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (reachable(button, window))
            add(scope, button->text());
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && reachable(label, window))
            add(scope, label->text());
    for (const QGroupBox *group : window->findChildren<QGroupBox *>())
        if (reachable(group, window))
            add(scope, group->title());
    for (const QTabBar *tabs : window->findChildren<QTabBar *>())
        if (reachable(tabs, window))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    add(scope, tabs->tabText(i));
}

void collectMenu(const QMenu *menu, QStringList &clashes)
{
    Scope items;
    for (const QAction *action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        add(items, action->text());
        if (action->menu())
            collectMenu(action->menu(), clashes);
    }
    report(items, QStringLiteral("menu \"") + menu->title() + QStringLiteral("\": "), clashes);
}

} // namespace

QChar mnemonicOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toUpper();
        ++i; // "&&" shows one ampersand
    }
    return {};
}

QStringList repeatedMnemonics(const QWidget *window)
{
    QStringList clashes;
    Scope scope;
    collectWidgets(window, scope);
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        if (!reachable(bar, window))
            continue;
        for (const QAction *action : bar->actions()) {
            if (!action->isVisible() || !action->menu())
                continue;
            add(scope, action->text());
            collectMenu(action->menu(), clashes);
        }
    }
    report(scope, QString(), clashes);
    return clashes;
}

} // namespace zel::test
