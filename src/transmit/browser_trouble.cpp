#include "transmit/browser_trouble.h"

#include <QRegularExpression>

namespace zel::transmit {

bool isTechnical(const QString &message)
{
    return message.contains(QLatin1String("RuntimeError")) || message.contains(QLatin1String("net::ERR_"))
        || message.contains(QLatin1String("did not finish within"));
}

QString inPlainWords(const QString &technical)
{
    if (!isTechnical(technical))
        return technical;
    static const QRegularExpression unreachable(
        QStringLiteral("ERR_NAME_NOT_RESOLVED|ERR_INTERNET_DISCONNECTED|ERR_CONNECTION|ERR_ADDRESS_UNREACHABLE|ERR_NETWORK|"
                       "ERR_TIMED_OUT|cannot open"));
    static const QRegularExpression missingBox(QStringLiteral("element (\\w+) specified by (\\w+):(\\S+) was not found"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression missingEntry(QStringLiteral("entry (.+) not available in the list"));
    if (technical.contains(unreachable))
        return QStringLiteral("The company's order page could not be reached. Check the internet connection, then try again.");
    if (const QRegularExpressionMatch box = missingBox.match(technical); box.hasMatch()) {
        const QString name = box.captured(3).toLower();
        const QString what = name.startsWith(QLatin1String("campaign")) ? QStringLiteral("the campaign box")
                           : name.contains(QLatin1String("quant")) || name.startsWith(QLatin1String("qty"))
                               ? QStringLiteral("the quantity box")
                           : name.contains(QLatin1String("product")) || name.contains(QLatin1String("item"))
                               ? QStringLiteral("the product number box")
                               : QStringLiteral("a box ZEL types into (%1)").arg(box.captured(3));
        return QStringLiteral("The order page did not show %1: the company may have changed the page, or it has not "
                              "finished loading. Try again; if it happens again, the macros need updating.")
            .arg(what);
    }
    if (const QRegularExpressionMatch entry = missingEntry.match(technical); entry.hasMatch())
        return QStringLiteral("The order page does not offer %1 in its list: check the campaign, then try again.")
            .arg(entry.captured(1).trimmed());
    if (technical.contains(QLatin1String("did not finish within")))
        return QStringLiteral("The order page did not answer in time. Check the internet connection, then try again.");
    return QStringLiteral("The order page did not take the order as ZEL sent it. The details are in the log (LogError.txt).");
}

} // namespace zel::transmit
