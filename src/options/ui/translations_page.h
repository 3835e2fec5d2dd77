#pragma once

#include <QWidget>

class QComboBox;
class QTableView;

namespace zel {

class cDataAccess;
class TranslationsModel;

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
