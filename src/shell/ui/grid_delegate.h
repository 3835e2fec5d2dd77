#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <utility>

namespace zel {

// A record grid's cell editing, keeping track of the one open cell editor so that a screen
// can tell, when it closes, whether a typed value has not reached its record yet.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // True once after the model refused what an editor held (it has said why): the view then
    // keeps the cell open with the typed value, so it can be corrected.
    bool takeRefusal() const { return std::exchange(m_refused, false); }
    bool refusalPending() const { return m_refused; }

    bool isEditing() const { return !m_editor.isNull(); }
    QWidget *editor() const { return m_editor; }
    // The open editor holds something other than its cell.
    bool editorChanged() const;
    // Stores the open editor's value in its cell; returns false when the model refuses it (the
    // model has said why), true when it is stored or nothing is being edited.
    bool commitEditor();
    // Closes the open editor without storing anything more.
    void discardEditor();

private:
    QVariant editorValue() const;

    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
    mutable bool m_refused = false;
};

} // namespace zel
