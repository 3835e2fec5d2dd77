#include "shell/ui/grid_list_delegate.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

namespace zel {

QWidget *GridListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = GridDelegate::createEditor(parent, option, index);
    const auto source = m_sources.constFind(index.column());
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (source == m_sources.constEnd() || !line)
        return editor;
    auto *completer = new QCompleter((*source)(), line);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    line->setCompleter(completer);
    return editor;
}

// Alt+Down (or F4) in a list cell opens the whole list, as a drop-down box does.
bool GridListDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *line = qobject_cast<QLineEdit *>(watched);
        const bool openList = key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier);
        if (line && line->completer() && openList) {
            line->completer()->setCompletionPrefix(QString());
            line->completer()->complete();
            return true;
        }
    }
    return GridDelegate::eventFilter(watched, event);
}

} // namespace zel
