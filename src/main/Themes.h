#pragma once

#include <QString>

#include <array>
#include <functional>

class TImageList;
class QObject;

// The seven symbol themes, in the order of the image lists ImageList0 .. ImageList6, named
// after the theme selector's buttons that choose them.
inline constexpr std::array<const char *, 7> ThemeButtonNames = {
    "Numbers", "Fruit", "Computers", "Animals", "Politicians", "Skulls", "Rocks",
};

// Builds image list `theme` (0..6): nine 105 x 65 pictures on a white background colour.
TImageList *createThemeImageList(int theme, QObject *owner);

// Answers whether the theme button of the given name is the selected one.
using ThemeQuery = std::function<bool(const QString &buttonName)>;
