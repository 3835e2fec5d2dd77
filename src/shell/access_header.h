#pragma once

#include <QString>

namespace zel {

// What the first page of a file says it is, for the Access files the program converts.
enum class AccessHeader {
    NotAccess,      // no Access signature at all
    Jet3,           // Access 97 and before
    Jet4,           // Access 2000 to 2003
    DamagedVersion, // the signature is there, the version byte after it is not one Access writes
    Ace             // Access 2007 and later
};

AccessHeader accessHeaderOf(const QString &path);

// Why a file with this header cannot be converted, as the end of a sentence beginning with the
// file's name ("... is not an Access database"); empty for Jet 3 and Jet 4. Every command and
// screen that meets such a file says the same.
QString accessHeaderProblem(AccessHeader header);

} // namespace zel
