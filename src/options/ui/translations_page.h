#pragma once

#include <QWidget>

class QComboBox;

namespace zel {

class AppState;
class RecordGridView;
class TranslationsModel;

// The translations page of the options screen: a language to choose and its texts.
class TranslationsPage : public QWidget
{
    Q_OBJECT
public:
    explicit TranslationsPage(AppState &state, QWidget *parent = nullptr);

    // Stores the edits of the language shown; true when there was nothing to store or it worked.
    bool save();
    void showLanguage(const QString &language);
    TranslationsModel *model() const { return m_model; }
    QComboBox *languageBox() const { return m_language; }
    RecordGridView *grid() const { return m_grid; }

private:
    AppState &m_state;
    QString m_shown;
    QComboBox *m_language;
    TranslationsModel *m_model;
    RecordGridView *m_grid;
};

} // namespace zel
