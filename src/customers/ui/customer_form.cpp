#include "customers/ui/customer_form.h"

#include "core/prompter.h"
#include "customers/customer_choices.h"
#include "customers/customer_records.h"
#include "session/app_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace zel::customers {

namespace {

QComboBox *freeEntryList(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(12);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

} // namespace

CustomerForm::CustomerForm(AppState &state, QWidget *parent) : QWidget(parent), m_app(state)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *nameBox = new QGroupBox(QStringLiteral("Name"), this);
    auto *names = new QFormLayout(nameBox);
    m_first = edit(names, QStringLiteral("First &Name:"), &Customer::firstName, 30);
    m_last = edit(names, QStringLiteral("&Last Name:"), &Customer::lastName, 30);
    nameBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    left->addWidget(nameBox);
    left->addWidget(addressBox(1));
    left->addWidget(addressBox(2));
    columns->addLayout(left, 3);

    auto *contactBox = new QGroupBox(QStringLiteral("Contact"), this);
    auto *contact = new QFormLayout(contactBox);
    edit(contact, QStringLiteral("Phone 1:"), &Customer::phone1, 50);
    edit(contact, QStringLiteral("Phone 2:"), &Customer::phone2, 50);
    edit(contact, QStringLiteral("Phone 3:"), &Customer::phone3, 50);
    edit(contact, QStringLiteral("&E-mail:"), &Customer::email, 100);
    list(contact, QStringLiteral("Referred &By:"), &Customer::referredBy)->setProperty("choices", int(ChoiceList::ReferredBy));
    list(contact, QStringLiteral("Reporting Area:"), &Customer::area)->setProperty("choices", int(ChoiceList::Area));
    list(contact, QStringLiteral("Pickup Message:"), &Customer::deliveryPickupMessage)
        ->setProperty("choices", int(ChoiceList::PickupMessage));
    edit(contact, QStringLiteral("Delivery Comments:"), &Customer::deliveryPaymentComments, 250);
    columns->addWidget(contactBox, 3);

    auto *termsBox = new QGroupBox(QStringLiteral("Terms"), this);
    auto *terms = new QFormLayout(termsBox);
    list(terms, QStringLiteral("&Status:"), &Customer::status,
         {QStringLiteral("Active"), QStringLiteral("Closed"), QStringLiteral("Deleted")});
    list(terms, QStringLiteral("Lan&guage:"), &Customer::language,
         {QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("Spanish"), QStringLiteral("Custom")});
    list(terms, QStringLiteral("Gender:"), &Customer::gender, {QStringLiteral("F"), QStringLiteral("M")});
    m_discount = percent(terms, QStringLiteral("&Discount %:"), &Customer::discountPercent, QStringLiteral("Discount Percent"));
    percent(terms, QStringLiteral("Tax Rate 1 %:"), &Customer::taxRate1, QStringLiteral("Tax Rate 1 Percent"));
    percent(terms, QStringLiteral("Tax Rate 2 %:"), &Customer::taxRate2, QStringLiteral("Tax Rate 2 Percent"));
    list(terms, QStringLiteral("Brochure T&ype:"), &Customer::brochureType)->setProperty("choices", int(ChoiceList::BrochureType));
    list(terms, QStringLiteral("Brochure Stat&us:"), &Customer::brochureStatus)
        ->setProperty("choices", int(ChoiceList::BrochureStatus));
    const struct
    {
        const char *caption;
        QString Customer::*member;
    } switches[] = {{"Processing Charge", &Customer::processingCharge}, {"Discount as Line", &Customer::discountAsLine},
                    {"Ta&x Exempt", &Customer::taxExempt},               {"Label (Address 1)", &Customer::labelFlag},
                    {"Label (Address 2)", &Customer::labelFlag2}};
    for (const auto &s : switches) {
        auto *box = new QCheckBox(QString::fromUtf8(s.caption), termsBox);
        m_binder.flag(box, s.member);
        terms->addRow(box);
    }
    auto *supplies = new QCheckBox(QStringLiteral("Su&pplies"), termsBox);
    m_binder.flag(supplies, &Customer::supplies);
    terms->addRow(supplies);
    columns->addWidget(termsBox, 2);

    // Rows sit close together so that the page fits a 1024x768 desktop with the screen's bars.
    for (QFormLayout *form : findChildren<QFormLayout *>()) {
        form->setVerticalSpacing(3);
        form->setContentsMargins(8, 4, 8, 4);
    }

    for (QLineEdit *name : {m_first, m_last}) {
        connect(name, &QLineEdit::textChanged, this, [this] { emit nameChanged(m_first->text(), m_last->text()); });
        connect(name, &QLineEdit::editingFinished, this, [this] {
            if (m_isNew && !m_last->text().trimmed().isEmpty())
                checkDuplicates();
        });
    }
}

QWidget *CustomerForm::addressBox(int address)
{
    const bool first = address == 1;
    auto *box = new QGroupBox(first ? QStringLiteral("Address") : QStringLiteral("Second Address"), this);
    auto *form = new QFormLayout(box);
    edit(form, first ? QStringLiteral("House Number:") : QStringLiteral("House Number:"),
         first ? &Customer::houseNumber : &Customer::houseNumber2, 10);
    edit(form, first ? QStringLiteral("&Address:") : QStringLiteral("Address:"), first ? &Customer::address : &Customer::address2, 30);
    QComboBox *city = list(form, first ? QStringLiteral("&City:") : QStringLiteral("City:"), first ? &Customer::city : &Customer::city2);
    QComboBox *state = list(form, first ? QStringLiteral("Sta&te:") : QStringLiteral("State:"), first ? &Customer::state : &Customer::state2);
    QComboBox *zip = list(form, first ? QStringLiteral("&Zip Code:") : QStringLiteral("Zip Code:"),
                          first ? &Customer::zipCode : &Customer::zipCode2);
    QComboBox *country = list(form, first ? QStringLiteral("C&ountry:") : QStringLiteral("Country:"),
                              first ? &Customer::country : &Customer::country2);
    city->setProperty("choices", int(ChoiceList::City));
    state->setProperty("choices", int(ChoiceList::State));
    zip->setProperty("choices", int(ChoiceList::ZipCode));
    country->setProperty("choices", int(ChoiceList::Country));
    (first ? m_city : m_city2) = city;
    (first ? m_state : m_state2) = state;
    (first ? m_zip : m_zip2) = zip;
    const QComboBox *parts[] = {city, state, zip};
    for (int part = 0; part < 3; ++part) {
        connect(parts[part]->lineEdit(), &QLineEdit::editingFinished, this, [this, address, part] { completePlace(address, part); });
        connect(parts[part], &QComboBox::activated, this, [this, address, part] { completePlace(address, part); });
    }
    return box;
}

QLineEdit *CustomerForm::edit(QFormLayout *layout, const QString &caption, QString Customer::*member, int maxLength)
{
    auto *line = new QLineEdit(layout->parentWidget());
    line->setMaxLength(maxLength);
    layout->addRow(caption, line);
    m_binder.text(line, member);
    return line;
}

QComboBox *CustomerForm::list(QFormLayout *layout, const QString &caption, QString Customer::*member, const QStringList &fixed)
{
    QComboBox *box = freeEntryList(layout->parentWidget());
    box->addItems(fixed);
    box->setProperty("fixed", !fixed.isEmpty());
    layout->addRow(caption, box);
    m_binder.list(box, member);
    m_lists.emplace_back(box, -1);
    return box;
}

QLineEdit *CustomerForm::percent(QFormLayout *layout, const QString &caption, Currency Customer::*member, const QString &what)
{
    auto *line = new QLineEdit(layout->parentWidget());
    layout->addRow(caption, line);
    m_binder.money(line, member, what + QStringLiteral(" must be numeric."));
    connect(line, &QLineEdit::editingFinished, this, [this, line, what] { checkPercent(line, what); });
    return line;
}

void CustomerForm::fillLists()
{
    for (auto &[box, unused] : m_lists) {
        const QVariant choices = box->property("choices");
        if (!choices.isValid())
            continue;
        const QString typed = box->currentText();
        box->clear();
        box->addItems(choiceValues(m_app.data, ChoiceList(choices.toInt())));
        box->setCurrentText(typed);
    }
}

void CustomerForm::load(const Customer &customer, bool isNew)
{
    m_number = customer.number;
    m_isNew = isNew;
    fillLists();
    m_binder.load(customer);
}

QString CustomerForm::read(Customer &customer) const
{
    return m_binder.read(customer);
}

void CustomerForm::checkDuplicates()
{
    const std::vector<int> numbers = duplicateNames(m_app.data, m_number, m_last->text().trimmed(), m_first->text().trimmed());
    if (numbers.empty())
        return;
    QStringList found;
    for (const int number : numbers)
        if (const std::optional<Customer> other = loadCustomer(m_app.data, number))
            found << other->firstName + QLatin1Char(' ') + other->lastName + QStringLiteral("  (Customer # %1)").arg(number);
    m_app.prompter.information(found.join(QLatin1Char('\n'))
                               + QStringLiteral("\n\nThis customer may already exist in this database, please review list.\n\n"
                                                "Use DELETE CUSTOMER if you wish to remove the current customer."));
}

void CustomerForm::checkPercent(QLineEdit *edit, const QString &what)
{
    const std::optional<Currency> value = Currency::fromString(edit->text());
    if (value && *value > Currency::fromCents(10000))
        m_app.prompter.information(lines({QStringLiteral("Warning:"), what + QStringLiteral(" is greater than 100 Percent")}));
}

void CustomerForm::completePlace(int address, int entered)
{
    QComboBox *city = address == 1 ? m_city : m_city2;
    QComboBox *state = address == 1 ? m_state : m_state2;
    QComboBox *zip = address == 1 ? m_zip : m_zip2;
    const Place filled = customers::completePlace(m_app.data, {city->currentText().trimmed(), state->currentText().trimmed(),
                                                               zip->currentText().trimmed()},
                                                  PlacePart(entered));
    city->setCurrentText(filled.city);
    state->setCurrentText(filled.state);
    zip->setCurrentText(filled.zipCode);
}

} // namespace zel::customers
