#pragma once

#include <functional>

// The default system beep, sounded when a control refuses a key or a step.
void MessageBeep();

// Replaces what MessageBeep does (an empty function restores the real beep).
void setBeepHandler(std::function<void()> handler);
