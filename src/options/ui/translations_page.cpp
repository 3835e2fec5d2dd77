#include "options/ui/translations_page.h"

#include "options/ui/translations_model.h"
#include "session/app_state.h"
#include "shell/ui/record_grid_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace zel {

TranslationsPage::TranslationsPage(AppState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_language(new QComboBox(this)), m_model(new TranslationsModel(this)),
      m_grid(new RecordGridView(QStringLiteral("OptionTranslations"), state, this))
{
    m_language->addItems({QStringLiteral("Spanish"), QStringLiteral("French"), QStringLiteral("Custom")});
    auto *label = new QLabel(QStringLiteral("L&anguage"), this);
    label->setBuddy(m_language);
    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_language);
    top->addStretch();
    m_grid->setModel(m_model);
    m_grid->setAccessibleName(QStringLiteral("Translations"));
    m_grid->horizontalHeader()->setStretchLastSection(true);
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
    m_grid->restoreLayout();
}

void TranslationsPage::showLanguage(const QString &language)
{
    // Edits of the language shown are kept before another one is shown.
    save();
    m_shown = language;
    m_model->setRows(m_state.data.database().isOpen() ? translations::load(m_state.data, language)
                                                      : std::vector<translations::TranslationRow>{});
}

bool TranslationsPage::save()
{
    if (!m_model->isModified())
        return true;
    if (!translations::save(m_state.data, m_shown, m_model->rows()))
        return false;
    m_model->setModified(false);
    return true;
}

} // namespace zel
