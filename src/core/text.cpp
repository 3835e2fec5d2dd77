#include "core/text.h"

#include <QDateTime>
#include <QLocale>
#include <QVariant>

namespace zel {

QString sqlQuote(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString timeWithSeconds(const QTime &time, const QLocale &locale)
{
    // The long time format carries the seconds but also a time-zone name, which is not wanted here.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(time, format.simplified());
}

QString generalDateTime(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') + timeWithSeconds(when.time(), locale);
}

QString toDbDateTime(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::optional<QDateTime> fromDbDateTime(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    const QString text = value.toString().trimmed();
    // The stored form "yyyy-MM-dd HH:mm:ss" read by hand: a report reads thousands of dates, and the
    // general parser spent most of their time.
    if (text.size() == 19 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-') && text.at(10) == QLatin1Char(' ')
        && text.at(13) == QLatin1Char(':') && text.at(16) == QLatin1Char(':')) {
        const auto number = [&](int from, int length) {
            bool ok = false;
            const int n = QStringView(text).mid(from, length).toInt(&ok);
            return ok ? n : -1;
        };
        const QDate day(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
        if (day.isValid() && time.isValid())
            return QDateTime(day, time);
    }
    QDateTime when = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!when.isValid())
        when = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return when.isValid() ? std::optional<QDateTime>(when) : std::nullopt;
}

QString programVersion()
{
    return QStringLiteral("%1.%2.%3").arg(ZEL_VERSION_MAJOR).arg(ZEL_VERSION_MINOR).arg(ZEL_VERSION_PATCH);
}

} // namespace zel
