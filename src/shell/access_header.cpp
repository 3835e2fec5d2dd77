#include "shell/access_header.h"

#include <QByteArray>
#include <QFile>

namespace zel {

namespace {

// The version byte at offset 0x14, as the Access reader numbers them.
constexpr char kJet3 = 0x00;
constexpr char kJet4 = 0x01;

} // namespace

AccessHeader accessHeaderOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return AccessHeader::NotAccess;
    const QByteArray head = file.read(0x15);
    if (head.size() < 0x15 || !head.startsWith(QByteArray("\x00\x01\x00\x00", 4)))
        return AccessHeader::NotAccess;
    const QByteArray signature = head.mid(4, 15);
    if (signature == "Standard ACE DB")
        return AccessHeader::Ace;
    if (signature != "Standard Jet DB")
        return AccessHeader::NotAccess;
    switch (head.at(0x14)) {
    case kJet3: return AccessHeader::Jet3;
    case kJet4: return AccessHeader::Jet4;
    default: return AccessHeader::DamagedVersion;
    }
}

QString accessHeaderProblem(AccessHeader header)
{
    switch (header) {
    case AccessHeader::Jet3:
    case AccessHeader::Jet4: return {};
    case AccessHeader::NotAccess: return QStringLiteral("is not an Access (Jet 3 or Jet 4) database");
    case AccessHeader::DamagedVersion:
        return QStringLiteral("is an Access database whose header is damaged (the version in it cannot be read), so it "
                              "cannot be converted; use a backup of it, or let Access repair it first");
    case AccessHeader::Ace:
        return QStringLiteral("is an Access 2007 or later database, which cannot be converted; save it from Access in the "
                              "2002-2003 format (.mdb) first");
    }
    return {};
}

} // namespace zel
