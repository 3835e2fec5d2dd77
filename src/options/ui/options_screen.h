#pragma once

#include "core/currency.h"
#include "options/c_option.h"
#include "shell/ui/form_binder.h"
#include "shell/ui/screen_base.h"

class QFormLayout;
class QLabel;
class QMenuBar;
class QRadioButton;
class QTabWidget;

namespace zel {

class AppState;
class EarningsModel;
class FontsPage;
class RecordGridView;
class TranslationsPage;

// Zel_Options: the representative's settings, edited page by page and stored by Save.
class OptionsScreen : public ScreenBase
{
    Q_OBJECT
public:
    explicit OptionsScreen(AppState &state, QWidget *parent = nullptr);

    // Copies every control into the options, warns about odd extra charges, and stores the options
    // and the earnings schedules. Returns false when something could not be stored.
    bool save();

    QLineEdit *textField(const QString &accessibleName) const;
    QCheckBox *checkBox(const QString &text) const;
    QCheckBox *dateBox() const { return m_dateBox; }
    QRadioButton *dateChoiceEntered() const { return m_dateEntered; }
    QRadioButton *dateChoiceCurrent() const { return m_dateCurrent; }
    QSpinBox *campaignNumber() const { return m_campaignNumber; }
    EarningsModel *earnings() const { return m_earnings; }
    RecordGridView *earningsGrid() const { return m_earningsGrid; }
    FontsPage *fontsPage() const { return m_fonts; }
    TranslationsPage *translationsPage() const { return m_translations; }
    QTabWidget *pages() const { return m_pages; }

protected:
    bool confirmClose() override;

private:

    QWidget *representativePage();
    QWidget *taxesPage();
    QWidget *lookupPage();
    QWidget *textsPage();
    QWidget *printingPage();
    QWidget *campaignPage();
    QWidget *earningsPage();
    QWidget *fontsPageWidget();
    void buildMenus(QMenuBar *bar);

    QLineEdit *addText(QFormLayout *form, const QString &label, QString cOption::*member, int maxLength);
    QLineEdit *addMoney(QFormLayout *form, const QString &label, Currency cOption::*member);
    QCheckBox *addFlag(QFormLayout *form, const QString &text, QString cOption::*member);
    QRadioButton *addChoice(QButtonGroup *group, const QString &text, const QString &value);

    void load();
    bool readControls(cOption &options);
    void fillMargins();
    void stepCampaign(bool forward);
    bool saveEarnings();
    bool checkEarningsRows();
    void askToSaveBeforeClosing();
    void rememberShownValues();

    QTabWidget *m_pages = nullptr;
    FormBinder<cOption> m_binder;
    QButtonGroup *m_quantityPrint = nullptr;
    QButtonGroup *m_printSequence = nullptr;
    QButtonGroup *m_paperType = nullptr;
    QButtonGroup *m_dateChoice = nullptr;
    QCheckBox *m_dateBox = nullptr;
    QRadioButton *m_dateEntered = nullptr;
    QRadioButton *m_dateCurrent = nullptr;
    QComboBox *m_pastCampaigns = nullptr;
    QComboBox *m_topMargin = nullptr;
    QComboBox *m_bottomMargin = nullptr;
    QSpinBox *m_campaignNumber = nullptr;
    QSpinBox *m_campaignYear = nullptr;
    QSpinBox *m_lastCampaign = nullptr;
    QLabel *m_databaseLabel = nullptr;
    EarningsModel *m_earnings = nullptr;
    RecordGridView *m_earningsGrid = nullptr;
    FontsPage *m_fonts = nullptr;
    TranslationsPage *m_translations = nullptr;
    cOption m_shown;
};

} // namespace zel
