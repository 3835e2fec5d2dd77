#pragma once

#include <QDateTime>

#include <optional>

namespace zel {

// The run's clock: the system's time, unless a test has set it. A set clock stands still and
// moves only when told to or when someone waits on it, so waiting costs a test nothing.
class Clock
{
public:
    // The one clock of the run, shared by everything that needs distinct times within it.
    static Clock &run();

    QDateTime now() const;
    // Stops the clock at `time` (whole seconds kept).
    void set(const QDateTime &time);
    // Back to the system's time.
    void release();
    bool isSet() const { return m_set.has_value(); }
    // The set time, if any, so that it can be restored later.
    std::optional<QDateTime> setTime() const { return m_set; }
    // Moves a set clock on; a running clock cannot be moved.
    void advance(qint64 seconds);
    // The clock's second (since the epoch); when that is still `second`, the next one: a running
    // clock is slept on until it turns, a set one jumps ahead.
    qint64 secondOtherThan(qint64 second);

private:
    std::optional<QDateTime> m_set;
};

} // namespace zel
