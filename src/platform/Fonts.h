#pragma once

// Maps the font families the layouts name ("Tubular", "MS Sans Serif", "Arial",
// "Times New Roman") to the free fonts installed with the game, so the captions draw in
// look-alikes whatever the desktop has.
void installFontSubstitutions();

#include <thread>

// Reads the system's font configuration on a worker thread, so that the first caption drawn
// does not wait for it (on a second core, while the application connects to the display).
// Destroying it waits for the worker.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload &) = delete;
    FontConfigurationPreload &operator=(const FontConfigurationPreload &) = delete;

private:
    std::thread m_worker;
};
