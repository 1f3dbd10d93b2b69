#pragma once

// Maps the font families the layouts name ("Tubular", "MS Sans Serif", "Arial",
// "Times New Roman") to the free fonts installed with the game, so the captions draw in
// look-alikes whatever the desktop has.
void installFontSubstitutions();

// Reads the system's font configuration (fontconfig's), which Qt's font database then starts
// from at once instead of reading it when the first caption is drawn. Safe on any thread:
// the program body runs it on its start-up worker.
void loadFontConfiguration();
