#include "platform/SystemClock.h"

#include <chrono>

namespace {

class UtcClock final : public SystemClock {
public:
    SystemTime now() const override
    {
        using namespace std::chrono;
        const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
        const auto ofDay = sinceEpoch - duration_cast<days>(sinceEpoch);
        const hh_mm_ss<milliseconds> t(ofDay);
        return { uint16_t(t.hours().count()), uint16_t(t.minutes().count()),
                 uint16_t(t.seconds().count()), uint16_t(t.subseconds().count()) };
    }
};

const UtcClock utcClock;
const SystemClock *currentClock = &utcClock;

} // namespace

SystemTime GetSystemTime()
{
    return currentClock->now();
}

void setSystemClock(const SystemClock *clock)
{
    currentClock = clock ? clock : &utcClock;
}
