#pragma once

#include "shell/ui/record_grid_view.h"

#include <functional>

namespace zel {

// The order entry grid's keyboard: leaving a cell with Enter or Tab goes on to the cell the
// screen names next (and opens it), so a typist never needs the mouse; Delete outside a cell
// removes the current row.
class OrderGridView : public RecordGridView
{
    Q_OBJECT
public:
    using RecordGridView::RecordGridView;

    // The cell after `from`; an invalid index keeps the cursor where it is.
    void setNextCell(std::function<QModelIndex(const QModelIndex &from)> next) { m_next = std::move(next); }
    // Moves to a cell and opens it for typing.
    void enterCell(const QModelIndex &index);

signals:
    void deleteRowRequested(int row);

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<QModelIndex(const QModelIndex &)> m_next;
};

} // namespace zel
