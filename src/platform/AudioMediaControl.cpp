#include "platform/AudioMediaControl.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The output buffer asked of the audio server (it may grant less or more), how much sound
// play() writes at once, and how often a longer sound is topped up. Writing the first
// seconds at once means a busy UI thread cannot starve a cue, and the stream does not
// depend on the server asking for more in time.
constexpr int kOutputBufferMs = 200;
constexpr int kFirstWriteMs = 3000;
constexpr int kFeedIntervalMs = 20;
// How long after its nominal end a sound may still be coming out of the speakers: the
// longest output latency the audio server configures.
constexpr int kReleaseMarginMs = 2000;
// Frames decoded per libsndfile read.
constexpr sf_count_t kDecodeBlockFrames = 4096;

QString &dataRootOverride()
{
    static QString root;
    return root;
}

qint16 toInt16(float sample)
{
    // Integer sources arrive normalised to [-1, 1); scaling by 32768 gives 16-bit input back
    // exactly. Floating-point sources may overshoot and are clipped.
    const float scaled = std::clamp(sample * 32768.0F, -32768.0F, 32767.0F);
    return static_cast<qint16>(std::lrint(scaled));
}

// One decoded file on the default audio output. play() opens a push-mode stream and
// writes the first seconds of sound to it at once, which for a cue is all of it, so the
// server plays it without waiting for us. While more is left, a timer on the UI thread
// tops the stream up as the output frees room. The sound is followed by one buffer of
// silence, so that the server starts even a sound shorter than its pre-buffer.
//
// The server reports a stream as run dry when it has mixed the last sample, which can be
// well before the sound card has played it (by the output's latency, up to about two
// seconds). Releasing the stream then would cut the end of the sound off, so the stream is
// released only once the whole sound has had time to play out. Destroying the device
// releases the stream at once, cutting the sound off.
class AudioDevice final : public MediaDevice {
public:
    AudioDevice(QByteArray pcm, const QAudioFormat &format)
        : m_pcm(std::move(pcm))
        , m_format(format)
    {
        m_feedTimer.setInterval(kFeedIntervalMs);
        QObject::connect(&m_feedTimer, &QTimer::timeout, [this] { feed(); });
        m_releaseTimer.setSingleShot(true);
        QObject::connect(&m_releaseTimer, &QTimer::timeout, [this] { stopOutput(); });
    }

    ~AudioDevice() override { stopOutput(); }

    int play() override
    {
        stopOutput();
        // A file without samples has nothing to sound: it is at its end at once.
        if (m_pcm.isEmpty())
            return AudioPlayStarted;
        // The output is looked up at the first play, not at open: the coin sound is opened
        // while the game starts, and connecting to the sound server would hold that up.
        if (!m_output)
            m_output = QMediaDevices::defaultAudioOutput();
        if (m_output->isNull())
            return AudioNoOutput;

        const qsizetype requestedBuffer = m_format.bytesForDuration(qint64(kOutputBufferMs) * 1000);
        m_sink = new QAudioSink(*m_output, m_format);
        m_sink->setBufferSize(requestedBuffer);
        m_stream = m_sink->start();
        if (!m_stream || m_sink->error() != QAudio::NoError) {
            stopOutput();
            return AudioOutputFailed;
        }
        m_playClock.start();
        // Once the stream is open the sink reports the buffer the server granted.
        qsizetype padding = std::max(m_sink->bufferSize(), requestedBuffer);
        padding -= padding % m_format.bytesPerFrame();
        m_position = 0;
        m_end = m_pcm.size() + padding;

        write(std::max<qsizetype>(m_sink->bytesFree(), m_format.bytesForDuration(qint64(kFirstWriteMs) * 1000)));
        if (!m_sink)
            return AudioOutputFailed;
        if (m_position < m_end)
            m_feedTimer.start();
        else
            scheduleRelease();
        return AudioPlayStarted;
    }

private:
    // Hands up to `room` bytes to the output: the samples, then the trailing silence.
    // Releases the stream if the output refuses them.
    void write(qsizetype room)
    {
        room -= room % m_format.bytesPerFrame();
        while (room > 0 && m_position < m_end) {
            qint64 written = 0;
            if (m_position < m_pcm.size()) {
                written = m_stream->write(m_pcm.constData() + m_position, std::min(room, m_pcm.size() - m_position));
            } else {
                const QByteArray silence(std::min(room, m_end - m_position), '\0');
                written = m_stream->write(silence);
            }
            if (written <= 0 || m_sink->error() == QAudio::IOError || m_sink->error() == QAudio::FatalError) {
                stopOutput();
                return;
            }
            m_position += written;
            room -= written;
        }
    }

    void feed()
    {
        if (!m_sink)
            return;
        if (m_sink->state() == QAudio::StoppedState) {
            stopOutput(); // the output failed, for instance the server went away
            return;
        }
        write(m_sink->bytesFree());
        if (m_sink && m_position >= m_end) {
            m_feedTimer.stop();
            scheduleRelease();
        }
    }

    // Everything is written: the sound ends, at the latest, its own length plus the
    // output's latency after play() started it.
    void scheduleRelease()
    {
        const qint64 soundMs = m_format.durationForBytes(qint32(std::min<qsizetype>(m_end, INT32_MAX))) / 1000;
        m_releaseTimer.start(int(std::max<qint64>(0, soundMs + kReleaseMarginMs - m_playClock.elapsed())));
    }

    void stopOutput()
    {
        m_feedTimer.stop();
        m_releaseTimer.stop();
        m_stream = nullptr;
        QAudioSink *sink = std::exchange(m_sink, nullptr);
        if (!sink)
            return;
        sink->stop();
        // Destroying a sink may process pending events. Inside a running event loop that
        // would run other handlers in the middle of the one closing this device, so the
        // already stopped sink is deleted once control is back in the loop.
        if (QThread::currentThread()->loopLevel() > 0)
            sink->deleteLater();
        else
            delete sink;
    }

    QByteArray m_pcm;
    QAudioFormat m_format;
    std::optional<QAudioDevice> m_output;
    QAudioSink *m_sink = nullptr;
    QIODevice *m_stream = nullptr; // owned by m_sink
    qsizetype m_position = 0;      // bytes handed to the output, samples then silence
    qsizetype m_end = 0;           // samples plus trailing silence
    QElapsedTimer m_playClock;
    QTimer m_feedTimer;
    QTimer m_releaseTimer;
};

} // namespace

// The whole file is decoded at open, so that play only has to hand samples over.
// libsndfile picks the decoder from the file's header, or from its extension for kinds
// without one, such as MP3.
bool decodeSoundFile(const QString &path, DecodedSound &sound, QString &errorText)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        errorText = QString::fromLocal8Bit(sf_strerror(nullptr));
        return false;
    }
    const int channels = info.channels;
    std::vector<float> block(static_cast<std::size_t>(kDecodeBlockFrames * channels));
    std::vector<qint16> samples;
    if (info.frames > 0 && info.frames < sf_count_t(1) << 28)
        samples.reserve(static_cast<std::size_t>(info.frames * channels));
    for (;;) {
        const sf_count_t frames = sf_readf_float(file, block.data(), kDecodeBlockFrames);
        if (frames <= 0)
            break;
        const auto end = block.begin() + static_cast<std::ptrdiff_t>(frames * channels);
        std::transform(block.begin(), end, std::back_inserter(samples), toInt16);
    }
    if (sf_error(file) != SF_ERR_NO_ERROR) {
        errorText = QString::fromLocal8Bit(sf_strerror(file));
        sf_close(file);
        return false;
    }
    sf_close(file);

    sound.pcm = QByteArray(reinterpret_cast<const char *>(samples.data()),
                           static_cast<qsizetype>(samples.size() * sizeof(qint16)));
    sound.sampleRate = info.samplerate;
    sound.channels = channels;
    return true;
}

QString gameDataRoot()
{
    const QString &overridden = dataRootOverride();
    if (!overridden.isEmpty())
        return overridden;
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString buildTree = appDir + QStringLiteral("/drive_c");
    if (QFileInfo(buildTree).isDir())
        return buildTree;
    return QDir::cleanPath(appDir + QStringLiteral("/../share/zorvixia/drive_c"));
}

void setGameDataRoot(const QString &root)
{
    QString cleaned = root;
    while (cleaned.size() > 1 && cleaned.endsWith(u'/'))
        cleaned.chop(1);
    dataRootOverride() = cleaned;
}

QString mapGamePath(const QString &windowsPath)
{
    QString path = windowsPath;
    path.replace(u'\\', u'/');
    const bool onDriveC = path.size() >= 2 && (path[0] == u'c' || path[0] == u'C') && path[1] == u':';
    if (!onDriveC)
        return path;
    QString rest = path.mid(2);
    if (!rest.startsWith(u'/'))
        rest.prepend(u'/');
    QString root = gameDataRoot();
    if (root.endsWith(u'/'))
        root.chop(1);
    return root + rest;
}

std::unique_ptr<MediaDevice> AudioMediaControl::open(const QString &fileName, QString &errorText)
{
    DecodedSound sound;
    if (!decodeSoundFile(mapGamePath(fileName), sound, errorText))
        return nullptr;
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return std::make_unique<AudioDevice>(std::move(sound.pcm), format);
}
