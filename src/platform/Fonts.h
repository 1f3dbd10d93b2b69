#pragma once

// Maps the font families the layouts name ("Tubular", "MS Sans Serif", "Arial",
// "Times New Roman") to the free fonts installed with the game, so the captions draw in
// look-alikes whatever the desktop has.
void installFontSubstitutions();
