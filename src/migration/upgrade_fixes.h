#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>

namespace zel {

class AppState;

namespace db {

// The version-dependent corrections of an upgrade, each run only when the database's old version
// is below the version that brought the change. Every method returns false when a statement
// failed; the upgrade's transaction then undoes the whole upgrade.
class UpgradeFixes
{
public:
    UpgradeFixes(AppState &state, int oldVersion);

    bool customers();
    bool earnings();
    bool expenses();
    bool options();
    bool orders();
    bool products();
    bool helperPercents();
    bool inventory();

private:
    bool below(int version) const { return m_oldVersion < version; }
    bool run(const QString &sql, const QVariantList &parameters = {});
    // "UPDATE table SET column = value Where column Is Null"
    bool setWhereNull(const QString &table, const QString &column, const QString &value);
    bool splitHouseNumbers();
    bool optionsFromPrintSettings();
    bool ordersBelowTwo();
    bool summaryPrintedFlags();
    bool baselinePrices();

    AppState &m_state;
    int m_oldVersion;
};

} // namespace db
} // namespace zel
