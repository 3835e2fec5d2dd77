#pragma once

#include "options/translations.h"

#include <QAbstractTableModel>
#include <QWidget>

class QComboBox;
class QTableView;

namespace zel {

class cDataAccess;

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

// The translations page of the options screen: a language to choose and its texts.
class TranslationsPage : public QWidget
{
    Q_OBJECT
public:
    TranslationsPage(cDataAccess &data, QWidget *parent = nullptr);

    // Stores the edits of the language shown; true when there was nothing to store or it worked.
    bool save();
    void showLanguage(const QString &language);
    TranslationsModel *model() const { return m_model; }
    QComboBox *languageBox() const { return m_language; }

private:
    cDataAccess &m_data;
    QString m_shown;
    QComboBox *m_language;
    TranslationsModel *m_model;
    QTableView *m_grid;
};

} // namespace zel
