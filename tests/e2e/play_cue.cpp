// play_cue: opens one sound file through the game's media control layer, plays it and
// keeps the event loop running while it sounds. Used by audio_check.sh to hear a cue
// through the real audio output.
//
//   play_cue FILE [--wait MS] [--cut-after MS] [--data-root DIR]
//
// FILE may be written as the game writes it ("c:\zorvix\pull1.wav"); --data-root says which
// folder stands for drive c:. --cut-after closes the device that many milliseconds after
// play, as the next cue would. Prints how long open and play took. Exit status: 0 played,
// 1 bad arguments, 2 open failed, 3 play failed.

#include "platform/AudioMediaControl.h"
#include "platform/MediaControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: play_cue FILE [--wait MS] [--cut-after MS] [--data-root DIR]\n");
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString file;
    int waitMs = 1500;
    int cutAfterMs = -1;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        bool ok = true;
        if (arg == QLatin1String("--wait") && !args.isEmpty())
            waitMs = args.takeFirst().toInt(&ok);
        else if (arg == QLatin1String("--cut-after") && !args.isEmpty())
            cutAfterMs = args.takeFirst().toInt(&ok);
        else if (arg == QLatin1String("--data-root") && !args.isEmpty())
            setGameDataRoot(args.takeFirst());
        else if (!arg.startsWith(QLatin1String("--")) && file.isEmpty())
            file = arg;
        else
            ok = false;
        if (!ok)
            return usage();
    }
    if (file.isEmpty())
        return usage();

    std::printf("play_cue: %s -> %s\n", qPrintable(file), qPrintable(mapGamePath(file)));
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    std::printf("play_cue: output device: %s\n",
                output.isNull() ? "(none)" : qPrintable(output.description()));

    QElapsedTimer clock;
    clock.start();
    QString errorText;
    std::unique_ptr<MediaDevice> device = mediaControl().open(file, errorText);
    const double openMs = clock.nsecsElapsed() / 1e6;
    if (!device) {
        std::printf("play_cue: open failed after %.2f ms: %s\n", openMs, qPrintable(errorText));
        return 2;
    }
    std::printf("play_cue: open took %.2f ms\n", openMs);

    clock.restart();
    const int result = device->play();
    const double playMs = clock.nsecsElapsed() / 1e6;
    // play() hands the first buffer-full to the output before it returns, so its duration
    // bounds the time to the first frame.
    std::printf("play_cue: play returned %d after %.2f ms\n", result, playMs);
    if (result != 0)
        return 3;

    if (cutAfterMs >= 0) {
        QTimer::singleShot(cutAfterMs, &app, [&] {
            QElapsedTimer closeClock;
            closeClock.start();
            device.reset();
            std::printf("play_cue: closed after %d ms (close took %.3f ms)\n", cutAfterMs,
                        closeClock.nsecsElapsed() / 1e6);
        });
    }
    QTimer::singleShot(waitMs, &app, &QCoreApplication::quit);
    app.exec();
    device.reset();
    std::fflush(stdout);
    return 0;
}
