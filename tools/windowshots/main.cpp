// windowshots: the help page's pictures of the main window and the theme selector, taken
// from the real windows at build time, as the player first sees them (before any play).
//
//   windowshots OUTPUT_DIR DRIVE_C_DIR [SUFFIX]
//
// writes OUTPUT_DIR/machine<SUFFIX>.png and OUTPUT_DIR/selector<SUFFIX>.png. Run with
// QT_SCALE_FACTOR=2 and SUFFIX "@2x" it writes the twice-size pictures for screens scaled
// to 200 %, drawn from the twice-size art.
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "platform/AudioMediaControl.h"
#include "runtime/Application.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: windowshots OUTPUT_DIR DRIVE_C_DIR [SUFFIX]\n");
        return 2;
    }
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Zorvixia"));
    setGameDataRoot(QString::fromLocal8Bit(argv[2]));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString suffix = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    TForm1 Form1;
    TStyleForm StyleForm;
    const struct {
        QWidget *window;
        const char *name;
    } shots[] = { { &Form1, "machine" }, { &StyleForm, "selector" } };
    for (const auto &shot : shots) {
        const QString file = out.filePath(QLatin1String(shot.name) + suffix + QStringLiteral(".png"));
        if (!shot.window->grab().toImage().save(file)) {
            std::fprintf(stderr, "windowshots: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
