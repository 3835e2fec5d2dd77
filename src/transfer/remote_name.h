#pragma once

#include <QDateTime>
#include <QString>

namespace zel::transfer {

// The name an upload gets on the server: last name, first name, the time as yyyyMMdd_hhmmss and the
// source's name, joined with "_", ending in ".ZIP" (Smith_Jane_20260314_093005_Shop_ZELDB.ZIP).
// Blanks, dots and anything a server could read as a folder or command become "_", so support can
// sort the uploads by person and time.
QString uploadRemoteName(const QString &lastName, const QString &firstName, const QDateTime &when,
                         const QString &sourceName);

} // namespace zel::transfer
