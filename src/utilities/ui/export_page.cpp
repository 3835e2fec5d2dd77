#include "utilities/ui/export_page.h"

#include "exchange/customer_export.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

namespace {

// A titled box of option buttons, each named for the screen's saved choices.
template <std::size_t N>
QGroupBox *optionBox(QWidget *parent, const QString &title, const char *const (&captions)[N], const char *const (&names)[N],
                     QRadioButton **buttons)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), box);
        buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        layout->addWidget(buttons[i]);
    }
    return box;
}

template <class Choice, std::size_t N>
std::optional<Choice> checkedOf(QRadioButton *const (&buttons)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            return static_cast<Choice>(i);
    return std::nullopt;
}

} // namespace

ExportPage::ExportPage(AppState &state, QWidget *parent)
    : UtilityPage(state, parent), m_header(new QCheckBox(QStringLiteral("Include Column &Header Row in Output"), this))
{
    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(QStringLiteral(
        "The export function will only export in a comma delimited format.  All embedded commas and double quotes will be "
        "replaced with blanks before exporting. This information can be imported into other applications such as a label "
        "programs, spreadsheets, databases and also hand held PDA's.  Not to be used as a Database backup."), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto *row = new QHBoxLayout;
    static const char *const selections[] = {"&Active Customers", "&Closed Customers", "All C&ustomers"};
    static const char *const selectionNames[] = {"optExportActive", "optExportClosed", "optExportAll"};
    row->addWidget(optionBox(this, QStringLiteral("Selection"), selections, selectionNames, m_selections), 0, Qt::AlignTop);
    static const char *const sorts[] = {"By &Zip Code", "By &Last Name, First Name"};
    static const char *const sortNames[] = {"optExportByZip", "optExportByName"};
    row->addWidget(optionBox(this, QStringLiteral("Sort"), sorts, sortNames, m_sorts), 0, Qt::AlignTop);
    static const char *const contents[] = {"Name/Address/&Phones", "All Customer &Data", "All &Order Data", "E&mail Addresses"};
    static const char *const contentNames[] = {"optExportNames", "optExportAllCustomer", "optExportOrders", "optExportEmails"};
    row->addWidget(optionBox(this, QStringLiteral("Content"), contents, contentNames, m_contents), 0, Qt::AlignTop);
    row->addStretch();
    layout->addLayout(row);

    m_header->setObjectName(QStringLiteral("chkExportHeader"));
    layout->addWidget(m_header);
    auto *buttons = new QHBoxLayout;
    auto *exportButton = new QPushButton(QStringLiteral("&Export"), this);
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ExportPage::runExport);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void ExportPage::runExport()
{
    exchange::ExportChoices choices;
    choices.selection = checkedOf<exchange::ExportSelection>(m_selections);
    choices.sort = checkedOf<exchange::ExportSort>(m_sorts);
    choices.content = checkedOf<exchange::ExportContent>(m_contents);
    choices.header = m_header->isChecked();
    exchange::CustomerExport(state()).run(choices, QString());
}

} // namespace zel
