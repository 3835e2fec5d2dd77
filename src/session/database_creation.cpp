#include "session/database_creation.h"

#include "core/prompter.h"
#include "db/durable_file.h"
#include "db/schema.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Gfi_Create_Db");

void checkPoint(AppState &state, const QString &step)
{
    state.errors.Gs_Check_Point(kProcedure + QStringLiteral(" - ") + step);
}

bool createTable(cDataAccess &data, const TableDef &table, const QString &as, bool withIndex)
{
    if (!data.exec(kProcedure, createTableSql(table, as, withIndex)))
        return false;
    return !withIndex || !table.hasIndex() || data.exec(kProcedure, createIndexSql(table, as));
}

bool writeStartingRows(AppState &state, cDataAccess &data)
{
    checkPoint(state, QStringLiteral("61M"));
    checkPoint(state, QStringLiteral("61N"));
    if (!data.exec(kProcedure, QStringLiteral("Insert Into Database_Version ([DBVersion Number]) Values (?)"), {kDatabaseVersion}))
        return false;
    checkPoint(state, QStringLiteral("61O"));
    return insertDefaultEarnings(data, kProcedure);
}

bool createScratchTables(cDataAccess &data)
{
    for (const ScratchTable &scratch : scratchTables())
        if (!createTable(data, *findTable(scratch.layoutOf), scratch.name, scratch.withIndex))
            return false;
    return true;
}

} // namespace

bool insertDefaultEarnings(cDataAccess &data, const QString &procedure)
{
    // Type, description, then the (level, percent) steps; the steps not listed are 0.
    struct Schedule
    {
        const char *code;
        const char *description;
        std::vector<std::pair<double, double>> steps;
    };
    const Schedule schedules[] = {
        {"F", "Fixed", {{999999.99, 20}}},
        {"R", "Regular Items",
         {{24.99, 0}, {134.99, 20}, {269.99, 30}, {399.99, 35}, {874.99, 40}, {1499.99, 45}, {999999.99, 50}}},
    };
    for (const Schedule &schedule : schedules) {
        QStringList columns{QStringLiteral("[Earnings Type Code]"), QStringLiteral("[Earnings Include In Sales Total]"),
                            QStringLiteral("[Earnings Description]")};
        QVariantList values{QString::fromLatin1(schedule.code), QStringLiteral("Y"), QString::fromLatin1(schedule.description)};
        for (int step = 1; step <= 15; ++step) {
            const auto [level, percent] = step <= int(schedule.steps.size()) ? schedule.steps[step - 1] : std::pair(0.0, 0.0);
            columns << QStringLiteral("[Earnings Level %1]").arg(step) << QStringLiteral("[Earnings Percent %1]").arg(step);
            values << level << percent;
        }
        const QString marks = QStringList(QList<QString>(values.size(), QStringLiteral("?"))).join(QStringLiteral(", "));
        if (!data.exec(procedure, QStringLiteral("Insert Or Ignore Into Earnings (") + columns.join(QStringLiteral(", "))
                           + QStringLiteral(") Values (") + marks + QLatin1Char(')'), values))
            return false;
    }
    return true;
}

bool createTables(AppState &state, cDataAccess &data)
{
    for (const TableDef &table : schemaTables()) {
        if (table.checkPoint && *table.checkPoint)
            checkPoint(state, QString::fromLatin1(table.checkPoint));
        if (!createTable(data, table, table.tableName(), true))
            return false;
        if (table.tableName() == QLatin1String("Translations") && state.seams.writeDefaultTranslations
            && !state.seams.writeDefaultTranslations(data))
            return false;
    }
    return true;
}

bool createSpeedIndexes(cDataAccess &data)
{
    for (const SpeedIndex &index : speedIndexes())
        if (!data.exec(kProcedure, createSpeedIndexSql(index)))
            return false;
    return true;
}

bool Gfi_Create_Db(AppState &state, const QString &path)
{
    if (QFileInfo::exists(path)) {
        state.prompter.information(QStringLiteral("File ") + path + QStringLiteral(" already exists.  Please choose a different name."));
        return false;
    }
    const QString building = unfinishedName(path);
    removeDatabaseFile(building);

    checkPoint(state, QStringLiteral("610A"));
    DatabaseConnection connection;
    if (!connection.create(building)) {
        state.prompter.information(QStringLiteral("Unable to create the database ") + path + QStringLiteral(".\n\n")
                                   + connection.errorString());
        return false;
    }
    checkPoint(state, QStringLiteral("61B"));
    cDataAccess data(connection, state.logs, state.errors);
    bool done = false;
    {
        Transaction transaction(connection.handle());
        done = createTables(state, data) && createSpeedIndexes(data) && writeStartingRows(state, data);
        checkPoint(state, QStringLiteral("61P"));
        done = done && createScratchTables(data);
        // The named statements standing in for stored queries are part of the program.
        checkPoint(state, QStringLiteral("61Q"));
        done = done && transaction.commit();
    }
    checkPoint(state, QStringLiteral("61R"));
    connection.close();
    state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Close DB - Gfi_Create_Db "));
    const QString placed = done ? putInPlace(building, path, PutMode::NeverReplace) : QString();
    if (!done || !placed.isEmpty()) {
        removeDatabaseFile(building);
        if (done)
            state.prompter.information(QStringLiteral("Unable to create the database ") + path + QStringLiteral(".\n\n") + placed);
        return false;
    }
    return true;
}

void createWorkTables(AppState &state)
{
    Transaction transaction(state.database.handle());
    for (const ScratchTable &scratch : scratchTables()) {
        const TableDef &layout = *findTable(scratch.layoutOf);
        QSqlQuery query(state.database.handle());
        const bool made = query.exec(QStringLiteral("DROP TABLE IF EXISTS ") + bracket(scratch.name))
                       && query.exec(createTableSql(layout, scratch.name, scratch.withIndex))
                       && (!scratch.withIndex || query.exec(createIndexSql(layout, scratch.name)));
        if (!made)
            state.prompter.information(scratch.failureMessage);
    }
    // A file made by an earlier version gets them once; afterwards this costs nothing.
    for (const SpeedIndex &index : speedIndexes()) {
        QSqlQuery query(state.database.handle());
        query.exec(createSpeedIndexSql(index));
    }
    for (const QString &retired : retiredSpeedIndexes()) {
        QSqlQuery query(state.database.handle());
        query.exec(QStringLiteral("Drop Index If Exists ") + bracket(retired));
    }
    transaction.commit();
}

// True when rows of the table share the key its unique index needs: the index cannot be made then,
// and trying would only stop the repair.
static bool hasDuplicateKeys(cDataAccess &data, const TableDef &table)
{
    QStringList keys;
    for (const char *field : table.indexFields)
        keys << bracket(QString::fromUtf8(field));
    return data.number(kProcedure, QStringLiteral("Select Count(*) From (Select 1 From ") + bracket(table.tableName())
                                       + QStringLiteral(" Group By ") + keys.join(QStringLiteral(", "))
                                       + QStringLiteral(" Having Count(*) > 1 Limit 1)"))
         > 0;
}

QStringList restoreMissingTables(AppState &state)
{
    cDataAccess &data = state.data;
    const auto indexExists = [&data](const QString &name) {
        return data.number(kProcedure, QStringLiteral("Select Count(*) From sqlite_master Where type = 'index' And name = ?"),
                           {name})
             > 0;
    };
    // Only a database of this version is mended from this version's layout: an older one would be
    // stamped current without its upgrade, and its tables would no longer match each other.
    const bool current = state.database.hasTable(QStringLiteral("Database_Version"))
                      && data.number(kProcedure, QStringLiteral("Select Max([DBVersion Number]) From Database_Version"))
                             == kDatabaseVersion;
    QStringList unmended;
    for (const TableDef &table : schemaTables()) {
        const QString name = table.tableName();
        if (!current) {
            if (!state.database.hasTable(name))
                unmended << name;
            continue;
        }
        if (state.database.hasTable(name)) {
            const QString index = QString::fromUtf8(table.indexName);
            if (table.hasIndex() && !indexExists(index)
                && (hasDuplicateKeys(data, table) || !data.exec(kProcedure, createIndexSql(table, name))))
                unmended << index;
            continue;
        }
        // A table made again starts with the rows a new database has.
        bool made = createTable(data, table, name, true);
        if (made && name == QLatin1String("Translations") && state.seams.writeDefaultTranslations)
            made = state.seams.writeDefaultTranslations(data);
        if (made && name == QLatin1String("Database_Version"))
            made = data.exec(kProcedure, QStringLiteral("Insert Into Database_Version ([DBVersion Number]) Values (?)"),
                             {kDatabaseVersion});
        if (made && name == QLatin1String("Earnings"))
            made = insertDefaultEarnings(data, kProcedure);
        if (made)
            state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Repair: the missing table ") + name + QStringLiteral(" was made again"));
        else
            unmended << name;
    }
    return unmended;
}

} // namespace zel::db
