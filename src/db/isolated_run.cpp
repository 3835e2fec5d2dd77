#include "db/isolated_run.h"

#include <QByteArray>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::db {

namespace {

// One line per message: a kind letter, the text with its line breaks escaped, a newline.
QByteArray line(char kind, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\\', "\\\\").replace('\n', "\\n");
    return kind + bytes + '\n';
}

QString unescaped(const QByteArray &bytes)
{
    QByteArray plain;
    plain.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\\' && i + 1 < bytes.size()) {
            ++i;
            plain += bytes.at(i) == 'n' ? '\n' : bytes.at(i);
        } else {
            plain += bytes.at(i);
        }
    }
    return QString::fromUtf8(plain);
}

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += written;
    }
}

[[noreturn]] void runChild(int fd, const IsolatedRun::Work &work)
{
    // A reader lost in a damaged file can print warnings without end; they tell the user nothing.
    if (const int nowhere = ::open("/dev/null", O_WRONLY); nowhere >= 0) {
        ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
    const QString result = work([fd](const QString &message) { writeAll(fd, line('M', message)); });
    writeAll(fd, line('R', result));
    ::close(fd);
    // No destructors or exit handlers: they belong to the parent's objects.
    ::_exit(0);
}

} // namespace

IsolatedRun::Outcome IsolatedRun::run(const Work &work, int stallMilliseconds, const Send &onMessage)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return {};
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        runChild(pipeEnds[1], work);
    }
    ::close(pipeEnds[1]);

    Outcome outcome;
    QByteArray pending;
    char buffer[65536];
    for (;;) {
        pollfd watched{pipeEnds[0], POLLIN, 0};
        const int ready = ::poll(&watched, 1, stallMilliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            outcome.stalled = true;
            ::kill(child, SIGKILL);
            break;
        }
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // the child has ended
        pending.append(buffer, got);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray message = pending.left(end);
            pending.remove(0, end + 1);
            if (message.startsWith('R')) {
                outcome.finished = true;
                outcome.result = unescaped(message.mid(1));
            } else if (message.size() > 1 && onMessage) {
                onMessage(unescaped(message.mid(1)));
            }
        }
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (outcome.stalled)
        outcome.finished = false;
    return outcome;
}

} // namespace zel::db
