#include "exchange/product_database_import.h"

#include "core/prompter.h"
#include "exchange/catalogue_dashes.h"
#include "exchange/product_source.h"
#include "exchange/zip_archive.h"
#include "orders/product_baseline.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"
#include "shell/transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zel::exchange {

namespace {

const QString kProcedure = QStringLiteral("Cmd_Import");
const QString kCampaignWord = QStringLiteral("Campaign");
constexpr int kProgressEvery = 100;

bool sameFile(const QString &a, const QString &b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString ProductDatabaseImport::chosenFile(const ProductImportChoices &choices)
{
    if (!choices.file.isEmpty())
        return choices.file;
    FileChoice choice;
    choice.title = QStringLiteral("Import Product Information");
    choice.filter = QStringLiteral("Product Database (*.ZELPD;*.ZIP)|*.ZELPD;*.ZIP|Zipped Product Database (*.ZIP)|*.ZIP|All "
                                   "Files (*.*)|*.*");
    choice.defaultExtension = QStringLiteral("ZELDB");
    choice.startFolder = m_state.settings.read(settings::LastProductImportPath);
    return m_state.prompter.chooseFile(choice);
}

std::optional<QString> ProductDatabaseImport::unzipped(const QString &zipPath, const QTemporaryDir &folder)
{
    Prompter &prompter = m_state.prompter;
    prompter.information(lines({QStringLiteral("This file appears to be a ZIP file."), QString(),
                                QStringLiteral("ZEL will attempt to UNZIP this file.")}));
    ZipArchive archive;
    const bool listed = archive.open(zipPath);
    if (listed && archive.fileNames().size() > 1) {
        prompter.information(QStringLiteral("This file contains more than 1 zipped file.  Action Cancelled."));
        return std::nullopt;
    }
    // The file goes into a folder of the import's own, never beside the ZIP: there it could replace
    // the open database or a file a link points to. Only its own name is kept, never a folder.
    const QString name = listed && archive.fileNames().size() == 1 ? archive.fileNames().constFirst() : QString();
    const QString fileName = QFileInfo(name).fileName();
    if (folder.isValid() && !fileName.isEmpty() && fileName != QLatin1String("..")) {
        const QString target = folder.filePath(fileName);
        if (archive.extract(name, target))
            return target;
        if (archive.tooLarge()) {
            prompter.information(lines({zipPath, QStringLiteral("The file in this ZIP file is larger than %1 MB: it cannot be a "
                                                                "product database.")
                                                     .arg(ZipArchive::kMaxExtractedBytes / (1024 * 1024)),
                                        QStringLiteral("Import Cancelled.")}),
                                 kMessageTitle, Icon::Exclamation);
            return std::nullopt;
        }
        m_state.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Unable to UNZIP ") + zipPath + QStringLiteral(": ")
                                                      + archive.errorString());
    }
    prompter.information(QStringLiteral("Error attempting to UNZIP the product database zip file. Will attempt to process as "
                                        "an UNZIPPED file."));
    return zipPath;
}

bool ProductDatabaseImport::confirmed(const QString &source)
{
    return m_state.prompter.askYesNo(lines({QStringLiteral("Do you wish to Import products from "), source,
                                            QStringLiteral("into "), m_state.databasePath, QStringLiteral(".")}));
}

std::optional<int> ProductDatabaseImport::askWhole(const QString &what, int lowest, int highest)
{
    const std::optional<QString> answer = m_state.prompter.inputText(
        QStringLiteral("Enter ") + kCampaignWord + QLatin1Char(' ') + what + QStringLiteral(" to assign to this import."),
        QStringLiteral("Set Import Year"), QString());
    if (!answer || answer->trimmed().isEmpty()) {
        m_state.prompter.information(QStringLiteral("Import cancelled."));
        return std::nullopt;
    }
    bool ok = false;
    const int value = answer->trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        m_state.prompter.information(QStringLiteral("Invalid ") + kCampaignWord + QLatin1Char(' ') + what
                                     + QStringLiteral(", Import Cancelled."));
        return std::nullopt;
    }
    return value;
}

std::optional<Campaign> ProductDatabaseImport::askCampaign()
{
    const std::optional<int> year = askWhole(QStringLiteral("Year"), ProductMerge::kFirstYear, ProductMerge::kLastYear);
    const std::optional<int> number = year ? askWhole(QStringLiteral("Number"), 1, 30) : std::nullopt;
    if (!number)
        return std::nullopt;
    return Campaign{*year, *number};
}

std::optional<ProductImportCounts> ProductDatabaseImport::merge(ProductSource &source, bool useDashes,
                                                                std::optional<Campaign> assigned)
{
    cDataAccess &data = m_state.data;
    Prompter &prompter = m_state.prompter;
    Transaction transaction(m_state.database.handle());
    // The baseline pass finds every row of a catalogue number through the database's catalog number
    // index ("Products Catalog Index", made when the database is opened).
    ProductMerge merge(data, source.columns(), useDashes, assigned);
    bool written = true;
    // Thousands of statements of one kind would bury the SQL log; the import says what it did instead.
    const bool logging = data.sqlLogging();
    data.setSqlLogging(false);
    const bool read = source.readRows([&](const QVariantList &row) {
        written = merge.add(row);
        if (merge.counts().read % kProgressEvery == 0)
            prompter.working(QStringLiteral("Importing ") + QString::number(merge.counts().read));
        return written;
    });
    data.setSqlLogging(logging);
    if (!read)
        prompter.information(source.errorString(), kMessageTitle, Icon::Exclamation);
    else if (!merge.refusal().isEmpty())
        prompter.information(merge.refusal(), kMessageTitle, Icon::Exclamation);
    if (!read || !written)
        return std::nullopt;

    prompter.working(QStringLiteral("Validating ")
                     + QString::number(data.number(kProcedure, QStringLiteral("Select Count(*) From Products"))));
    if (!data.exec(kProcedure, QStringLiteral("Update Products Set [Products Delete Flag] = 0 ")))
        return std::nullopt;
    prompter.working(QStringLiteral("Processing Baseline, Please Wait."));
    if (!BaselineUpdateAllWithin(data, prompter, QStringLiteral("UTILITY")) || !transaction.commit())
        return std::nullopt;
    const ProductImportCounts &counts = merge.counts();
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Cmd_Import - products read %1, added %2, updated %3")
                                                .arg(counts.read)
                                                .arg(counts.added)
                                                .arg(counts.updated));
    return counts;
}

std::optional<ProductImportCounts> ProductDatabaseImport::run(const ProductImportChoices &choices)
{
    Prompter &prompter = m_state.prompter;
    if (!choices.useDashes) {
        prompter.information(QStringLiteral("Please select a dash option."));
        return std::nullopt;
    }
    CatalogueDashes dashes(m_state.data, prompter, *choices.useDashes);
    const bool normalised = dashes.normaliseProducts() && dashes.normaliseOrderLines();
    prompter.working(QString());
    if (!normalised)
        return std::nullopt;

    const QString file = chosenFile(choices);
    if (file.isEmpty())
        return std::nullopt;
    if (!QFileInfo(file).isFile()) {
        prompter.information(file + QStringLiteral(" Not Found."));
        return std::nullopt;
    }
    if (sameFile(file, m_state.databasePath)) {
        prompter.information(QStringLiteral("Cannot import from the current database."));
        return std::nullopt;
    }
    const QTemporaryDir unzipFolder;
    const std::optional<QString> path = file.endsWith(QLatin1String(".ZIP"), Qt::CaseInsensitive) ? unzipped(file, unzipFolder)
                                                                                                   : std::optional(file);
    if (!path)
        return std::nullopt;

    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Open DB - Cmd_Import ") + *path);
    ProductSource source;
    if (!source.open(*path)) {
        prompter.information(source.errorString(), kMessageTitle, Icon::Exclamation);
        return std::nullopt;
    }
    std::optional<ProductImportCounts> counts;
    if (confirmed(*path)) {
        std::optional<Campaign> assigned = choices.assigned;
        if (!source.hasCampaignColumns() && !assigned)
            assigned = askCampaign();
        if (source.hasCampaignColumns() || assigned)
            counts = merge(source, *choices.useDashes, source.hasCampaignColumns() ? std::nullopt : assigned);
    }
    source.close();
    m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Close DB - Cmd_Import ") + *path);
    prompter.working(QString());
    if (!counts)
        return std::nullopt;
    m_state.settings.write(settings::LastProductImportPath, QFileInfo(file).absolutePath());
    prompter.information(QStringLiteral("Import Complete."));
    return counts;
}

} // namespace zel::exchange
