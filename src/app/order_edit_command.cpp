#include "app/order_edit_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "desktop/main_menu_operations.h"
#include "migration/database_seams_install.h"
#include "orders/ui/order_screen.h"
#include "payments/payment_sums.h"
#include "shell/settings_keys.h"
#include "shell/ui/dialog_prompter.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {
constexpr int kHighestNumber = 32767;
}

bool commandOpensWindow(const CommandLine &line)
{
    return line.command == QLatin1String("order") && line.arguments.value(0) == QLatin1String("edit");
}

int runOrderEditCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1 || line.database.isEmpty()) {
        err << "Usage: zel order edit --db FILE --customer N [--order O] [--year Y --campaign C]\n";
        return 2;
    }
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, kHighestNumber, err);
    const auto order = wholeOption(line, QStringLiteral("--order"), 0, kHighestNumber, err, 0);
    const auto year = wholeOption(line, QStringLiteral("--year"), 0, 2200, err, 0);
    const auto number = wholeOption(line, QStringLiteral("--campaign"), 0, 99, err, 0);
    if (!customer || !order || !year || !number)
        return 2;
    if ((*year == 0) != (*number == 0)) {
        err << "--year and --campaign go together.\n";
        return 2;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        err << "zel order edit opens a window and needs a display.\n";
        return 1;
    }
    const QString path = QFileInfo(line.database).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        err << path << " Not Found.\n";
        return 1;
    }
    DialogPrompter prompter;
    AppState state(AppPaths::resolve(line.home), prompter);
    db::installDatabaseSeams(state);
    state.shortcuts.enabled = state.settings.read(settings::ShortCutsEnabled);
    state.shortcuts.suppressAutoFill = state.settings.read(settings::ShortCutsSuppressAutoFill);
    state.shortcuts.country = state.settings.read(settings::ShortCutsCountry);
    if (!MainMenuOperations(state).openDatabase(path, QStringLiteral("Command Line:") + path, QStringLiteral("zel"))) {
        err << path << " could not be opened.\n";
        return 1;
    }
    if (!PaymentSums(state.data).CustomerExists(*customer)) {
        err << "Customer " << *customer << " does not exist.\n";
        return 2;
    }
    // The screen works in the options' current campaign; a campaign given here stands in for it
    // during this run only.
    if (*year > 0) {
        if (*number > state.options.LastCampaignNumberOfYear) {
            err << "Campaign " << *number << " of " << *year << " does not exist: campaigns are numbered 1 to "
                << state.options.LastCampaignNumberOfYear << ".\n";
            return 2;
        }
        state.options.CurrentCampaignYear = *year;
        state.options.CurrentCampaignNumber = *number;
    }
    const Campaign campaign{state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
    if (*order > 0 && !PaymentSums(state.data).OrderExists(*customer, campaign.year, campaign.number, *order)) {
        err << "Customer " << *customer << " has no order " << *order << " in campaign " << campaign.number << " of "
            << campaign.year << ".\n";
        return 2;
    }
    OrderScreen screen(state, *customer, campaign, *order);
    screen.exec();
    if (screen.savedOrderNumber() > 0)
        out << "Order " << screen.savedOrderNumber() << " of customer " << *customer << " saved in campaign "
            << campaign.number << " of " << campaign.year << ".\n";
    else
        out << "No order saved.\n";
    return 0;
}

} // namespace zel
