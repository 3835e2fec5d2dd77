#pragma once

#include <QString>
#include <QTableView>

class QMenu;

namespace zel {

class AppState;
class GridDelegate;

// A record grid on screen: its name (the objectName) keys its column layout in GridLayouts.grx.
// Columns fit their headings and contents; Enter opens the current cell, Enter in a cell stores it,
// Escape cancels it, Tab moves on. Edits go through a GridDelegate, so a screen can tell whether a
// typed value is still open in a cell.
class RecordGridView : public QTableView
{
    Q_OBJECT
public:
    RecordGridView(const QString &gridName, AppState &state, QWidget *parent = nullptr);

    QString gridName() const { return objectName(); }
    GridDelegate *delegate() const { return m_delegate; }

    // Fits the columns, then puts back the saved layout, if any (then true). Call after the model
    // has rows.
    bool restoreLayout();
    bool saveLayout() const;
    // Forgets the saved layout and tells the user that it applies from the next opening.
    void resetLayout();
    // Adds "save" and (unless its caption is empty) "reset" commands for this grid to a menu.
    void addLayoutCommands(QMenu *menu, const QString &saveCaption, const QString &resetCaption = {});
    // Each column as its model describes it, or as wide as its heading and contents need; never
    // narrower than its heading.
    void fitColumns();
    // Widens, never narrows, each column its rows no longer fit: for new rows after the layout was
    // fitted or restored.
    void widenToContents();

protected:
    bool event(QEvent *event) override;
    // A value the model refused stays in its cell, open, for the typist to correct.
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int designedWidth(int column) const;

    AppState &m_state;
    GridDelegate *m_delegate;
};

} // namespace zel
