#include "platform/Timers.h"

#include "runtime/Exceptions.h"

#include <QObject>

namespace {
bool timersRefused = false;
const QObject *refusedOwner = nullptr; // nullptr: every owner
}

int startPlatformTimer(QObject *owner, int intervalMs)
{
    const bool refused = timersRefused && (!refusedOwner || refusedOwner == owner);
    const int id = refused ? 0 : owner->startTimer(intervalMs, Qt::PreciseTimer);
    if (id == 0)
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
    return id;
}

void stopPlatformTimer(QObject *owner, int &timerId)
{
    if (timerId != 0) {
        owner->killTimer(timerId);
        timerId = 0;
    }
}

void setTimersRefused(bool refused, const QObject *owner)
{
    timersRefused = refused;
    refusedOwner = owner;
}
