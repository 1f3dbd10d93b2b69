#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QImage;
class QObject;
class TImageList;

// The seven symbol themes, in the order of the image lists ImageList0 .. ImageList6, named
// after the theme selector's buttons that choose them.
inline constexpr std::array<const char *, 7> ThemeButtonNames = {
    "Numbers", "Fruit", "Computers", "Animals", "Politicians", "Skulls", "Rocks",
};

// Picture `index` (0..8) of theme `theme` (0..6), 105 x 65 and opaque. Each picture is
// decoded the first time it is asked for and then shared by everything that shows it.
const QImage &themePicture(int theme, int index);

// Builds image list `theme` (0..6): nine 105 x 65 pictures on a white background colour,
// each decoded when it is first drawn.
TImageList *createThemeImageList(int theme, QObject *owner);

// The pictures the three windows decode while they are built: every plain-size picture the
// program carries except the symbol themes, and the nine pictures of the fruit theme, which
// the cells show at start-up; the main window's face first.
QStringList startUpPictures();

// Answers whether the theme button of the given name is the selected one.
using ThemeQuery = std::function<bool(const QString &buttonName)>;
