#include "exchange/source_customer.h"

namespace zel::exchange {

QString customerName(const QString &first, const QString &last)
{
    return (first.trimmed() + QLatin1Char(' ') + last.trimmed()).trimmed();
}

} // namespace zel::exchange
