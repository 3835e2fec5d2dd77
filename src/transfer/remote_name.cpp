#include "transfer/remote_name.h"

#include <QStringList>

namespace zel::transfer {

namespace {

QString namePart(const QString &text)
{
    QString part = text.trimmed();
    for (QChar &c : part)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return part;
}

} // namespace

QString uploadRemoteName(const QString &lastName, const QString &firstName, const QDateTime &when,
                         const QString &sourceName)
{
    const QStringList parts{namePart(lastName), namePart(firstName), when.toString(QStringLiteral("yyyyMMdd_hhmmss")),
                            namePart(sourceName)};
    return parts.join(QLatin1Char('_')) + QStringLiteral(".ZIP");
}

} // namespace zel::transfer
