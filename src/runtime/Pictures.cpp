#include "runtime/Pictures.h"

#include "platform/Scheduling.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <thread>

struct PicturePreload::State {
    std::mutex mutex;
    std::condition_variable decoded;
    QHash<QString, QImage> ready;   // decoded by the worker, not taken yet
    QSet<QString> waiting;          // preloaded paths not taken yet (decoded or not)
    QString decoding;               // the path the worker is decoding now
    std::thread worker;
};

namespace {

// The preload in effect, if any; set and cleared on the main thread.
PicturePreload::State *activePreload = nullptr;

// Takes a preloaded picture: true with `picture` set when the worker has decoded `path` (or
// is decoding it, which is then waited for). A path the worker has not reached yet is taken
// off its list, and false tells the caller to decode it itself rather than wait.
bool takePreloaded(const QString &path, QImage &picture)
{
    PicturePreload::State *state = activePreload;
    if (!state)
        return false;
    std::unique_lock lock(state->mutex);
    if (!state->waiting.remove(path))
        return false;
    if (state->decoding == path)
        state->decoded.wait(lock, [&] { return state->ready.contains(path); });
    if (!state->ready.contains(path))
        return false;
    picture = state->ready.take(path);
    return true;
}

QString twiceSizePath(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot) : QString();
}

} // namespace

QImage loadPicture(const QString &path)
{
    QImage preloaded;
    const bool wasPreloaded = takePreloaded(path, preloaded);
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QString twice = twiceSizePath(path);
        if (!twice.isEmpty() && QFile::exists(twice)) {
            QImage picture(twice);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(2.0);
                return picture;
            }
        }
    }
    return wasPreloaded ? preloaded : QImage(path);
}

PicturePreload::PicturePreload(const QStringList &paths, std::function<void()> first)
    : m_state(std::make_shared<State>())
{
    for (const QString &path : paths)
        m_state->waiting.insert(path);
    // Qt takes the first thread that asks for its thread data as the program's main thread;
    // the worker's decoding creates Qt objects, so this thread asks first.
    (void)QThread::currentThread();
    activePreload = m_state.get();
    m_state->worker = std::thread([state = m_state, paths, first = std::move(first)] {
        // The worker uses only a core that is idle: competing with the application's
        // connection to the display (and the display server) would slow the start-up down
        // more than the worker speeds it up, and whatever it has not reached when asked for
        // is decoded by the one who asks.
        runOnlyWhenIdle();
        if (first)
            first();
        for (const QString &path : paths) {
            {
                std::lock_guard lock(state->mutex);
                // Taken before the worker got to it: the taker decoded it.
                if (!state->waiting.contains(path))
                    continue;
                state->decoding = path;
            }
            QImage picture(path);
            std::lock_guard lock(state->mutex);
            state->decoding.clear();
            state->ready.insert(path, std::move(picture));
            state->decoded.notify_all();
        }
    });
}

PicturePreload::~PicturePreload()
{
    activePreload = nullptr;
    m_state->worker.join();
}

int PicturePreload::untaken() const
{
    std::lock_guard lock(m_state->mutex);
    return int(m_state->waiting.size());
}
