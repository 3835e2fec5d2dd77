#include "shell/single_instance.h"

#include "desktop/main_menu_operations.h"
#include "desktop/start_command.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QSysInfo>
#include <QThread>

#include <sys/wait.h>
#include <unistd.h>

using namespace zel;
using zel::test::TempApp;

namespace {

// A first copy that answers: it runs its own event loop, as the running program does, while the
// test's thread plays the second copy.
class AnsweringCopy
{
public:
    explicit AnsweringCopy(const QString &folder) : m_instance(new SingleInstance(folder))
    {
        m_instance->moveToThread(&m_thread);
        QObject::connect(m_instance, &SingleInstance::raiseRequested, m_instance, [this](const QString &text) {
            const QMutexLocker locker(&m_mutex);
            m_received << text;
        });
        m_thread.start();
        QMetaObject::invokeMethod(m_instance, [this] { m_acquired = m_instance->acquire(); },
                                  Qt::BlockingQueuedConnection);
    }
    ~AnsweringCopy()
    {
        QMetaObject::invokeMethod(m_instance, [this] { delete m_instance; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    bool acquired() const { return m_acquired; }
    QStringList received()
    {
        const QMutexLocker locker(&m_mutex);
        return m_received;
    }
    // The running copy confirms a hand-over before it acts on it (acting may open a question that
    // waits for the user), so what it received shows a moment after the second copy's claim ends.
    QStringList receivedOnceThereAre(qsizetype count)
    {
        QElapsedTimer waited;
        waited.start();
        while (received().size() < count && waited.elapsed() < 5000)
            QThread::msleep(5);
        return received();
    }

private:
    QThread m_thread;
    SingleInstance *m_instance;
    bool m_acquired = false;
    QMutex m_mutex;
    QStringList m_received;
};

// A lock file as QLockFile writes it: process id, program name, host name.
void writeLockFile(const TempApp &app, qint64 pid, const QString &program, const QString &host)
{
    app.writeFile("zel.lock", QString("%1\n%2\n%3\n").arg(pid).arg(program, host).toUtf8());
}

// A child process takes the lock the way the program does and ends without releasing it.
void leaveLockFromEndedProcess(const TempApp &app)
{
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(app.path("zel.lock"));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child could not take the lock";
}

} // namespace

TEST(SingleInstance, ASecondCopyHandsItsStartWordsToTheRunningOne)
{
    TempApp app;
    AnsweringCopy first(app.path(""));
    ASSERT_TRUE(first.acquired());

    SingleInstance second(app.path(""));
    EXPECT_EQ(second.claim("AUTOSTART /home/Ann/Shop Orders.ZELDB"), SingleInstance::Claim::HandedOver);
    EXPECT_EQ(second.claim(QString()), SingleInstance::Claim::HandedOver);
    EXPECT_EQ(first.receivedOnceThereAre(2), QStringList({"AUTOSTART /home/Ann/Shop Orders.ZELDB", ""}));

    TempApp elsewhere;
    SingleInstance other(elsewhere.path(""));
    EXPECT_EQ(other.claim(QString()), SingleInstance::Claim::First) << "another application folder is another program";
}

TEST(SingleInstance, ARunningCopyThatDoesNotAnswerLeavesTheDuplicateMessage)
{
    TempApp app;
    // Its event loop never runs while the second copy waits: a copy that hangs.
    auto first = std::make_unique<SingleInstance>(app.path(""));
    ASSERT_TRUE(first->acquire());

    SingleInstance second(app.path(""));
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(second.claim("AUTOSTART /x/Shop.ZELDB", 300), SingleInstance::Claim::NoAnswer);
    EXPECT_LT(waited.elapsed(), 2000);

    SingleInstance::reportNoAnswer(app.prompter);
    ASSERT_EQ(app.prompter.messages().size(), 1u);
    EXPECT_EQ(app.prompter.messages()[0].title, QStringLiteral("... Duplicate Instance ..."));
    EXPECT_EQ(app.prompter.messages()[0].text,
              QStringLiteral("Another copy of ZEL is already running. If this copy can not be seen, then a reboot may "
                             "be required to clear up the issue."));

    first.reset();
    EXPECT_EQ(second.claim(QString(), 300), SingleInstance::Claim::First) << "the lock was released on exit";
}

TEST(SingleInstance, ALockLeftByAProcessThatIsGoneIsTakenOverAtOnce)
{
    const struct
    {
        const char *what;
        std::function<void(const TempApp &)> leave;
    } cases[] = {
        {"a process that ended without unlocking", leaveLockFromEndedProcess},
        // After a restart the old process id may belong to the new copy itself.
        {"this process's own id",
         [](const TempApp &app) {
             writeLockFile(app, QCoreApplication::applicationPid(), QCoreApplication::applicationName(),
                           QSysInfo::machineHostName());
         }},
        {"another host name", [](const TempApp &app) { writeLockFile(app, 1, "zel", "machine-before-restart"); }},
    };
    for (const auto &leftOver : cases) {
        TempApp app;
        leftOver.leave(app);
        ASSERT_FALSE(app.readFile("zel.lock").isEmpty()) << leftOver.what;
        SingleInstance next(app.path(""));
        QElapsedTimer waited;
        waited.start();
        EXPECT_EQ(next.claim(QString(), 5000), SingleInstance::Claim::First) << leftOver.what;
        EXPECT_LT(waited.elapsed(), 500) << leftOver.what << ": the start must not wait";
        EXPECT_TRUE(app.readFile("zel.lock").startsWith(QString::number(QCoreApplication::applicationPid()) + "\n"))
            << leftOver.what;
    }
}

TEST(SingleInstance, AfterACrashTheNextStartGoesStraightToTheAbnormalEndQuestion)
{
    TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB");
    app.state->settings.write(settings::LastDBName, path);
    app.state->settings.write(settings::LastStatus, settings::kRunning);
    leaveLockFromEndedProcess(app);

    SingleInstance instance(app.path(""));
    ASSERT_EQ(instance.claim(QString(), 5000), SingleInstance::Claim::First);
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_TRUE(MainMenuOperations(*app.state).loadDatabase(StartCommand::parse(QString())));
    ASSERT_FALSE(app.prompter.messages().empty());
    EXPECT_TRUE(app.prompter.messages()[0].text.startsWith("The previous execution of ZEL did not exit normally."));
    EXPECT_EQ(app.state->databasePath, path);
}
