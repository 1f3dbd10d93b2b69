#include "main/Themes.h"

#include "widgets/TImageList.h"

#include <QImage>

TImageList *createThemeImageList(int theme, QObject *owner)
{
    auto *list = new TImageList(105, 65, owner);
    list->setObjectName(QStringLiteral("ImageList%1").arg(theme));
    list->setBkColor(Qt::white);
    for (int i = 0; i < 9; ++i)
        list->add(QImage(QStringLiteral(":/art/themes/%1/%2.png").arg(theme).arg(i)));
    return list;
}
