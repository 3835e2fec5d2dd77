#include "orders/check_digit.h"

namespace zel {

QString CheckDigit::digitsOf(const QString &catalogNumber)
{
    QString digits;
    for (const QChar c : catalogNumber) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

bool CheckDigit::isValid(const QString &sixDigits)
{
    if (sixDigits.size() != 6)
        return false;
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        if (sixDigits[i] < u'0' || sixDigits[i] > u'9')
            return false;
        if (i < 5)
            sum += (i + 2) * sixDigits[i].digitValue();
    }
    int check = 11 - sum % 11;
    if (check > 9)
        check = 0;
    return check == sixDigits[5].digitValue();
}

} // namespace zel
