#include "shell/ui/record_grid_view.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/grid_layout_store.h"
#include "shell/ui/grid_column.h"
#include "shell/ui/grid_delegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>

namespace zel {

namespace {
// A long description or note may widen its column only this far; the rest shows when widened.
constexpr int kWidestFittedColumn = 260;
}

RecordGridView::RecordGridView(const QString &gridName, AppState &state, QWidget *parent)
    : QTableView(parent), m_state(state), m_delegate(new GridDelegate(this))
{
    setObjectName(gridName);
    setItemDelegate(m_delegate);
    setAlternatingRowColors(true);
    setTabKeyNavigation(true);
    horizontalHeader()->setSectionsMovable(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

int RecordGridView::designedWidth(int column) const
{
    return model() ? model()->headerData(column, Qt::Horizontal, grid::kWidthRole).toInt() : 0;
}

void RecordGridView::fitColumns()
{
    if (!model())
        return;
    QHeaderView *header = horizontalHeader();
    for (int column = 0; column < model()->columnCount(); ++column) {
        if (const int designed = designedWidth(column); designed > 0) {
            setColumnWidth(column, qMax(designed, header->sectionSizeHint(column)));
            continue;
        }
        resizeColumnToContents(column); // the wider of the heading and the cells
        if (header->sectionSize(column) > kWidestFittedColumn)
            setColumnWidth(column, qMax(header->sectionSizeHint(column), kWidestFittedColumn));
    }
}

void RecordGridView::widenToContents()
{
    if (!model())
        return;
    // Measured from the model, not the view: the rows need not be laid out, or visible, yet.
    constexpr int kMeasuredRows = 500;
    const QFontMetrics metrics(font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    QHeaderView *header = horizontalHeader();
    for (int column = 0; column < model()->columnCount(); ++column) {
        if (isColumnHidden(column))
            continue;
        int wanted = header->sectionSizeHint(column);
        for (int row = 0; row < qMin(model()->rowCount(), kMeasuredRows); ++row)
            wanted = qMax(wanted, metrics.horizontalAdvance(model()->index(row, column).data().toString()) + padding);
        wanted = qMin(wanted, qMax(kWidestFittedColumn, designedWidth(column)));
        if (columnWidth(column) < wanted)
            setColumnWidth(column, wanted);
    }
}

bool RecordGridView::restoreLayout()
{
    fitColumns();
    const QByteArray layout = GridLayoutStore(m_state.settings).load(gridName());
    return !layout.isEmpty() && horizontalHeader()->restoreState(layout);
}

bool RecordGridView::saveLayout() const
{
    return GridLayoutStore(m_state.settings).save(gridName(), horizontalHeader()->saveState());
}

void RecordGridView::resetLayout()
{
    GridLayoutStore(m_state.settings).reset(gridName());
    m_state.prompter.information(QStringLiteral("Exit to Main Menu to Complete Layout Reset."));
}

void RecordGridView::addLayoutCommands(QMenu *menu, const QString &saveCaption, const QString &resetCaption)
{
    menu->addAction(saveCaption, this, [this] { saveLayout(); });
    if (!resetCaption.isEmpty())
        menu->addAction(resetCaption, this, [this] { resetLayout(); });
}

// F2 in a grid edits the current cell, as in every grid: it wins over a window's F2 shortcut.
bool RecordGridView::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier && state() != EditingState
            && currentIndex().isValid() && currentIndex().flags().testFlag(Qt::ItemIsEditable)) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void RecordGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (!m_delegate->takeRefusal()) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const auto *line = qobject_cast<QLineEdit *>(editor);
    const QString typed = line ? line->text() : QString();
    const QModelIndex index = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (!index.isValid() || !edit(index, AllEditTriggers, nullptr))
        return;
    if (auto *reopened = qobject_cast<QLineEdit *>(m_delegate->editor()); reopened && line) {
        reopened->setText(typed);
        reopened->selectAll();
    }
}

// Enter on a cell opens it, as a typist expects of a grid; a cell that cannot be edited leaves
// Enter to the screen. Enter and Escape inside an open cell are the editor's (store / cancel).
void RecordGridView::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid()
        && currentIndex().flags().testFlag(Qt::ItemIsEditable) && edit(currentIndex(), EditKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

} // namespace zel
