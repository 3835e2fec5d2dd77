#include "shell/ui/grid_delegate.h"

#include <QAbstractItemModel>
#include <QMetaProperty>

namespace zel {

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    m_index = index;
    return editor;
}

void GridDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_editor) {
        m_editor.clear();
        m_index = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

QVariant GridDelegate::editorValue() const
{
    const QMetaProperty property = m_editor->metaObject()->userProperty();
    return property.isValid() ? property.read(m_editor) : QVariant();
}

bool GridDelegate::editorChanged() const
{
    if (!isEditing() || !m_index.isValid())
        return false;
    return editorValue().toString() != m_index.data(Qt::EditRole).toString();
}

bool GridDelegate::commitEditor()
{
    if (!editorChanged())
        return true;
    auto *model = const_cast<QAbstractItemModel *>(m_index.model());
    if (!model->setData(m_index, editorValue(), Qt::EditRole))
        return false;
    discardEditor(); // stored; the editor has nothing left to give
    return true;
}

void GridDelegate::discardEditor()
{
    if (isEditing())
        emit closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
}

} // namespace zel
