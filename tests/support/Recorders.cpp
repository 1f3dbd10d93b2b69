#include "support/Recorders.h"

#include "platform/SystemBeep.h"

namespace {

class RecordedDevice final : public MediaDevice {
public:
    RecordedDevice(MediaRecorder &recorder, QString path)
        : m_recorder(recorder)
        , m_path(std::move(path))
    {
    }
    int play() override
    {
        m_recorder.log << QStringLiteral("play ") + m_path;
        if (m_recorder.onPlay)
            m_recorder.onPlay(m_path);
        return 0;
    }

private:
    MediaRecorder &m_recorder;
    QString m_path;
};

} // namespace

MediaRecorder::MediaRecorder()
{
    setMediaControl(this);
}

MediaRecorder::~MediaRecorder()
{
    setMediaControl(nullptr);
}

std::unique_ptr<MediaDevice> MediaRecorder::open(const QString &fileName, QString &errorText)
{
    log << QStringLiteral("open ") + fileName;
    if (missing.contains(fileName)) {
        errorText = QStringLiteral("System error : No such file or directory.");
        return nullptr;
    }
    return std::make_unique<RecordedDevice>(*this, fileName);
}

QStringList MediaRecorder::played() const
{
    QStringList paths;
    for (const QString &entry : log)
        if (entry.startsWith(QLatin1String("play ")))
            paths << entry.mid(5);
    return paths;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    setMessageBoxes(this);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    setMessageBoxes(nullptr);
}

void MessageBoxRecorder::showStop(const QString &text, const QString &caption)
{
    boxes.append({ text, caption });
    if (onShow)
        onShow();
}

BeepRecorder::BeepRecorder()
{
    setBeepHandler([this] { ++count; });
}

BeepRecorder::~BeepRecorder()
{
    setBeepHandler({});
}

FixedClock::FixedClock(uint32_t msSinceMidnight)
    : m_ms(msSinceMidnight)
{
    setSystemClock(this);
}

FixedClock::~FixedClock()
{
    setSystemClock(nullptr);
}

SystemTime FixedClock::now() const
{
    const uint32_t ms = m_ms;
    if (advanceOnRead)
        m_ms = (m_ms + 1) % 86400000u;
    return { uint16_t(ms / 3600000), uint16_t(ms / 60000 % 60), uint16_t(ms / 1000 % 60), uint16_t(ms % 1000) };
}

OutlineRecorder::OutlineRecorder()
{
    setDragOutline(this);
}

OutlineRecorder::~OutlineRecorder()
{
    setDragOutline(nullptr);
}

void OutlineRecorder::show(const QRect &rect)
{
    shown.append(rect);
    visible = true;
}

void OutlineRecorder::hide()
{
    ++hides;
    visible = false;
}
