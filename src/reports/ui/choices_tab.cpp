#include "reports/ui/choices_tab.h"

#include "customers/customer_choices.h"
#include "reports/helper_filter.h"
#include "reports/ui/report_tab_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zel::reports {

ChoicesTab::ChoicesTab(const Report &report, const QString &note, const QSet<QChar> &taken, QWidget *parent)
    : ReportTab(parent), m_name(report.name()), m_taken(taken)
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    addReportInputs(report, form);
    for (const ReportChoice &choice : report.choices()) {
        if (choice.key == HelperFilter::kChoice)
            continue; // the screen's own helper list gives it
        Field field{choice};
        const QString caption = captionOf(choice.option);
        if (choice.flag || isYesNo(choice)) {
            field.box = new QCheckBox(withMnemonic(caption), this);
            field.box->setObjectName(objectNameOf(choice));
            form->addRow(field.box);
        } else {
            QWidget *editor = nullptr;
            if (choice.values.isEmpty()) {
                field.text = new QLineEdit(this);
                field.text->setPlaceholderText(choice.usage);
                field.text->setMinimumWidth(220);
                editor = field.text;
            } else {
                field.list = new QComboBox(this);
                field.list->setMinimumWidth(220);
                for (const QString &value : choice.values)
                    field.list->addItem(captionOf(value), value);
                editor = field.list;
            }
            editor->setObjectName(objectNameOf(choice));
            auto *label = new QLabel(withMnemonic(caption) + QLatin1Char(':'), this);
            label->setBuddy(editor);
            form->addRow(label, editor);
        }
        m_fields.push_back(field);
    }
    layout->addLayout(form);
    if (!note.isEmpty())
        layout->addWidget(noteLabel(note));
    layout->addStretch();
}

void ChoicesTab::addReportInputs(const Report &report, QFormLayout *form)
{
    if (report.takes(ReportInput::Customer) && !report.needs(ReportInput::Customer)) {
        m_customer = new QComboBox(this);
        m_customer->setObjectName(QStringLiteral("rpt_%1_customer").arg(m_name));
        m_customer->setEditable(true);
        m_customer->setInsertPolicy(QComboBox::NoInsert);
        m_customer->lineEdit()->setPlaceholderText(QStringLiteral("every customer"));
        m_customer->setMinimumWidth(260);
        m_customer->setAccessibleName(QStringLiteral("Customer"));
        auto *label = new QLabel(withMnemonic(QStringLiteral("Customer")) + QLatin1Char(':'), this);
        label->setBuddy(m_customer);
        form->addRow(label, m_customer);
    }
    if (report.takes(ReportInput::ShortLayout)) {
        m_short = new QCheckBox(withMnemonic(QStringLiteral("Short Layout (several per page)")), this);
        m_short->setObjectName(QStringLiteral("rpt_%1_short").arg(m_name));
        form->addRow(m_short);
    }
}

void ChoicesTab::offerCustomers(const std::vector<customers::CustomerChoice> &customers)
{
    if (!m_customer)
        return;
    m_customer->clear();
    m_customer->addItem(QString(), 0);
    for (const customers::CustomerChoice &c : customers)
        m_customer->addItem(c.caption, c.number);
    // A part of a name typed anywhere finds her, as "Adams" or "Ann".
    m_customer->completer()->setFilterMode(Qt::MatchContains);
    m_customer->completer()->setCompletionMode(QCompleter::PopupCompletion);
}

int ChoicesTab::chosenCustomer() const
{
    if (!m_customer)
        return 0;
    const QString text = m_customer->currentText().trimmed();
    if (text.isEmpty())
        return 0;
    if (const int index = m_customer->findText(text, Qt::MatchFixedString); index > 0)
        return m_customer->itemData(index).toInt();
    bool number = false;
    const int typed = text.toInt(&number);
    return number && typed > 0 ? typed : -1;
}

QString ChoicesTab::problem() const
{
    if (chosenCustomer() >= 0)
        return {};
    return QStringLiteral("'%1' is not a customer: choose her from the list, or type her number.")
        .arg(m_customer->currentText().trimmed());
}

QString ChoicesTab::captionOf(const QString &word)
{
    QStringList parts = QString(word).remove(QRegularExpression(QStringLiteral("^-+"))).split(QLatin1Char('-'), Qt::SkipEmptyParts);
    for (QString &part : parts)
        part[0] = part[0].toUpper();
    return parts.join(QLatin1Char(' '));
}

QString ChoicesTab::withMnemonic(const QString &caption)
{
    for (int i = 0; i < caption.size(); ++i) {
        const QChar letter = caption.at(i).toLower();
        if (letter.isLetter() && !m_taken.contains(letter)) {
            m_taken.insert(letter);
            return caption.left(i) + QLatin1Char('&') + caption.mid(i);
        }
    }
    return caption;
}

QString ChoicesTab::objectNameOf(const ReportChoice &choice) const
{
    // Saved with the screen's other choices under this name.
    return QStringLiteral("rpt_%1_%2").arg(m_name, QString(choice.option).remove(QLatin1Char('-')));
}

bool ChoicesTab::isYesNo(const ReportChoice &choice)
{
    return choice.values == QStringList{QStringLiteral("yes"), QStringLiteral("no")};
}

void ChoicesTab::fill(ReportParameters &parameters) const
{
    if (const int customer = chosenCustomer(); customer != 0)
        parameters.customer = customer;
    if (m_short)
        parameters.shortLayout = m_short->isChecked();
    for (const Field &field : m_fields) {
        const ReportChoice &choice = field.choice;
        if (field.box && choice.flag)
            parameters.choices.insert(choice.key, field.box->isChecked());
        else if (field.box)
            parameters.choices.insert(choice.key, field.box->isChecked() ? QStringLiteral("yes") : QStringLiteral("no"));
        else if (field.list)
            parameters.choices.insert(choice.key, field.list->currentData().toString());
        else if (!field.text->text().trimmed().isEmpty())
            parameters.choices.insert(choice.key, field.text->text().trimmed());
    }
}

void ChoicesTab::resetDefaults()
{
    if (m_customer)
        m_customer->setCurrentIndex(0);
    if (m_short)
        m_short->setChecked(false);
    for (const Field &field : m_fields) {
        if (field.box)
            field.box->setChecked(false);
        else if (field.list)
            field.list->setCurrentIndex(0);
        else
            field.text->clear();
    }
}

} // namespace zel::reports
