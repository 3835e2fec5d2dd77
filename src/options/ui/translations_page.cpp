#include "options/ui/translations_page.h"

#include "shell/data_access.h"
#include "shell/database_connection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

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

TranslationsPage::TranslationsPage(cDataAccess &data, QWidget *parent)
    : QWidget(parent), m_data(data), m_language(new QComboBox(this)), m_model(new TranslationsModel(this)),
      m_grid(new QTableView(this))
{
    m_language->addItems({QStringLiteral("Spanish"), QStringLiteral("French"), QStringLiteral("Custom")});
    auto *label = new QLabel(QStringLiteral("&Language"), this);
    label->setBuddy(m_language);
    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_language);
    top->addStretch();
    m_grid->setModel(m_model);
    m_grid->setAccessibleName(QStringLiteral("Translations"));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(1, 200);
    m_grid->setColumnWidth(2, 220);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid);
    auto *note = new QLabel(QStringLiteral("Customers whose language is set here get these texts on their invoices; "
                                           "English texts are built in."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    connect(m_language, &QComboBox::currentTextChanged, this, &TranslationsPage::showLanguage);
    showLanguage(m_language->currentText());
}

void TranslationsPage::showLanguage(const QString &language)
{
    // Edits of the language shown are kept before another one is shown.
    save();
    m_shown = language;
    m_model->setRows(m_data.database().isOpen() ? translations::load(m_data, language)
                                                : std::vector<translations::TranslationRow>{});
}

bool TranslationsPage::save()
{
    if (!m_model->isModified())
        return true;
    if (!translations::save(m_data, m_shown, m_model->rows()))
        return false;
    m_model->setModified(false);
    return true;
}

} // namespace zel
