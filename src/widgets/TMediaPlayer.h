#pragma once

#include "widgets/Events.h"

#include <QWidget>

#include <memory>

class MediaDevice;

// The sound player: opens one sound file at a time through the platform's media control
// and plays it without waiting. Opening closes whatever was open, so a new sound cuts the
// previous one off.
class TMediaPlayer : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TMediaPlayer(QWidget *parent = nullptr);
    ~TMediaPlayer() override;

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Whether the layout's file is opened (not played) once the owner is built.
    bool AutoOpen() const { return m_autoOpen; }
    void setAutoOpen(bool autoOpen) { m_autoOpen = autoOpen; }

    // Closes what is open, then opens FileName. A failure raises EMCIDeviceError with the
    // platform's text, or "Unknown error code".
    void Open();
    // Starts playback and returns at once; raises EMCIDeviceError "No MCI device open"
    // when nothing is open. The result is only stored.
    void Play();
    // Stops and closes the open device, if any. Never raises.
    void Close();

    bool isOpen() const { return m_device != nullptr; }
    int lastResult() const { return m_lastResult; }

    // Sets the file name, opens and plays: how the game starts a sound cue.
    void PlayCue(const QString &fileName);

private:
    QString m_fileName;
    bool m_autoOpen = false;
    std::unique_ptr<MediaDevice> m_device;
    int m_lastResult = 0;
};
