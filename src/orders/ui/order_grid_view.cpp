#include "orders/ui/order_grid_view.h"

#include "shell/ui/grid_delegate.h"

#include <QKeyEvent>

namespace zel {

void OrderGridView::enterCell(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
    if (index.flags().testFlag(Qt::ItemIsEditable))
        edit(index);
}

void OrderGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool goOn = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::SubmitModelCache;
    // A refused value keeps its cell (the grid reopens it), so the cursor does not go on.
    if (!goOn || !m_next || delegate()->refusalPending()) {
        RecordGridView::closeEditor(editor, hint);
        return;
    }
    const QPersistentModelIndex from = currentIndex();
    RecordGridView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    // The commit may have asked questions and added a row; the next cell is chosen afterwards.
    const QModelIndex next = m_next(from);
    if (next.isValid())
        enterCell(next);
}

void OrderGridView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && state() != EditingState && currentIndex().isValid()) {
        emit deleteRowRequested(currentIndex().row());
        return;
    }
    // Tab on a cell that is not open goes on as leaving an open cell does.
    if ((event->key() == Qt::Key_Tab) && event->modifiers() == Qt::NoModifier && state() != EditingState && m_next
        && currentIndex().isValid()) {
        enterCell(m_next(currentIndex()));
        return;
    }
    RecordGridView::keyPressEvent(event);
}

} // namespace zel
