#include "main/Themes.h"

#include "widgets/TImageList.h"

#include <QImage>

#include <array>

namespace {

// Each picture is decoded once per process; the machine's lists and the help window's copies
// share its pixels.
const QImage &themePicture(int theme, int index)
{
    static std::array<std::array<QImage, 9>, 7> pictures;
    QImage &picture = pictures[size_t(theme)][size_t(index)];
    if (picture.isNull())
        picture = QImage(QStringLiteral(":/art/themes/%1/%2.png").arg(theme).arg(index));
    return picture;
}

} // namespace

TImageList *createThemeImageList(int theme, QObject *owner)
{
    auto *list = new TImageList(105, 65, owner);
    list->setObjectName(QStringLiteral("ImageList%1").arg(theme));
    list->setBkColor(Qt::white);
    for (int i = 0; i < 9; ++i)
        list->add(themePicture(theme, i));
    return list;
}
