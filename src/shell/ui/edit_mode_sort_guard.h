#pragma once

#include <QObject>

namespace zel {

class Prompter;
class RecordGridView;

// Refuses a click on a grid's headings (which sorts it) while a cell holds a typed value that is
// not stored yet, and says how to finish or cancel the edit.
class EditModeSortGuard : public QObject
{
    Q_OBJECT
public:
    static const QString kMessage;

    // Watches the grid's headings; lives as long as the grid.
    EditModeSortGuard(RecordGridView *grid, Prompter &prompter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RecordGridView *m_grid;
    Prompter &m_prompter;
};

} // namespace zel
