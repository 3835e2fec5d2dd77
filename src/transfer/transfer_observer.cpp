#include "transfer/transfer_observer.h"

#include <QLocale>

namespace zel::transfer {

namespace {

QString kilobytes(qint64 bytes)
{
    return QLocale().toString(qMax<qint64>(bytes, 0) / 1024);
}

} // namespace

QString kilobytesText(const QString &verb, qint64 doneBytes, qint64 totalBytes)
{
    return verb + QLatin1Char(' ') + kilobytes(doneBytes) + QStringLiteral(" of ") + kilobytes(totalBytes)
         + QLatin1Char('K');
}

} // namespace zel::transfer
