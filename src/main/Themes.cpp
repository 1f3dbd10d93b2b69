#include "main/Themes.h"

#include "runtime/Pictures.h"
#include "widgets/TImageList.h"

#include <QDirIterator>
#include <QImage>

#include <array>

const QImage &themePicture(int theme, int index)
{
    static std::array<std::array<QImage, 9>, 7> pictures;
    QImage &picture = pictures[size_t(theme)][size_t(index)];
    if (picture.isNull())
        picture = loadPicture(QStringLiteral(":/art/themes/%1/%2.png").arg(theme).arg(index));
    return picture;
}

TImageList *createThemeImageList(int theme, QObject *owner)
{
    auto *list = new TImageList(105, 65, owner);
    list->setObjectName(QStringLiteral("ImageList%1").arg(theme));
    list->setBkColor(Qt::white);
    for (int i = 0; i < 9; ++i)
        list->addDeferred([theme, i] { return themePicture(theme, i); });
    return list;
}

QStringList startUpPictures()
{
    const QString art = QStringLiteral(":/art");
    const QString themes = art + QStringLiteral("/themes/");
    const QString fruit = themes + QStringLiteral("1/");
    QStringList paths;
    QDirIterator it(art, { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("@2x")) || (path.startsWith(themes) && !path.startsWith(fruit)))
            continue;
        paths.append(path);
    }
    paths.sort();
    // The largest and the first needed.
    paths.move(paths.indexOf(art + QStringLiteral("/face.png")), 0);
    return paths;
}
