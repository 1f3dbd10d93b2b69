#pragma once

class QObject;

// The window-message timers every control uses: precise Qt timers on the owner, whose
// ticks arrive through timerEvent (and so through the application's notify()).
// Returns the timer id; a refused timer raises EOutOfResources "Not enough timers available".
int startPlatformTimer(QObject *owner, int intervalMs);

// Stops a timer started by startPlatformTimer and clears the id; 0 is ignored.
void stopPlatformTimer(QObject *owner, int &timerId);

// Makes the platform refuse new timers (true) or grant them again (false), to test what the
// game does when it cannot get a timer: every owner's, or only `owner`'s.
void setTimersRefused(bool refused, const QObject *owner = nullptr);
