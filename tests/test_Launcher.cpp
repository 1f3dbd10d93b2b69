#include "platform/Shell.h"
#include "support/Machine.h"
#include "widgets/TLabel.h"
#include "widgets/TRzLauncher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// A shell whose started programs run until the test lets them end.
class BlockingShell : public Shell {
public:
    BlockingShell() { setShell(this); }
    ~BlockingShell() override
    {
        finish();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_running == 0; });
        setShell(nullptr);
    }

    int execute(const QString &verb, const QString &file, const QString &, const QString &, int timeoutMs) override
    {
        std::unique_lock lock(m_mutex);
        m_launches.push_back({ verb, file, timeoutMs, QThread::currentThread() });
        ++m_running;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_finished; });
        --m_running;
        m_changed.notify_all();
        return 0;
    }

    void finish()
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }
    bool waitForLaunches(size_t count)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(5), [&] { return m_launches.size() >= count; });
    }

    struct Launch {
        QString verb;
        QString file;
        int timeout;
        QThread *thread;
    };
    std::vector<Launch> launches()
    {
        std::lock_guard lock(m_mutex);
        return m_launches;
    }
    int running()
    {
        std::lock_guard lock(m_mutex);
        return m_running;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Launch> m_launches;
    int m_running = 0;
    bool m_finished = false;
};

} // namespace

TEST(Launcher, EachClickOnQVOpensTheWebsiteOnItsOwnWorkerWithoutHoldingUpTheGame)
{
    Machine m;
    BlockingShell shell;
    QElapsedTimer clicks;
    clicks.start();
    for (int i = 0; i < 3; ++i)
        m.click(m.form.Label1);
    EXPECT_LT(clicks.elapsed(), 1000); // the clicks return while the browsers still run
    ASSERT_TRUE(shell.waitForLaunches(3));
    EXPECT_EQ(shell.running(), 3);
    for (const auto &launch : shell.launches()) {
        EXPECT_EQ(launch.verb, QStringLiteral("Open"));
        EXPECT_EQ(launch.file, m.form.RzLauncher1->FileName());
        EXPECT_EQ(launch.timeout, -1);
        EXPECT_NE(launch.thread, QThread::currentThread());
    }
    // The game goes on meanwhile, and nothing about the launches reaches the player.
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 1100);
    EXPECT_TRUE(m.boxes.boxes.isEmpty());
}

TEST(Launcher, AShellThatCannotStartTheBrowserReportsNothing)
{
    class FailingShell : public Shell {
    public:
        FailingShell() { setShell(this); }
        ~FailingShell() override { setShell(nullptr); }
        int execute(const QString &, const QString &, const QString &, const QString &, int) override
        {
            ++calls;
            return -1;
        }
        std::atomic<int> calls = 0;
    } shell;
    Machine m;
    m.click(m.form.Label1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell.calls == 1; }, 2000));
    QTest::qWait(50);
    EXPECT_TRUE(m.boxes.boxes.isEmpty());
}

TEST(Launcher, TheDesktopShellHandsTheAddressOverWithoutAShellAndWaits)
{
    // A stand-in xdg-open first on the PATH: it records its arguments and takes a while.
    QTemporaryDir dir;
    const QString log = dir.filePath("args");
    QFile script(dir.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nsleep 0.3\nprintf '%s|' \"$@\" > '%1'\nexit 3\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ":" + oldPath);

    const QString address = QStringLiteral("https://example.com/a b;echo x");
    QElapsedTimer waited;
    waited.start();
    const int status = shell().execute(QStringLiteral("Open"), address, {}, {}, -1);
    EXPECT_GE(waited.elapsed(), 250);
    EXPECT_EQ(status, 3);
    QFile args(log);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(args.readAll()), address + u'|'); // one argument, untouched

    // With a time-out, the wait ends first and the program runs on.
    waited.restart();
    EXPECT_EQ(shell().execute(QStringLiteral("Open"), address, {}, {}, 50), -1);
    EXPECT_LT(waited.elapsed(), 250);
    qputenv("PATH", oldPath);
}
