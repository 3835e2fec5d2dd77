#include "shell/ui/edit_mode_sort_guard.h"

#include "core/prompter.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"

#include <QEvent>
#include <QHeaderView>

namespace zel {

const QString EditModeSortGuard::kMessage = QStringLiteral(
    "Can not sort the grid while the current row is in Edit Mode.\nPlease finishing the changes and tab to the next row or "
    "press ESC twice to cancel edits.");

EditModeSortGuard::EditModeSortGuard(RecordGridView *grid, Prompter &prompter)
    : QObject(grid), m_grid(grid), m_prompter(prompter)
{
    grid->horizontalHeader()->viewport()->installEventFilter(this);
}

namespace {

// The grid's own cell editing, or that of a column with a delegate of its own (a list column).
bool typingInCell(const RecordGridView *grid)
{
    if (grid->delegate()->editorChanged())
        return true;
    for (int column = 0; grid->model() && column < grid->model()->columnCount(); ++column)
        if (const auto *own = qobject_cast<const GridDelegate *>(grid->itemDelegateForColumn(column)); own && own->editorChanged())
            return true;
    return false;
}

} // namespace

bool EditModeSortGuard::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    if (press && typingInCell(m_grid)) {
        if (event->type() == QEvent::MouseButtonPress)
            m_prompter.information(kMessage);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zel
