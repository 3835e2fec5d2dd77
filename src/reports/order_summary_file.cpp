#include "reports/order_summary_file.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"

#include <QFileInfo>
#include <QSaveFile>

namespace zel::reports {

namespace {

QString cleaned(QString value)
{
    value.replace(QLatin1Char('"'), QLatin1Char(' '));
    value.replace(QLatin1Char(','), QLatin1Char(' '));
    return value;
}

} // namespace

QString OrderSummaryFile::line(const QString &catalogNumber, const QString &quantity)
{
    const QString catalog = catalogNumber.trimmed().isEmpty() ? QStringLiteral("Missing Product Number") : cleaned(catalogNumber);
    return catalog + QLatin1Char(',') + cleaned(quantity);
}

std::optional<int> OrderSummaryFile::write(cDataAccess &data, const QString &path, QString *error)
{
    data.setSQL(QStringLiteral("Select * from rptOrderSummary Order By [Orders Catalog Number] "));
    RecordSet rows = data.GetSnapShot(QStringLiteral("Order Summary File"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    int count = 0;
    while (rows.next()) {
        const QString quantity = QString::number(rows.value(QStringLiteral("SumOfOrders Quanity")).toLongLong());
        // Written as the company's order tools read it: one Windows text line per product.
        file.write((line(rows.value(QStringLiteral("Orders Catalog Number")).toString(), quantity) + QStringLiteral("\r\n")).toUtf8());
        ++count;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return count;
}

bool OrderSummaryFile::exportFile(AppState &state, QString path)
{
    if (path.isEmpty()) {
        FileChoice choice;
        choice.mode = FileChoice::Mode::Save;
        choice.title = QStringLiteral("Export Order Summary Information");
        choice.filter = QStringLiteral("ZEL Database (*.TXT)|*.TXT|All Files (*.*)|*.*");
        choice.startFolder = state.settings.read(settings::LastExportPath);
        choice.defaultExtension = QStringLiteral("TXT");
        path = state.prompter.chooseFile(choice);
        if (path.isEmpty())
            return false;
    }
    if (QFileInfo::exists(path) && !state.prompter.askYesNo(QStringLiteral("File Already Exists.\nReplace?")))
        return false;
    QString error;
    const std::optional<int> count = write(state.data, path, &error);
    if (!count) {
        state.prompter.information(QStringLiteral("The file %1 could not be written: %2").arg(path, error));
        return false;
    }
    state.settings.write(settings::LastExportPath, QFileInfo(path).absolutePath());
    state.prompter.information(QStringLiteral("Successfully Exported %1.").arg(*count));
    return true;
}

} // namespace zel::reports
