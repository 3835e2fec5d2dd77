#include "migration/upgrade_repair.h"

#include "core/prompter.h"
#include "db/schema.h"
#include "session/app_state.h"
#include "session/database_creation.h"
#include "shell/transaction.h"

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Gs_Repair_Nulls");

bool isRepaired(const QString &table)
{
    const QString upper = table.toUpper();
    return !upper.contains(QLatin1String("MSYS")) && !upper.startsWith(QLatin1String("REPORT"))
        && !upper.startsWith(QLatin1String("RPT")) && !upper.startsWith(QLatin1String("SQLITE_"));
}

const TableDef *layoutOf(const QString &table)
{
    if (const TableDef *own = findTable(table))
        return own;
    for (const ScratchTable &scratch : scratchTables())
        if (scratch.name.compare(table, Qt::CaseInsensitive) == 0)
            return findTable(scratch.layoutOf);
    return nullptr;
}

enum class Fill { None, Text, Number, Money };

// What a column of this table is filled with; tables of other programs are judged by their
// declared column types.
Fill fillOf(const TableDef *layout, const QString &column, const QString &declaredType)
{
    if (layout) {
        const FieldDef *field = layout->field(column);
        if (!field)
            return Fill::None;
        switch (field->type) {
        case FieldType::Text:
        case FieldType::Memo: return field->allowZeroLength ? Fill::Text : Fill::None;
        case FieldType::Integer:
        case FieldType::Long: return field->autoNumber ? Fill::None : Fill::Number;
        case FieldType::Currency: return Fill::Money;
        default: return Fill::None;
        }
    }
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")) || type.contains(QLatin1String("CLOB")))
        return Fill::Text;
    if (type.contains(QLatin1String("INT")))
        return Fill::Number;
    return Fill::None;
}

} // namespace

QString roundedToCents(const QString &column)
{
    const QString units = QStringLiteral("CAST(ROUND(") + column + QStringLiteral(" * 10000) AS INTEGER)");
    return QStringLiteral("((%1 / 100 + CASE WHEN abs(%1 % 100) > 50 OR (abs(%1 % 100) = 50 AND (%1 / 100) % 2 <> 0) "
                          "THEN sign(%1) ELSE 0 END) / 100.0)")
        .arg(units);
}

QString repairStatement(cDataAccess &data, const QString &table)
{
    const TableDef *layout = layoutOf(table);
    data.setSQL(QStringLiteral("Select name, type From pragma_table_info(?)"), {table});
    RecordSet columns = data.GetSnapShot(kProcedure);
    QStringList sets;
    QStringList needs;
    while (columns.next()) {
        const QString column = bracket(columns.value(0).toString());
        switch (fillOf(layout, columns.value(0).toString(), columns.value(1).toString())) {
        case Fill::None: break;
        case Fill::Text:
            sets << column + QStringLiteral(" = COALESCE(") + column + QStringLiteral(", '')");
            needs << column + QStringLiteral(" Is Null");
            break;
        case Fill::Number:
            sets << column + QStringLiteral(" = COALESCE(") + column + QStringLiteral(", 0)");
            needs << column + QStringLiteral(" Is Null");
            break;
        case Fill::Money:
            sets << column + QStringLiteral(" = COALESCE(") + roundedToCents(column) + QStringLiteral(", 0)");
            needs << column + QStringLiteral(" Is Null Or ") + column + QStringLiteral(" <> ") + roundedToCents(column);
            break;
        }
    }
    if (sets.isEmpty())
        return {};
    // Only the rows that change are written, so a repaired database is repaired again quickly.
    return QStringLiteral("Update ") + bracket(table) + QStringLiteral(" Set ") + sets.join(QStringLiteral(", "))
         + QStringLiteral(" Where ") + needs.join(QStringLiteral(" Or "));
}

bool Gs_Repair_Nulls(AppState &state, bool fromRepair)
{
    state.prompter.hourglass(true);
    state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Open DB - Gs_Repair_Nulls"));
    createWorkTables(state);
    bool done = true;
    {
        Transaction transaction(state.database.handle());
        // File/Repair also makes again what is missing, so that a repaired database is a whole one.
        const QStringList unmended = fromRepair ? restoreMissingTables(state) : QStringList();
        if (!unmended.isEmpty()) {
            state.prompter.information(lines({QStringLiteral("The repair could not make these again:"),
                                              unmended.join(QStringLiteral(", ")), QString(),
                                              QStringLiteral("Nothing has been changed by the repair.")}),
                                       kMessageTitle, Icon::Exclamation);
            done = false;
        }
        for (const QString &table : state.database.tableNames()) {
            if (!done)
                break;
            if (!isRepaired(table))
                continue;
            const QString sql = repairStatement(state.data, table);
            if (!sql.isEmpty() && !state.data.exec(kProcedure, sql)) {
                done = false;
                break;
            }
        }
        if (done && state.database.hasTable(QStringLiteral("Products")))
            done = state.data.exec(kProcedure, QStringLiteral("Delete From Products Where [Products Catalog Number] Is Null Or "
                                                              "[Products Catalog Number] = ''"))
                && state.data.exec(kProcedure, QStringLiteral("Delete From Products Where [Products Description] = '' And "
                                                              "[Products Shade Color Fragrance] = '' And [Products Size] = '' "
                                                              "And [Products Page] = ''"));
        done = done && transaction.commit();
    }
    state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Close DB - Gs_Repair_Nulls"));
    state.prompter.hourglass(false);
    return done;
}

} // namespace zel::db
