#pragma once

#include <cstdint>

// The UTC time of day, as the system clock reports it.
struct SystemTime {
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// The source of the UTC time. Tests install their own clock with setSystemClock.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    virtual SystemTime now() const = 0;
};

SystemTime GetSystemTime();

// Replaces the clock GetSystemTime reads (nullptr restores the real one). Not owned.
void setSystemClock(const SystemClock *clock);
