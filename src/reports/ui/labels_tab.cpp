#include "reports/ui/labels_tab.h"

#include "reports/labels.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_tab_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zel::reports {

namespace {

QStringList commaList(const QLineEdit *edit)
{
    QStringList list;
    for (const QString &part : edit->text().split(QLatin1Char(',')))
        if (!part.trimmed().isEmpty())
            list << part.trimmed();
    return list;
}

QLineEdit *lineEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

const QStringList kBooks = {QStringLiteral("All"), QStringLiteral("Not Zero"), QStringLiteral("Zero")};
const QStringList kBookValues = {QStringLiteral("all"), QStringLiteral("not-zero"), QStringLiteral("zero")};
const char *const kDefaultLines[] = {"First - Last Name", "Street Address", "City - State - Postal Code", "N/A"};

} // namespace

LabelsTab::LabelsTab(QWidget *parent) : ReportTab(parent), m_size(new QButtonGroup(this)), m_ordered(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *pages = new QTabWidget(this);
    pages->addTab(selectionPage(), QStringLiteral("Selection"));
    pages->addTab(formatPage(), QStringLiteral("Format"));
    layout->addWidget(pages);
    resetDefaults();
}

QWidget *LabelsTab::selectionPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(choiceBox(QStringLiteral("Label Type"), m_size,
                              {{QStringLiteral("A: 1 x 2 5/8 in, 3 across, 10 down"), QStringLiteral("optLabelA"), QStringLiteral("A")},
                               {QStringLiteral("B: 1 x 4 in, 2 across, 10 down"), QStringLiteral("optLabelB"), QStringLiteral("B")},
                               {QStringLiteral("C: 1 1/3 x 4 in, 2 across, 7 down"), QStringLiteral("optLabelC"), QStringLiteral("C")},
                               {QStringLiteral("D: 2 x 4 in, 2 across, 5 down, return address"), QStringLiteral("optLabelD"), QStringLiteral("D")},
                               {QStringLiteral("E: 29.7 x 52.5 mm, 4 across, 10 down (A4)"), QStringLiteral("optLabelE"), QStringLiteral("E")}}),
                    0, 0);
    grid->addWidget(choiceBox(QStringLiteral("Selection Criteria"), m_ordered,
                              {{QStringLiteral("All Customers"), QStringLiteral("optLabelAll"), QStringLiteral("all")},
                               {QStringLiteral("Ordered (Selected ####)"), QStringLiteral("optLabelOrdered"), QStringLiteral("ordered")},
                               {QStringLiteral("Not Ordered (Selected ####)"), QStringLiteral("optLabelNotOrdered"), QStringLiteral("not-ordered")}}),
                    0, 1);
    auto *filters = new QGroupBox(QStringLiteral("Customers"));
    auto *form = new QFormLayout(filters);
    m_printLabel = new QCheckBox(QStringLiteral("Print Label flag set"), filters);
    m_printLabel->setObjectName(QStringLiteral("chkLabelPrintFlag"));
    m_searchLabel = new QCheckBox(QStringLiteral("Search Label flag set (by the customer search)"), filters);
    m_searchLabel->setObjectName(QStringLiteral("chkLabelSearchFlag"));
    m_status = lineEdit(QStringLiteral("txtLabelStatus"), filters);
    m_status->setPlaceholderText(QStringLiteral("All"));
    m_books = new QComboBox(filters);
    m_books->setObjectName(QStringLiteral("cboLabelBooks"));
    m_books->addItems(kBooks);
    m_brochureStatuses = lineEdit(QStringLiteral("txtLabelBrochureStatuses"), filters);
    m_brochureTypes = lineEdit(QStringLiteral("txtLabelBrochureTypes"), filters);
    m_brochureStatuses->setPlaceholderText(QStringLiteral("any; several separated by commas"));
    m_brochureTypes->setPlaceholderText(QStringLiteral("any; several separated by commas"));
    form->addRow(m_printLabel);
    form->addRow(m_searchLabel);
    form->addRow(QStringLiteral("Customer status:"), m_status);
    form->addRow(QStringLiteral("Number of brochures:"), m_books);
    form->addRow(QStringLiteral("Brochure statuses:"), m_brochureStatuses);
    form->addRow(QStringLiteral("Brochure types:"), m_brochureTypes);
    grid->addWidget(filters, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget *LabelsTab::formatPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *lines = new QGroupBox(QStringLiteral("Label Lines"));
    auto *lineForm = new QFormLayout(lines);
    for (int i = 0; i < 4; ++i) {
        m_lines[size_t(i)] = new QComboBox(lines);
        m_lines[size_t(i)]->setObjectName(QStringLiteral("cboLabelLine%1").arg(i + 1));
        m_lines[size_t(i)]->addItems(LabelsSelection::lineChoices());
        lineForm->addRow(QStringLiteral("Line %1:").arg(i + 1), m_lines[size_t(i)]);
    }
    m_suppressEmpty = new QCheckBox(QStringLiteral("Suppress label when Lines 2-4 are missing."), lines);
    m_suppressEmpty->setObjectName(QStringLiteral("chkLabelSuppress"));
    lineForm->addRow(m_suppressEmpty);
    m_firstLabel = new QSpinBox(lines);
    m_firstLabel->setObjectName(QStringLiteral("spnLabelFirst"));
    m_firstLabel->setRange(1, 40);
    m_firstLabel->setToolTip(QStringLiteral("On a partly used sheet, the place of the first free label, counted across then down."));
    lineForm->addRow(QStringLiteral("Start at label:"), m_firstLabel);
    m_message = lineEdit(QStringLiteral("txtLabelMessage"), lines);
    lineForm->addRow(QStringLiteral("Custom message:"), m_message);
    lineForm->addRow(noteLabel(QStringLiteral("The custom message is printed on every line set to \"Custom Message\". A "
                                              "\"- 2\" line prints the second address when the customer has one, else the first.")));
    grid->addWidget(lines, 0, 0);

    auto *right = new QVBoxLayout;
    auto *sorts = new QGroupBox(QStringLiteral("Sort"));
    auto *sortForm = new QFormLayout(sorts);
    for (int i = 0; i < 3; ++i) {
        m_sorts[size_t(i)] = new QComboBox(sorts);
        m_sorts[size_t(i)]->setObjectName(QStringLiteral("cboLabelSort%1").arg(i + 1));
        m_sorts[size_t(i)]->addItems(QStringList{QString()} + LabelsSelection::sortChoices());
        sortForm->addRow(QStringLiteral("Sort %1:").arg(i + 1), m_sorts[size_t(i)]);
    }
    right->addWidget(sorts);
    auto *returnBox = new QGroupBox(QStringLiteral("Return Address (Type D)"));
    auto *returnForm = new QFormLayout(returnBox);
    for (int i = 0; i < 4; ++i) {
        m_returnLines[size_t(i)] = lineEdit(QStringLiteral("txtLabelReturn%1").arg(i + 1), returnBox);
        returnForm->addRow(QStringLiteral("Return line %1:").arg(i + 1), m_returnLines[size_t(i)]);
    }
    right->addWidget(returnBox);
    right->addStretch();
    grid->addLayout(right, 0, 1);
    grid->setRowStretch(1, 1);
    return page;
}

void LabelsTab::fill(ReportParameters &parameters) const
{
    using S = LabelsSelection;
    QVariantMap &c = parameters.choices;
    c.insert(S::kSize, checkedValue(m_size));
    c.insert(S::kOrdered, checkedValue(m_ordered));
    for (int i = 0; i < 4; ++i) {
        c.insert(S::kLine.arg(i + 1), m_lines[size_t(i)]->currentText());
        c.insert(S::kReturnLine.arg(i + 1), m_returnLines[size_t(i)]->text());
    }
    QStringList sorts;
    for (const QComboBox *sort : m_sorts)
        sorts << sort->currentText();
    c.insert(S::kSorts, sorts);
    c.insert(S::kPrintLabel, m_printLabel->isChecked());
    c.insert(S::kSearchLabel, m_searchLabel->isChecked());
    c.insert(S::kStatus, m_status->text().trimmed());
    c.insert(S::kBooks, kBookValues.value(m_books->currentIndex()));
    c.insert(S::kBrochureStatuses, commaList(m_brochureStatuses));
    c.insert(S::kBrochureTypes, commaList(m_brochureTypes));
    c.insert(S::kSuppressEmpty, m_suppressEmpty->isChecked());
    c.insert(S::kCustomMessage, m_message->text());
    c.insert(S::kFirstLabel, m_firstLabel->value());
}

void LabelsTab::resetDefaults()
{
    checkValue(m_size, QStringLiteral("A"));
    checkValue(m_ordered, QStringLiteral("all"));
    for (int i = 0; i < 4; ++i)
        m_lines[size_t(i)]->setCurrentText(QLatin1String(kDefaultLines[i]));
    for (QComboBox *sort : m_sorts)
        sort->setCurrentIndex(0);
    m_sorts[0]->setCurrentText(QStringLiteral("Last and First Name"));
    for (QCheckBox *c : {m_printLabel, m_searchLabel, m_suppressEmpty})
        c->setChecked(false);
    for (QLineEdit *e : {m_status, m_brochureStatuses, m_brochureTypes, m_message})
        e->clear();
    m_books->setCurrentIndex(0);
    m_firstLabel->setValue(1);
}

} // namespace zel::reports
