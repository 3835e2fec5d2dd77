#include "options/ui/options_screen.h"

#include "core/prompter.h"
#include "earnings/campaign_totals.h"
#include "options/earnings_schedule.h"
#include "options/options_rules.h"
#include "options/ui/earnings_model.h"
#include "options/ui/fonts_page.h"
#include "options/ui/translations_model.h"
#include "options/ui/translations_page.h"
#include "session/app_state.h"
#include "shell/ui/record_grid_view.h"
#include "shell/ui/screen_setup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel {

namespace {

const QString kEarningsGrid = QStringLiteral("OptionEarnings");

// A page that scrolls when the window is small, so every field stays reachable.
QWidget *scrolling(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QFormLayout *groupForm(QVBoxLayout *page, const QString &title)
{
    auto *group = new QGroupBox(title);
    auto *form = new QFormLayout(group);
    page->addWidget(group);
    return form;
}

QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: palette(mid);"));
    return label;
}

} // namespace

OptionsScreen::OptionsScreen(AppState &state, QWidget *parent) : ScreenBase(state, QStringLiteral("Zel_Options"), parent)
{
    setWindowTitle(QStringLiteral("Options"));

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    m_databaseLabel = new QLabel(this);
    layout->addWidget(m_databaseLabel);

    m_pages = new QTabWidget(this);
    // Tab titles, the menus and the Save/Close buttons answer Alt+letter on every page, so their
    // letters are kept out of the pages' own captions.
    m_pages->addTab(scrolling(representativePage()), QStringLiteral("&Representative"));
    m_pages->addTab(scrolling(taxesPage()), QStringLiteral("&Taxes && Charges"));
    m_pages->addTab(scrolling(campaignPage()), QStringLiteral("Campai&gn"));
    m_pages->addTab(scrolling(lookupPage()), QStringLiteral("Loo&k Up"));
    m_pages->addTab(scrolling(textsPage()), QStringLiteral("In&voice Texts"));
    m_pages->addTab(scrolling(printingPage()), QStringLiteral("&Invoice Printing"));
    m_pages->addTab(earningsPage(), QStringLiteral("&Earnings"));
    m_pages->addTab(fontsPageWidget(), QStringLiteral("F&onts"));
    m_translations = new TranslationsPage(state);
    m_pages->addTab(m_translations, QStringLiteral("Trans&lations"));
    layout->addWidget(m_pages);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *saveButton = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::ApplyRole);
    QPushButton *closeButton = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    buildMenus(bar);
    resize(760, 560);
    CampaignTotals::ensureRows(state.data, state.options.CurrentCampaignYear);
    load();
}

void OptionsScreen::buildMenus(QMenuBar *bar)
{
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, [this] { save(); });
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject);
    QMenu *misc = bar->addMenu(QStringLiteral("&Misc"));
    m_earningsGrid->addLayoutCommands(misc, QStringLiteral("Save Earnings Grid Layout"),
                                      QStringLiteral("Reset Earnings Grid Layout"));
    m_translations->grid()->addLayoutCommands(misc, QStringLiteral("Save Translations Grid Layout"),
                                              QStringLiteral("Reset Translations Grid Layout"));
    misc->addAction(QStringLiteral("Reset Screen Size / Position"), this, [this] { resetScreenSize(); });
}

QLineEdit *OptionsScreen::addText(QFormLayout *form, const QString &label, QString cOption::*member, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    edit->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    form->addRow(label, edit);
    m_binder.text(edit, member);
    return edit;
}

QLineEdit *OptionsScreen::addMoney(QFormLayout *form, const QString &label, Currency cOption::*member)
{
    auto *edit = new QLineEdit;
    edit->setMaxLength(12);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(120);
    const QString name = QString(label).remove(QLatin1Char('&'));
    edit->setAccessibleName(name);
    form->addRow(label, edit);
    m_binder.money(edit, member, name + QStringLiteral(" must be numeric."));
    return edit;
}

QCheckBox *OptionsScreen::addFlag(QFormLayout *form, const QString &text, QString cOption::*member)
{
    auto *box = new QCheckBox(text);
    box->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    form->addRow(box);
    m_binder.flag(box, member);
    return box;
}

QRadioButton *OptionsScreen::addChoice(QButtonGroup *group, const QString &text, const QString &value)
{
    auto *button = new QRadioButton(text);
    button->setProperty("value", value);
    group->addButton(button);
    return button;
}

QWidget *OptionsScreen::representativePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QFormLayout *form = groupForm(layout, QStringLiteral("Representative"));
    addText(form, QStringLiteral("&Name"), &cOption::RepName, 50);
    addText(form, QStringLiteral("&Address"), &cOption::RepAddress, 50);
    addText(form, QStringLiteral("City, State, &Zip"), &cOption::RepCSZ, 50);
    addText(form, QStringLiteral("&Phone"), &cOption::RepPhone, 50);
    addText(form, QStringLiteral("Misc &1"), &cOption::Misc1, 50);
    addText(form, QStringLiteral("Misc &2"), &cOption::Misc2, 50);
    addText(form, QStringLiteral("Misc &3"), &cOption::Misc3, 50);
    QFormLayout *fax = groupForm(layout, QStringLiteral("FAX Use Only"));
    addText(fax, QStringLiteral("Acco&unt"), &cOption::FaxAccount, 8);
    addText(fax, QStringLiteral("&District"), &cOption::FaxDistrict, 4);
    layout->addStretch();
    return page;
}

QWidget *OptionsScreen::taxesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    const auto taxGroup = [&](int n, Currency cOption::*rate, QString cOption::*desc, QString cOption::*charge,
                              QString cOption::*chargeZero) {
        QFormLayout *form = groupForm(layout, QStringLiteral("Tax %1").arg(n));
        addMoney(form, QStringLiteral("Tax Rate %1").arg(n), rate);
        addText(form, QStringLiteral("Tax Description %1").arg(n), desc, 6);
        addFlag(form, QStringLiteral("Tax Processing Charge"), charge)->setAccessibleName(QStringLiteral("Tax %1 Processing Charge").arg(n));
        addFlag(form, QStringLiteral("Tax Processing Charge When Taxable Order Total Is Zero"), chargeZero)
            ->setAccessibleName(QStringLiteral("Tax %1 Processing Charge When Zero").arg(n));
        return form;
    };
    taxGroup(1, &cOption::TaxRate1, &cOption::TaxDesc1, &cOption::TaxProcessingCharge1, &cOption::TaxProcessingCharge1Zero);
    QFormLayout *tax2 = taxGroup(2, &cOption::TaxRate2, &cOption::TaxDesc2, &cOption::TaxProcessingCharge2,
                                 &cOption::TaxProcessingCharge2Zero);
    addFlag(tax2, QStringLiteral("Include Tax 1 results in Tax 2 Calculation"), &cOption::TaxIncludeTax1);
    layout->addWidget(note(QStringLiteral("If Tax rate is zero, then Tax rate will not print on the customer order.  If "
                                          "the tax rate is 7.5 percent, then enter '7.5', Do Not Enter '.075'")));

    QFormLayout *charges = groupForm(layout, QStringLiteral("Charges"));
    addMoney(charges, QStringLiteral("&Processing Charge"), &cOption::ProcessingCharge);
    addFlag(charges, QStringLiteral("Calculate Tax After &Discounts"), &cOption::TaxAfterDiscounts);
    addMoney(charges, QStringLiteral("Amount ##.##"), &cOption::FlatAmount);
    addText(charges, QStringLiteral("Amount Description"), &cOption::FlatAmountDesc, 20);
    addMoney(charges, QStringLiteral("Percent ##.##"), &cOption::FlatPercent);
    addText(charges, QStringLiteral("Percent Description"), &cOption::FlatPercentDesc, 20);
    layout->addStretch();
    return page;
}

QWidget *OptionsScreen::lookupPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QFormLayout *form = groupForm(layout, QStringLiteral("Price Look Up"));
    addFlag(form, QStringLiteral("Use Previous #### Lower Price Look Up"), &cOption::PromptForLowerPrice);
    m_pastCampaigns = new QComboBox;
    // 0 turns the look-up of lower past prices off.
    m_pastCampaigns->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_pastCampaigns->setAccessibleName(QStringLiteral("Number of Past Campaigns For Price Lookup"));
    form->addRow(QStringLiteral("Number of Past ####s For Price Lookup"), m_pastCampaigns);
    m_binder.numberList(m_pastCampaigns, &cOption::NumberPastCampaignForProductLookup);
    addFlag(form, QStringLiteral("Update Current #### Prices With Order Entry Prices"), &cOption::OverrideProductPrice);
    addFlag(form, QStringLiteral("Update Baseline Regular Prices With Order Entry Prices"), &cOption::OverrideBaselinePrice);
    form->addRow(note(QStringLiteral("Overrides existing price.  Does not update if Quantity On Hand greater than zero.")));
    addFlag(form, QStringLiteral("Hidden Use Regular Price When Current #### Price Is Not Available"), &cOption::UseBaselinePrice)
        ->setVisible(false);
    QFormLayout *numbers = groupForm(layout, QStringLiteral("Product Numbers"));
    addFlag(numbers, QStringLiteral("Add a dash to 6 digit product numbers (123456 becomes 123-456)"), &cOption::OrderEntryDash);
    layout->addStretch();
    return page;
}

QWidget *OptionsScreen::textsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QFormLayout *invoice = groupForm(layout, QStringLiteral("Invoice Texts"));
    addText(invoice, QStringLiteral("Order Title Line &1"), &cOption::OrdersTitle1, 50);
    addText(invoice, QStringLiteral("Order Title Line &2"), &cOption::OrdersTitle2, 50);
    addText(invoice, QStringLiteral("T&hank You Message"), &cOption::ThankYouMessage, 50);
    addText(invoice, QStringLiteral("&Back Order Message"), &cOption::BackOrderMessage, 50);
    addText(invoice, QStringLiteral("&Unavailable Message"), &cOption::UnavailableMessage, 50);
    addText(invoice, QStringLiteral("Substitutio&n Message"), &cOption::SubstitutionMessage, 50);
    addText(invoice, QStringLiteral("S&pecial Charge Description"), &cOption::SpecialChargeDescription, 25);

    QFormLayout *comments = groupForm(layout, QStringLiteral("Global Order Comments"));
    std::vector<QLineEdit *> commentEdits;
    QString cOption::*messages[] = {&cOption::Message0, &cOption::Message1, &cOption::Message2, &cOption::Message3,
                                    &cOption::Message4};
    for (int i = 0; i < 5; ++i)
        commentEdits.push_back(addText(comments, QStringLiteral("Comment %1").arg(i + 1), messages[i], 100));
    auto *clear = new QPushButton(QStringLiteral("Cle&ar"));
    connect(clear, &QPushButton::clicked, this, [commentEdits] {
        for (QLineEdit *edit : commentEdits)
            edit->clear();
    });
    comments->addRow(clear);

    QFormLayout *points = groupForm(layout, QStringLiteral("Points Messages"));
    QString cOption::*pointMessages[] = {&cOption::PointsMessage1, &cOption::PointsMessage2, &cOption::PointsMessage3,
                                         &cOption::PointsMessage4, &cOption::PointsMessage5, &cOption::PointsMessage6,
                                         &cOption::PointsMessage7, &cOption::PointsMessage8, &cOption::PointsMessage9};
    for (int i = 0; i < 9; ++i)
        addText(points, QStringLiteral("Points Message %1").arg(i + 1), pointMessages[i], 100);
    points->addRow(note(QStringLiteral("\"%%%%%\" in a points message is replaced by the point value.")));
    return page;
}

QWidget *OptionsScreen::printingPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QFormLayout *show = groupForm(layout, QStringLiteral("Print On Invoice"));
    addFlag(show, QStringLiteral("Customer Number"), &cOption::PrintInvoiceShowCustomerNumber);
    addFlag(show, QStringLiteral("Reporting Area"), &cOption::PrintInvoiceShowReportingArea);
    addFlag(show, QStringLiteral("Use Second Address"), &cOption::PrintInvoiceUseSecondAddress);
    addFlag(show, QStringLiteral("Business Helper Name"), &cOption::PrintInvoiceShowHelperName);
    addFlag(show, QStringLiteral("Brochure Count"), &cOption::PrintInvoiceShowBrochureCount);
    addFlag(show, QStringLiteral("Item Count"), &cOption::PrintInvoiceShowItemCount);
    addFlag(show, QStringLiteral("Delivery Information"), &cOption::PrintInvoiceShowDeliveryInfo);
    addFlag(show, QStringLiteral("Savings"), &cOption::PrintInvoiceShowSavings);
    addFlag(show, QStringLiteral("Unpaid Previous Balance"), &cOption::ShowBalance);
    addFlag(show, QStringLiteral("Tax Calculations"), &cOption::PrintTaxCalcsOnOrder);

    QFormLayout *choices = groupForm(layout, QStringLiteral("Print Choices"));
    m_quantityPrint = new QButtonGroup(this);
    auto *quantity = new QHBoxLayout;
    for (const auto &[text, value] : {std::pair{"Order Quantity Only", "O"}, {"Price Quantity Only", "P"}, {"Both", "B"}})
        quantity->addWidget(addChoice(m_quantityPrint, QString::fromLatin1(text), QString::fromLatin1(value)));
    choices->addRow(QStringLiteral("Quantity"), quantity);
    m_binder.choice(m_quantityPrint, &cOption::QuantityPrint, QStringLiteral("O"));

    m_dateBox = new QCheckBox(QStringLiteral("Print &Date On Order"));
    m_dateChoice = new QButtonGroup(this);
    m_dateEntered = addChoice(m_dateChoice, QStringLiteral("Order Entered Date"), QStringLiteral("E"));
    m_dateCurrent = addChoice(m_dateChoice, QStringLiteral("Current or Selected Date"), QStringLiteral("C"));
    auto *date = new QHBoxLayout;
    date->addWidget(m_dateBox);
    date->addWidget(m_dateEntered);
    date->addWidget(m_dateCurrent);
    choices->addRow(QStringLiteral("Date"), date);
    connect(m_dateBox, &QCheckBox::toggled, m_dateEntered, &QWidget::setEnabled);
    connect(m_dateBox, &QCheckBox::toggled, m_dateCurrent, &QWidget::setEnabled);

    m_printSequence = new QButtonGroup(this);
    auto *sequence = new QHBoxLayout;
    sequence->addWidget(addChoice(m_printSequence, QStringLiteral("Page and Catalog Order"), QStringLiteral("PAGECAT")));
    sequence->addWidget(addChoice(m_printSequence, QStringLiteral("Entry Order"), QStringLiteral("ENTERED")));
    choices->addRow(QStringLiteral("Line Order"), sequence);
    m_binder.choice(m_printSequence, &cOption::OrdersPrintSequence, QStringLiteral("PAGECAT"));

    QFormLayout *paper = groupForm(layout, QStringLiteral("Paper"));
    m_paperType = new QButtonGroup(this);
    auto *paperTypes = new QHBoxLayout;
    paperTypes->addWidget(addChoice(m_paperType, QStringLiteral("United States Letter"), QStringLiteral("U")));
    paperTypes->addWidget(addChoice(m_paperType, QStringLiteral("International A4"), QStringLiteral("I")));
    paper->addRow(QStringLiteral("Paper Type"), paperTypes);
    m_binder.choice(m_paperType, &cOption::PaperType, QStringLiteral("U"));
    m_topMargin = new QComboBox;
    m_bottomMargin = new QComboBox;
    m_topMargin->setAccessibleName(QStringLiteral("Top Margin"));
    m_bottomMargin->setAccessibleName(QStringLiteral("Bottom Margin"));
    paper->addRow(QStringLiteral("Top Margin"), m_topMargin);
    paper->addRow(QStringLiteral("Bottom Margin"), m_bottomMargin);
    connect(m_paperType, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool checked) {
        if (checked)
            fillMargins();
    });

    QFormLayout *mail = groupForm(layout, QStringLiteral("E-mail"));
    addText(mail, QStringLiteral("Subject"), &cOption::EmailSubject, 250);
    addText(mail, QStringLiteral("Body"), &cOption::EmailBody, 250);
    return page;
}

QWidget *OptionsScreen::campaignPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    QFormLayout *form = groupForm(layout, QStringLiteral("Current ####"));
    m_campaignNumber = new QSpinBox;
    m_campaignNumber->setRange(1, 30);
    m_campaignYear = new QSpinBox;
    m_campaignYear->setRange(1990, 2099);
    m_lastCampaign = new QSpinBox;
    m_lastCampaign->setRange(1, 30);
    m_campaignNumber->setAccessibleName(QStringLiteral("Current Campaign Number"));
    m_campaignYear->setAccessibleName(QStringLiteral("Current Campaign Year"));
    m_lastCampaign->setAccessibleName(QStringLiteral("Last Campaign Number Of Year"));
    form->addRow(QStringLiteral("Current #### &Number"), m_campaignNumber);
    form->addRow(QStringLiteral("Current #### &Year"), m_campaignYear);
    form->addRow(QStringLiteral("Last #### Num&ber Of Year"), m_lastCampaign);
    m_binder.number(m_campaignNumber, &cOption::CurrentCampaignNumber);
    m_binder.number(m_campaignYear, &cOption::CurrentCampaignYear);
    m_binder.number(m_lastCampaign, &cOption::LastCampaignNumberOfYear);
    auto *steps = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("&Previous ####"));
    auto *next = new QPushButton(QStringLiteral("Ne&xt ####"));
    steps->addWidget(previous);
    steps->addWidget(next);
    form->addRow(steps);
    connect(previous, &QPushButton::clicked, this, [this] { stepCampaign(false); });
    connect(next, &QPushButton::clicked, this, [this] { stepCampaign(true); });
    layout->addWidget(note(QStringLiteral("The last #### number of the year decides when a back order that moves to the "
                                          "next #### moves to the following year and #### number 1.")));
    layout->addStretch();
    return page;
}

QWidget *OptionsScreen::earningsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_earnings = new EarningsModel([this](const QString &message) { state().prompter.information(message); }, this);
    m_earningsGrid = new RecordGridView(kEarningsGrid, state());
    m_earningsGrid->setAccessibleName(QStringLiteral("Earnings"));
    m_earningsGrid->setModel(m_earnings);
    m_earningsGrid->setSortingEnabled(true);
    m_earningsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(m_earningsGrid->horizontalHeader(), &QHeaderView::sectionPressed, this, [this] {
        // An open cell editor has the focus inside the grid's viewport.
        const QWidget *focus = QApplication::focusWidget();
        if (focus && focus != m_earningsGrid && m_earningsGrid->isAncestorOf(focus))
            state().prompter.information(earnings::kSortWhileEditing);
    });
    layout->addWidget(m_earningsGrid);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("&Add Earnings Type"));
    auto *remove = new QPushButton(QStringLiteral("&Delete Earnings Type"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        const int row = m_earnings->addRow();
        m_earningsGrid->setCurrentIndex(m_earnings->index(row, 0));
        m_earningsGrid->edit(m_earnings->index(row, 0));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_earningsGrid->currentIndex().isValid())
            m_earnings->removeRow(m_earningsGrid->currentIndex().row());
    });
    return page;
}

QWidget *OptionsScreen::fontsPageWidget()
{
    m_fonts = new FontsPage(state().settings, state().prompter);
    return m_fonts;
}

void OptionsScreen::load()
{
    setUpScreen();
    m_databaseLabel->setText(QStringLiteral("Current Database : ") + state().databasePath);
    const cOption &options = state().options;
    m_binder.load(options);
    m_dateBox->setChecked(options.PrintDateOnOrder != QLatin1String("N"));
    for (QAbstractButton *button : m_dateChoice->buttons())
        if (button->property("value").toString() == options.PrintDateOnOrder)
            button->setChecked(true);
    if (!m_dateChoice->checkedButton())
        m_dateEntered->setChecked(true);
    m_dateEntered->setEnabled(m_dateBox->isChecked());
    m_dateCurrent->setEnabled(m_dateBox->isChecked());
    fillMargins();
    m_topMargin->setCurrentText(options.PrintInvoiceTopMargin);
    m_bottomMargin->setCurrentText(options.PrintInvoiceBottomMargin);

    if (state().isDatabaseOpen())
        m_earnings->setRows(earnings::load(state().data));
    rememberShownValues();
    m_earningsGrid->restoreLayout();
}

void OptionsScreen::fillMargins()
{
    QAbstractButton *paper = m_paperType->checkedButton();
    const QString type = paper ? paper->property("value").toString() : QStringLiteral("U");
    for (QComboBox *box : {m_topMargin, m_bottomMargin}) {
        const QString kept = box->currentText();
        box->clear();
        box->addItems(options::marginChoices(type));
        box->setCurrentText(options::marginChoices(type).contains(kept) ? kept : options::defaultMargin(type));
    }
}

bool OptionsScreen::readControls(cOption &options)
{
    if (const QString message = m_binder.read(options); !message.isEmpty()) {
        state().prompter.information(message);
        return false;
    }
    const QAbstractButton *date = m_dateChoice->checkedButton();
    options.PrintDateOnOrder = options::printDateValue(m_dateBox->isChecked(), date ? date->property("value").toString() : QString());
    options.PrintInvoiceTopMargin = m_topMargin->currentText();
    options.PrintInvoiceBottomMargin = m_bottomMargin->currentText();
    return true;
}

// What the controls show before any edit; closing compares with it to know whether to ask.
void OptionsScreen::rememberShownValues()
{
    m_shown = state().options;
    readControls(m_shown);
}

bool OptionsScreen::checkEarningsRows()
{
    for (int row = 0; row < m_earnings->rowCount(); ++row) {
        const QString message = m_earnings->checkRow(row);
        if (!message.isEmpty()) {
            m_pages->setCurrentWidget(m_earningsGrid->parentWidget());
            m_earningsGrid->selectRow(row);
            state().prompter.information(message);
            return false;
        }
    }
    return true;
}

bool OptionsScreen::save()
{
    cOption options = state().options;
    if (!readControls(options))
        return false;
    for (const QString &warning : options::extraChargeWarnings(options.FlatAmount, options.FlatPercent))
        state().prompter.information(warning);
    if (m_earnings->isModified() && !checkEarningsRows())
        return false;
    state().options = options;
    if (!state().options.OptionSave(state().data))
        return false;
    m_shown = options;
    return saveEarnings() && m_translations->save();
}

bool OptionsScreen::saveEarnings()
{
    if (!m_earnings->isModified())
        return true;
    if (!earnings::save(state().data, m_earnings->rows())) {
        state().prompter.information(earnings::kRejectedRow);
        return false;
    }
    m_earnings->setModified(false);
    return true;
}

void OptionsScreen::stepCampaign(bool forward)
{
    cOption &options = state().options;
    options.CurrentCampaignNumber = m_campaignNumber->value();
    options.CurrentCampaignYear = m_campaignYear->value();
    const bool changed = forward ? options.CampaignIncrement() : options.CampaignDecrement();
    if (!changed) {
        state().prompter.beep();
        return;
    }
    m_campaignNumber->setValue(options.CurrentCampaignNumber);
    if (state().seams.saveOptions)
        state().seams.saveOptions();
}

void OptionsScreen::askToSaveBeforeClosing()
{
    cOption edited = state().options;
    const bool readable = readControls(edited);
    if (readable && edited == m_shown && !m_earnings->isModified() && !m_translations->model()->isModified())
        return;
    const Answer answer = state().prompter.ask({QStringLiteral("Save the changes to the options?"), kMessageTitle,
                                                Buttons::YesNo, Answer::Yes, Icon::Question});
    if (answer == Answer::Yes)
        save();
}

bool OptionsScreen::confirmClose()
{
    askToSaveBeforeClosing();
    return true;
}

QLineEdit *OptionsScreen::textField(const QString &accessibleName) const
{
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        if (edit->accessibleName() == accessibleName)
            return edit;
    return nullptr;
}

QCheckBox *OptionsScreen::checkBox(const QString &text) const
{
    for (QCheckBox *box : findChildren<QCheckBox *>())
        if (box->accessibleName() == text || box->text() == text)
            return box;
    return nullptr;
}

} // namespace zel
