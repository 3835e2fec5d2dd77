#pragma once

#include "shell/ui/grid_delegate.h"

#include <QMap>
#include <QStringList>

#include <functional>

namespace zel {

// Set on the list columns of a record grid (setItemDelegateForColumn), beside the grid's own
// delegate. A record grid's editing with lists: the cell editor of a named column offers the values its
// source gives when the cell opens (so they reflect what was typed since) as a drop-down list
// that follows the typed letters; Alt+Down shows the whole list. Any other text may still be typed.
class GridListDelegate : public GridDelegate
{
    Q_OBJECT
public:
    using GridDelegate::GridDelegate;

    void setChoices(int column, std::function<QStringList()> source) { m_sources.insert(column, std::move(source)); }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMap<int, std::function<QStringList()>> m_sources;
};

} // namespace zel
