#pragma once

#include <QString>

namespace zel {

class AppState;
class cDataAccess;

namespace db {

// Gs_Repair_Nulls: in every table of the open database (but the engine's own and the report
// tables) a Null text becomes "", a Null whole number or money value 0, and money is rounded to
// cents, half to even; then Products rows without a catalog number, or with nothing to describe
// them, go. One statement per table, all in one transaction. `fromRepair` is true from File/Repair,
// which first makes again the tables and indexes the database lacks. Returns false when a statement
// failed or a missing table could not be made (nothing is changed then).
bool Gs_Repair_Nulls(AppState &state, bool fromRepair);

// The statement that repairs one table, or an empty text when it has nothing to repair.
QString repairStatement(cDataAccess &data, const QString &table);

// An SQL expression for `column` rounded to two decimals half to even, as money is rounded.
QString roundedToCents(const QString &column);

} // namespace db
} // namespace zel
