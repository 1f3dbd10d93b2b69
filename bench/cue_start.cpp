// cue_start: how long after PlayCue the first audio frame is handed to the sound server,
// for each of the four cues, through the real media control layer (libsndfile decoding,
// a push-mode QAudioSink on PulseAudio).
//
//   cue_start DRIVE_C [--repeats N]
//
// The first frame handed to the output is the first pa_stream_write of the process after
// the call: this program defines pa_stream_write itself (exported, so the Qt Multimedia
// library's calls bind to it) and passes every call on to PulseAudio's own. Nothing in the
// game is changed. Also prints how long PlayCue took to return, and the decode alone.
// Without a sound server there is no output: it says so and prints no figure.

#include "platform/AudioMediaControl.h"
#include "widgets/TMediaPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::atomic<int64_t> firstWriteNs { 0 };
std::atomic<bool> armed { false };

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t rank = size_t(std::ceil(p * double(v.size()))) - 1;
    return v[std::min(rank, v.size() - 1)];
}

} // namespace

// PulseAudio's pa_stream_write, with the same arguments (the pointer and enum types of
// <pulse/stream.h> reduced to what the calling convention sees).
extern "C" int pa_stream_write(void *stream, const void *data, size_t nbytes, void (*freeCb)(void *),
                               int64_t offset, int seek)
{
    using Write = int (*)(void *, const void *, size_t, void (*)(void *), int64_t, int);
    static const Write next = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "pa_stream_write"));
    if (armed.exchange(false))
        firstWriteNs = nowNs();
    return next(stream, data, nbytes, freeCb, offset, seek);
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: cue_start DRIVE_C [--repeats N]\n");
        return 1;
    }
    int repeats = 20;
    for (int i = 2; i + 1 < argc; i += 2)
        if (!std::strcmp(argv[i], "--repeats"))
            repeats = std::max(1, std::atoi(argv[i + 1]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setGameDataRoot(QString::fromLocal8Bit(argv[1]));

    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        std::printf("cue_start: no audio output device (no sound server): nothing measured\n");
        std::printf("ROW\tCue start (PlayCue -> first frame to the output)\tnot measured: no audio output\t<= 30 ms\n");
        return 0;
    }
    std::printf("cue_start: output %s\n", qPrintable(output.description()));

    TMediaPlayer player;
    const char *cues[] = { "c:\\zorvix\\pull1.wav", "c:\\zorvix\\payoff.wav", "c:\\zorvix\\bleep1.mp3",
                           "c:\\zorvix\\insertcoin.au" };
    std::vector<double> allFirstWrite;
    double coldFirstWrite = -1;
    bool failed = false;
    for (const char *cue : cues) {
        std::vector<double> firstWrite, returned, decode;
        for (int i = 0; i < repeats; ++i) {
            DecodedSound sound;
            QString error;
            const int64_t d0 = nowNs();
            decodeSoundFile(mapGamePath(QString::fromLatin1(cue)), sound, error);
            decode.push_back(double(nowNs() - d0) / 1e6);

            firstWriteNs = 0;
            armed = true;
            const int64_t t0 = nowNs();
            player.PlayCue(QString::fromLatin1(cue));
            const int64_t t1 = nowNs();
            armed = false;
            returned.push_back(double(t1 - t0) / 1e6);
            if (firstWriteNs == 0 || player.lastResult() != 0) {
                std::printf("  %s: no frame was handed to the output (play returned %d)\n", cue, player.lastResult());
                failed = true;
                break;
            }
            firstWrite.push_back(double(firstWriteNs - t0) / 1e6);
            if (coldFirstWrite < 0)
                coldFirstWrite = firstWrite.back();
            QTest::qWait(150); // the cue sounds a while; the next PlayCue cuts it off, as in play
        }
        if (firstWrite.empty())
            continue;
        allFirstWrite.insert(allFirstWrite.end(), firstWrite.begin(), firstWrite.end());
        std::printf("  %-24s PlayCue -> first frame to the output: median %.2f ms, max %.2f ms; PlayCue returned after "
                    "median %.2f ms; decoding the file alone: median %.2f ms\n",
                    cue, percentile(firstWrite, 0.5), percentile(firstWrite, 1.0), percentile(returned, 0.5),
                    percentile(decode, 0.5));
    }
    player.Close();
    if (allFirstWrite.empty()) {
        std::printf("ROW\tCue start (PlayCue -> first frame to the output)\tnot measured: the output took no frame\t<= 30 ms\n");
        return 1;
    }
    std::printf("ROW\tCue start (PlayCue -> first frame to the output), 4 cues x %d\tmedian %.2f ms, p99 %.2f ms, max "
                "%.2f ms (first call of the process %.2f ms)\t<= 30 ms\n",
                repeats, percentile(allFirstWrite, 0.5), percentile(allFirstWrite, 0.99), percentile(allFirstWrite, 1.0),
                coldFirstWrite);
    return failed ? 1 : 0;
}
