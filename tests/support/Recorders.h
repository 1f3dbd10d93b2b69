#pragma once

// Stand-ins for the platform layer that record what the program asked of it.

#include "platform/DragOutline.h"
#include "platform/MediaControl.h"
#include "platform/MessageBox.h"
#include "platform/SystemClock.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// Records every open and play of a sound file ("open <path>", "play <path>").
// Files named in `missing` fail to open with the text "System error : No such file or directory.".
class MediaRecorder : public MediaControl {
public:
    MediaRecorder();
    ~MediaRecorder() override;

    std::unique_ptr<MediaDevice> open(const QString &fileName, QString &errorText) override;

    QStringList log;
    QSet<QString> missing;
    // Runs at every play, with the path played.
    std::function<void(const QString &)> onPlay;

    // The paths played, in order.
    QStringList played() const;
    int playCount(const QString &path) const { return int(played().count(path)); }
    void clear() { log.clear(); }
};

// Records every stop box instead of showing it; `onShow` runs while the "box" is up.
class MessageBoxRecorder : public MessageBoxes {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder() override;

    void showStop(const QString &text, const QString &caption) override;

    struct Box {
        QString text;
        QString caption;
    };
    QList<Box> boxes;
    std::function<void()> onShow;
};

// Counts system beeps.
class BeepRecorder {
public:
    BeepRecorder();
    ~BeepRecorder();
    int count = 0;
};

// A clock that stands still at a given UTC time of day until told otherwise.
class FixedClock : public SystemClock {
public:
    explicit FixedClock(uint32_t msSinceMidnight = 0);
    ~FixedClock() override;

    SystemTime now() const override;
    void set(uint32_t msSinceMidnight) { m_ms = msSinceMidnight; }
    // Moves the clock on by one millisecond at every reading.
    bool advanceOnRead = false;

private:
    mutable uint32_t m_ms;
};

// Records where the drag outline is shown, instead of drawing it.
class OutlineRecorder : public DragOutline {
public:
    OutlineRecorder();
    ~OutlineRecorder() override;

    void show(const QRect &rect) override;
    void hide() override;

    QList<QRect> shown;
    int hides = 0;
    bool visible = false;
};
