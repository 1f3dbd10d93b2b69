#pragma once

// Lets the calling thread run only when a core would otherwise be idle, for background work
// that must not slow down what the player is waiting for (on Linux, the SCHED_IDLE policy).
// Returns whether the system accepted it; the thread runs on at its old priority otherwise.
bool runOnlyWhenIdle();
