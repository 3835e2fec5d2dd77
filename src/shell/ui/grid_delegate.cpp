#include "shell/ui/grid_delegate.h"

#include "shell/ui/grid_column.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QMetaProperty>

namespace zel {

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    if (const QStringList choices = index.data(grid::kChoicesRole).toStringList(); !choices.isEmpty()) {
        // A closed list: letters typed in it pick the first entry they begin, as a typist expects.
        auto *list = new QComboBox(parent);
        list->addItems(choices);
        list->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
        editor = list;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
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

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        // A value the list does not hold (typed before the list existed) is shown first as it is.
        const QString value = index.data(Qt::EditRole).toString();
        if (list->findText(value, Qt::MatchFixedString) < 0 && !value.isEmpty())
            list->insertItem(0, value);
        list->setCurrentIndex(qMax(0, list->findText(value, Qt::MatchFixedString)));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QMetaProperty property = editor->metaObject()->userProperty();
    if (!property.isValid()) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    m_refused = !model->setData(index, property.read(editor), Qt::EditRole);
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
