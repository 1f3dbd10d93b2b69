// The real media control layer: how the game's Windows paths find the data folder, what
// opening the cue files and broken files gives, and that playing and closing never block
// or crash, with or without an audio output on the machine.
#include "platform/AudioMediaControl.h"
#include "runtime/Exceptions.h"
#include "widgets/TMediaPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#ifndef ZORVIX_CUE_DIR
#error "ZORVIX_CUE_DIR must name the folder the cue files are generated into"
#endif

namespace {

const QString kCueDir = QStringLiteral(ZORVIX_CUE_DIR);

// The folder that holds zorvix/, standing for drive c: in these tests.
QString cueDriveRoot()
{
    return QFileInfo(kCueDir + QStringLiteral("/..")).canonicalFilePath();
}

// Points drive c: at a folder for the length of a test.
class DataRootScope {
public:
    explicit DataRootScope(const QString &root) { setGameDataRoot(root); }
    ~DataRootScope() { setGameDataRoot(QString()); }
};

// Runs the event loop for a while, so that timers, queued state changes and deferred
// deletions of the audio layer get their turn.
void spinEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// What play() may return here: with no output on the machine it must say so; with one,
// the stream must start.
void expectPlayResult(int result)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        EXPECT_EQ(result, AudioNoOutput);
    else
        EXPECT_EQ(result, AudioPlayStarted);
}

std::vector<short> readShorts(const QString &path, SF_INFO &info)
{
    info = SF_INFO{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
    samples.resize(static_cast<std::size_t>(sf_readf_short(file, samples.data(), info.frames) * info.channels));
    sf_close(file);
    return samples;
}

std::vector<qint16> samplesOf(const DecodedSound &sound)
{
    std::vector<qint16> samples(static_cast<std::size_t>(sound.pcm.size()) / sizeof(qint16));
    std::copy_n(sound.pcm.constData(), sound.pcm.size(), reinterpret_cast<char *>(samples.data()));
    return samples;
}

} // namespace

TEST(MapGamePath, DriveCInEitherCaseMapsToTheDataRootWithSlashes)
{
    DataRootScope scope(QStringLiteral("/opt/game/drive_c"));
    EXPECT_EQ(mapGamePath(QStringLiteral("c:\\zorvix\\pull1.wav")), QStringLiteral("/opt/game/drive_c/zorvix/pull1.wav"));
    EXPECT_EQ(mapGamePath(QStringLiteral("C:\\zorvix\\insertcoin.au")),
              QStringLiteral("/opt/game/drive_c/zorvix/insertcoin.au"));
    EXPECT_EQ(mapGamePath(QStringLiteral("c:/zorvix/payoff.wav")), QStringLiteral("/opt/game/drive_c/zorvix/payoff.wav"));
    EXPECT_EQ(mapGamePath(QStringLiteral("c:zorvix\\bleep1.mp3")), QStringLiteral("/opt/game/drive_c/zorvix/bleep1.mp3"));
}

TEST(MapGamePath, DataRootOverrideIgnoresATrailingSlashAndEmptyRestoresTheDefault)
{
    const QString defaultRoot = gameDataRoot();
    {
        DataRootScope scope(QStringLiteral("/tmp/somewhere/"));
        EXPECT_EQ(gameDataRoot(), QStringLiteral("/tmp/somewhere"));
        EXPECT_EQ(mapGamePath(QStringLiteral("c:\\zorvix\\pull1.wav")), QStringLiteral("/tmp/somewhere/zorvix/pull1.wav"));
    }
    EXPECT_EQ(gameDataRoot(), defaultRoot);
}

TEST(MapGamePath, DefaultRootIsBesideTheExecutableElseTheInstalledShareFolder)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString root = gameDataRoot();
    if (QFileInfo(appDir + QStringLiteral("/drive_c")).isDir())
        EXPECT_EQ(root, appDir + QStringLiteral("/drive_c"));
    else
        EXPECT_EQ(QDir::cleanPath(root), QDir::cleanPath(appDir + QStringLiteral("/../share/zorvixia/drive_c")));
    EXPECT_EQ(mapGamePath(QStringLiteral("C:\\zorvix\\insertcoin.au")), root + QStringLiteral("/zorvix/insertcoin.au"));
}

TEST(MapGamePath, OtherPathsOnlyHaveTheirBackslashesTurned)
{
    DataRootScope scope(QStringLiteral("/opt/game/drive_c"));
    EXPECT_EQ(mapGamePath(QStringLiteral("d:\\zorvix\\pull1.wav")), QStringLiteral("d:/zorvix/pull1.wav"));
    EXPECT_EQ(mapGamePath(QStringLiteral("/usr/share/sounds/a.wav")), QStringLiteral("/usr/share/sounds/a.wav"));
    EXPECT_EQ(mapGamePath(QStringLiteral("zorvix\\pull1.wav")), QStringLiteral("zorvix/pull1.wav"));
}

TEST(AudioMediaControl, IsTheBuiltInMediaControl)
{
    EXPECT_NE(dynamic_cast<AudioMediaControl *>(&mediaControl()), nullptr);
}

TEST(AudioMediaControl, EveryCueOpensByItsGamePath)
{
    DataRootScope scope(cueDriveRoot());
    AudioMediaControl control;
    for (const char *path : {"c:\\zorvix\\insertcoin.au", "C:\\zorvix\\insertcoin.au", "c:\\zorvix\\bleep1.mp3",
                             "c:\\zorvix\\pull1.wav", "c:\\zorvix\\payoff.wav"}) {
        QString errorText;
        EXPECT_NE(control.open(QString::fromLatin1(path), errorText), nullptr) << path << ": " << qPrintable(errorText);
        EXPECT_TRUE(errorText.isEmpty()) << path;
    }
}

// The 16-bit cues must come back sample for sample; the MP3 one through its float decoder
// must keep its level (a wrong scale gives silence or clipping).
TEST(AudioMediaControl, DecodingKeepsTheFileFormatAndItsSamples)
{
    for (const char *name : {"insertcoin.au", "pull1.wav", "payoff.wav", "bleep1.mp3"}) {
        SCOPED_TRACE(name);
        const QString path = kCueDir + QLatin1Char('/') + QLatin1String(name);
        DecodedSound sound;
        QString errorText;
        ASSERT_TRUE(decodeSoundFile(path, sound, errorText)) << qPrintable(errorText);
        SF_INFO info;
        const std::vector<short> reference = readShorts(path, info);
        EXPECT_EQ(sound.sampleRate, info.samplerate);
        EXPECT_EQ(sound.channels, info.channels);
        const std::vector<qint16> samples = samplesOf(sound);
        ASSERT_EQ(samples.size(), reference.size());
        if (QByteArray(name).endsWith(".mp3")) {
            const auto loudest = [](const auto &values) {
                int peak = 0;
                for (auto value : values)
                    peak = std::max(peak, std::abs(int(value)));
                return peak;
            };
            // Peak normalised to -1 dBFS when written; allow for the encoder's ringing.
            EXPECT_GT(loudest(samples), 26000);
            EXPECT_NEAR(loudest(samples), loudest(reference), 2);
        } else {
            EXPECT_TRUE(std::equal(samples.begin(), samples.end(), reference.begin()));
        }
    }
}

TEST(AudioMediaControl, MissingFileFailsWithTheSystemText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DataRootScope scope(dir.path());
    QString errorText;
    EXPECT_EQ(AudioMediaControl().open(QStringLiteral("c:\\zorvix\\pull1.wav"), errorText), nullptr);
    EXPECT_EQ(errorText, QStringLiteral("System error : No such file or directory."));
}

TEST(AudioMediaControl, GarbageAndEmptyFilesFailToOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray garbage;
    std::uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1664525u + 1013904223u;
        garbage.append(char(state >> 24));
    }
    QFile garbageFile(dir.filePath(QStringLiteral("x.wav")));
    ASSERT_TRUE(garbageFile.open(QIODevice::WriteOnly));
    garbageFile.write(garbage);
    garbageFile.close();
    QFile emptyFile(dir.filePath(QStringLiteral("empty.wav")));
    ASSERT_TRUE(emptyFile.open(QIODevice::WriteOnly));
    emptyFile.close();

    AudioMediaControl control;
    QString errorText;
    EXPECT_EQ(control.open(garbageFile.fileName(), errorText), nullptr);
    EXPECT_EQ(errorText, QStringLiteral("Format not recognised."));
    errorText.clear();
    EXPECT_EQ(control.open(emptyFile.fileName(), errorText), nullptr);
    EXPECT_EQ(errorText, QStringLiteral("Format not recognised."));
}

// A well-formed file with no samples opens and "plays" at once, even without an output.
TEST(AudioMediaControl, FileWithoutSamplesOpensAndPlays)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("silent.wav"));
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    sf_close(file);

    QString errorText;
    std::unique_ptr<MediaDevice> device = AudioMediaControl().open(path, errorText);
    ASSERT_NE(device, nullptr) << qPrintable(errorText);
    EXPECT_EQ(device->play(), AudioPlayStarted);
}

// The cue lasts over a second; play must hand it over and return long before that.
TEST(AudioMediaControl, PlayReturnsAtOnceAndReportsAMissingOutput)
{
    DataRootScope scope(cueDriveRoot());
    QString errorText;
    std::unique_ptr<MediaDevice> device = AudioMediaControl().open(QStringLiteral("c:\\zorvix\\pull1.wav"), errorText);
    ASSERT_NE(device, nullptr) << qPrintable(errorText);
    QElapsedTimer clock;
    clock.start();
    const int result = device->play();
    EXPECT_LT(clock.elapsed(), 500);
    expectPlayResult(result);
    spinEventLoop(50);
}

TEST(AudioMediaControl, ClosingWhilePlayingOrReplayingIsSafe)
{
    DataRootScope scope(cueDriveRoot());
    AudioMediaControl control;
    QString errorText;
    std::unique_ptr<MediaDevice> device = control.open(QStringLiteral("c:\\zorvix\\payoff.wav"), errorText);
    ASSERT_NE(device, nullptr) << qPrintable(errorText);
    expectPlayResult(device->play());
    spinEventLoop(60);
    expectPlayResult(device->play()); // starts again from the beginning
    spinEventLoop(30);
    device.reset();
    // Nothing of the closed device may still be called back.
    spinEventLoop(100);

    // Closed from inside the event loop, as the game closes a cue from a handler.
    device = control.open(QStringLiteral("c:\\zorvix\\pull1.wav"), errorText);
    ASSERT_NE(device, nullptr) << qPrintable(errorText);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] { expectPlayResult(device->play()); });
    QTimer::singleShot(40, &loop, [&] { device.reset(); });
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(device, nullptr);
}

// The media player on the built-in layer: the game's cue sequence plays without waiting,
// and a missing file raises the platform's text.
TEST(AudioMediaControl, MediaPlayerPlaysCuesAndReportsAMissingOne)
{
    DataRootScope scope(cueDriveRoot());
    TMediaPlayer player;
    player.PlayCue(QStringLiteral("c:\\zorvix\\bleep1.mp3"));
    EXPECT_TRUE(player.isOpen());
    expectPlayResult(player.lastResult());
    try {
        player.PlayCue(QStringLiteral("c:\\zorvix\\nothing.wav"));
        ADD_FAILURE() << "opening a missing cue did not raise";
    } catch (const EMCIDeviceError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("System error : No such file or directory."));
    }
    EXPECT_FALSE(player.isOpen());
}
