#include "utilities/ui/product_database_page.h"

#include "exchange/product_database_import.h"
#include "shell/captions.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

ProductDatabasePage::ProductDatabasePage(AppState &state, QWidget *parent)
    : UtilityPage(state, parent), m_noDashes(nullptr), m_useDashes(nullptr), m_progress(new QLabel(this)),
      m_statistics(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(
        Gs_Caption_Replace(QStringLiteral(
            "Imports the product information of another product database: catalogue numbers, pages, descriptions, shades, "
            "sizes and prices. No customer or order information is imported. Such product databases are supplied by third "
            "parties.\n\nThe quantity on hand is always kept in #### year 0 and #### number 0, and a product already on file "
            "keeps yours. The Delete tab clears all product information.")),
        this);
    about->setWordWrap(true);
    layout->addWidget(about);

    auto *row = new QHBoxLayout;
    auto *dashes = new QGroupBox(QStringLiteral("Product Number Dash Option"), this);
    auto *dashLayout = new QVBoxLayout(dashes);
    m_noDashes = new QRadioButton(QStringLiteral("N&o Dashes"), dashes);
    m_noDashes->setObjectName(QStringLiteral("optNoDashes"));
    m_useDashes = new QRadioButton(QStringLiteral("&Use Dashes  (123456 becomes 123-456)"), dashes);
    m_useDashes->setObjectName(QStringLiteral("optUseDashes"));
    dashLayout->addWidget(m_noDashes);
    dashLayout->addWidget(m_useDashes);
    auto *run = new QPushButton(QStringLiteral("&Import"), dashes);
    run->setObjectName(QStringLiteral("cmdImport"));
    run->setAutoDefault(false);
    connect(run, &QPushButton::clicked, this, [this] { runImport(); });
    dashLayout->addWidget(run, 0, Qt::AlignLeft);
    dashLayout->addStretch();
    row->addWidget(dashes);

    auto *stats = new QGroupBox(QStringLiteral("Product Statistics"), this);
    auto *statsLayout = new QVBoxLayout(stats);
    m_progress->setObjectName(QStringLiteral("lblProgress"));
    m_statistics->setObjectName(QStringLiteral("lblStatistics"));
    statsLayout->addWidget(m_progress);
    statsLayout->addWidget(m_statistics);
    statsLayout->addStretch();
    row->addWidget(stats, 1);
    layout->addLayout(row);
    layout->addStretch();
}

void ProductDatabasePage::runImport(const QString &file)
{
    exchange::ProductImportChoices choices;
    if (m_noDashes->isChecked() || m_useDashes->isChecked())
        choices.useDashes = m_useDashes->isChecked();
    choices.file = file;
    m_progress->setText(QStringLiteral("Importing . . ."));
    m_statistics->clear();
    const std::optional<exchange::ProductImportCounts> counts = exchange::ProductDatabaseImport(state()).run(choices);
    if (!counts) {
        m_progress->setText(QStringLiteral("Nothing was imported."));
        return;
    }
    m_progress->setText(QStringLiteral("Import Complete."));
    m_statistics->setText(QStringLiteral("Products read: %1\nAdded: %2\nUpdated: %3\nWithout a catalogue number: %4")
                              .arg(counts->read)
                              .arg(counts->added)
                              .arg(counts->updated)
                              .arg(counts->skipped));
}

} // namespace zel
