#pragma once

#include <QString>

#include <optional>

class QDateTime;
class QLocale;
class QTime;
class QVariant;

namespace zel {

// 'O''Brien' — a text value as a quoted SQL literal, single quotes doubled.
QString sqlQuote(const QString &value);

// The locale's short date followed by the time with seconds, like the classic "General Date".
QString generalDateTime(const QDateTime &when, const QLocale &locale);

// The locale's long time (with seconds) without a time-zone name.
QString timeWithSeconds(const QTime &time, const QLocale &locale);

// Dates and times are stored as "YYYY-MM-DD HH:MM:SS" text.
QString toDbDateTime(const QDateTime &when);
// Reads a stored date or date-time; nothing for Null or unreadable text.
std::optional<QDateTime> fromDbDateTime(const QVariant &value);

// "6.0.0": major, minor and revision of the running program.
QString programVersion();

} // namespace zel
