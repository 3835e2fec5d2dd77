#pragma once

#include "core/currency.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

// One earnings type: its code, description and up to fifteen (level, percent) steps.
struct EarningsRow
{
    static constexpr int kSteps = 15;

    QString typeCode;
    QString includeInSalesTotal = QStringLiteral("Y");
    QString description = QStringLiteral("New Description");
    std::array<Currency, kSteps> levels{};
    std::array<Currency, kSteps> percents{};

    bool operator==(const EarningsRow &) const = default;
};

// The rules of the earnings grid: each returns the message to show, or an empty text when the
// value is acceptable.
namespace earnings {

QString checkTypeCode(const QString &code);
QString checkDescription(const QString &description);
QString checkPercent(const QString &text);
QString checkLevel(const QString &text);
// The first level is above zero and the levels in use rise.
QString checkLevels(const std::array<Currency, EarningsRow::kSteps> &levels);
// The whole row, cell rules first.
QString checkRow(const EarningsRow &row);
// "R" is the type of ordinary products and cannot go.
QString checkDelete(const QString &code);

inline const QString kRejectedRow = QStringLiteral(
    "Duplicate Type Code or Invalid Data.\nUse ESC to undo last cell change.\nUse ESC twice to cancel edits on current row.");
inline const QString kSortWhileEditing = QStringLiteral(
    "Please finishing the changes and tab to the next row or press ESC twice to cancel edits.\nCan not sort the grid "
    "while the current row is in Edit Mode.");

// The schedules as stored, in type-code order.
std::vector<EarningsRow> load(cDataAccess &data);
// Replaces every schedule by `rows` in one transaction and brings HelperPercents in line.
// Returns false, with nothing changed, when the database refuses a row (a duplicate code).
bool save(cDataAccess &data, const std::vector<EarningsRow> &rows);
// Removes helper percentages of types that no longer exist and gives every business helper
// (Customers Business Helper Flag 'Y') the missing ones at 0.
bool syncHelperPercents(cDataAccess &data);

} // namespace earnings
} // namespace zel
