#include "utilities/ui/import_page.h"

#include "core/prompter.h"
#include "exchange/customer_copy_import.h"
#include "exchange/text_customer_import.h"
#include "session/app_state.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

ImportPage::ImportPage(AppState &state, QWidget *parent)
    : UtilityPage(state, parent), m_delimiter(new QLineEdit(QStringLiteral(","), this)),
      m_qualifier(new QLineEdit(QStringLiteral("\""), this))
{
    auto *layout = new QVBoxLayout(this);
    auto *advice = new QLabel(QStringLiteral(
        "Before importing data into your regular database, it is suggested that a test database be created.  Use Main "
        "Menu/File/New Database.  Import the customer data using this test database.  Review the results before proceeding "
        "to import into your regular database."), this);
    advice->setWordWrap(true);
    layout->addWidget(advice);

    auto *row = new QHBoxLayout;
    auto *types = new QGroupBox(QStringLiteral("Import Type"), this);
    auto *typesLayout = new QVBoxLayout(types);
    const char *captions[TypeCount] = {"&CSV (Comma Separated Values)", "&MBA (CSV)", "Another ZEL Customer &Database",
                                       "&Timesaver (Canada)"};
    const char *names[TypeCount] = {"optImportCsv", "optImportMba", "optImportZel", "optImportTimesaver"};
    for (int t = 0; t < TypeCount; ++t) {
        m_types[t] = new QRadioButton(QString::fromLatin1(captions[t]), types);
        m_types[t]->setObjectName(QString::fromLatin1(names[t]));
        typesLayout->addWidget(m_types[t]);
    }
    row->addWidget(types, 0, Qt::AlignTop);

    auto *options = new QGroupBox(QStringLiteral("CSV Options"), this);
    options->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    auto *form = new QFormLayout(options);
    m_delimiter->setObjectName(QStringLiteral("txtCsvDelimiter"));
    m_qualifier->setObjectName(QStringLiteral("txtCsvQualifier"));
    for (QLineEdit *box : {m_delimiter, m_qualifier}) {
        box->setMaxLength(5);
        box->setMaximumWidth(60);
    }
    form->addRow(QStringLiteral("CSV De&limiter:"), m_delimiter);
    form->addRow(QStringLiteral("Text &Qualifer"), m_qualifier);
    row->addWidget(options, 0, Qt::AlignTop);
    row->addStretch();
    layout->addLayout(row);

    auto *buttons = new QHBoxLayout;
    auto *import = new QPushButton(QStringLiteral("&Import"), this);
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &ImportPage::runImport);
    buttons->addWidget(import);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void ImportPage::runImport()
{
    AppState &app = state();
    if (m_types[Csv]->isChecked() || m_types[NameAddress]->isChecked()) {
        exchange::TextImportRequest request;
        request.layout = m_types[Csv]->isChecked() ? exchange::TextLayout::Csv : exchange::TextLayout::NameAddress;
        request.delimiter = m_delimiter->text();
        request.qualifier = m_qualifier->text();
        exchange::TextCustomerImport(app).run(request);
    } else if (m_types[ZelDatabase]->isChecked() || m_types[Timesaver]->isChecked()) {
        exchange::CustomerCopyImport(app).run(
            m_types[ZelDatabase]->isChecked() ? exchange::CopySource::ZelDatabase : exchange::CopySource::Timesaver, QString());
    } else {
        app.prompter.information(QStringLiteral("Please Select an Import Option."));
    }
}

} // namespace zel
