#include "platform/Scheduling.h"

#include <pthread.h>
#include <sched.h>

bool runOnlyWhenIdle()
{
    sched_param parameters {};
    parameters.sched_priority = 0;
    return pthread_setschedparam(pthread_self(), SCHED_IDLE, &parameters) == 0;
}
