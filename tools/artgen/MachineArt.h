#pragma once

// The machine's own pictures: the face, the button plates, the coin slot, the theme toggle,
// the coin, the lever, the selector's background and the spin-edit arrows.

#include <QImage>
#include <QRect>
#include <QString>

namespace MachineArt {

// Where each bitmap button lies on the face, and the word on its plate.
struct ButtonPlace {
    QString file;  // "spin", "betmax", "help"
    QString label; // "SPIN", "BET MAX", "HELP"
    QRect button;  // the button's rectangle on the face
    QRect plate;   // the plate drawn on the face under it
};
const ButtonPlace &buttonPlace(int index); // 0 BET MAX, 1 SPIN, 2 HELP
inline constexpr int kButtonCount = 3;

// The pictures that take a scale are drawn at that many device pixels per pixel: scale 2
// gives the "@2x" picture for screens at 200 %, the same drawing at twice the resolution.

// The face, 485 x 500 in grey levels; litPlate (0..2) draws that plate lit, -1 none.
QImage face(int litPlate = -1, int scale = 1);
// A button's picture: the face under the button, with its plate lit when down.
QImage button(int index, bool down, int scale = 1);

QImage coinSlot(int scale = 1); // 133 x 57, black outside the plate
QImage toggle();     // 44 x 11, top-left pixel a colour found nowhere else
QImage coin(int scale = 1); // 43 x 43, gold coin on black
QImage lever(int scale = 1);    // 150 x 300, gold knob on a shaft, on black
QImage selector();   // 119 x 495, gradient with title and bevelled frame
QImage spinArrow(bool up); // 7 x 4 black triangle on transparent

// The program's icon for the desktop, size x size: a gold coin and a pair of cherries on
// a rounded red plate, on transparent.
QImage icon(int size);

} // namespace MachineArt
