#include "options/ui/translations_model.h"

namespace zel {

void TranslationsModel::setRows(std::vector<translations::TranslationRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_modified = false;
    endResetModel();
}

int TranslationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TranslationsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant TranslationsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const translations::TranslationRow &row = m_rows.at(index.row());
    switch (index.column()) {
    case 0: return row.key;
    case 1: return row.description;
    case 2: return row.female;
    default: return row.male;
    }
}

QVariant TranslationsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const headers[] = {"Key", "English", "Female (and main) Text", "Male Text (when different)"};
    return QString::fromLatin1(headers[section]);
}

Qt::ItemFlags TranslationsModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() >= 2 ? flags | Qt::ItemIsEditable : flags;
}

bool TranslationsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() < 2)
        return false;
    translations::TranslationRow &row = m_rows.at(index.row());
    (index.column() == 2 ? row.female : row.male) = value.toString().left(255);
    m_modified = true;
    emit dataChanged(index, index);
    return true;
}

} // namespace zel
