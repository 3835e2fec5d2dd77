#pragma once

#include "options/translations.h"

#include <QAbstractTableModel>

namespace zel {

// The texts of one language as an editable grid: key and English wording, then the female and
// male texts.
class TranslationsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<translations::TranslationRow> rows);
    const std::vector<translations::TranslationRow> &rows() const { return m_rows; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    std::vector<translations::TranslationRow> m_rows;
    bool m_modified = false;
};

} // namespace zel
