#include "shell/clock.h"

#include <QThread>

namespace zel {

Clock &Clock::run()
{
    static Clock clock;
    return clock;
}

QDateTime Clock::now() const
{
    return m_set ? *m_set : QDateTime::currentDateTime();
}

void Clock::set(const QDateTime &time)
{
    m_set = QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch());
}

void Clock::release()
{
    m_set.reset();
}

void Clock::advance(qint64 seconds)
{
    if (m_set)
        m_set = m_set->addSecs(seconds);
}

qint64 Clock::secondOtherThan(qint64 second)
{
    qint64 current = now().toSecsSinceEpoch();
    if (current != second)
        return current;
    if (m_set) {
        advance(1);
        return current + 1;
    }
    while (current == second) {
        // Sleep to the turn of the second rather than polling through it.
        QThread::msleep(ulong(1000 - QDateTime::currentMSecsSinceEpoch() % 1000));
        current = now().toSecsSinceEpoch();
    }
    return current;
}

} // namespace zel
