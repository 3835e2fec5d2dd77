#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

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
};

} // namespace zel
