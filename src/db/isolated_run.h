#pragma once

#include <QString>

#include <functional>

namespace zel::db {

// Runs work on a file from outside in a child process, so that a library stuck in a loop on a
// damaged file can be stopped instead of hanging the program (mdbtools does this on some broken
// Access files). The child passes text back: messages while it works, and one result at its end.
class IsolatedRun
{
public:
    // What the work uses to pass a message on; an empty message only says it is still working.
    using Send = std::function<void(const QString &message)>;
    using Work = std::function<QString(const Send &send)>;

    struct Outcome
    {
        bool finished = false; // false: the child was stopped, or ended without a result
        bool stalled = false;  // stopped because it sent nothing for the whole stall limit
        QString result;        // the work's return, when finished
    };

    // Runs `work` in a child process and waits, calling `onMessage` with each non-empty message.
    // A child that sends nothing for `stallMilliseconds` is killed.
    static Outcome run(const Work &work, int stallMilliseconds, const Send &onMessage = {});
};

} // namespace zel::db
