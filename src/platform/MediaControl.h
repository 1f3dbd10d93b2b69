#pragma once

#include <QString>

#include <memory>

// One open sound device: a decoded file ready to play. Destroying it closes the device,
// which stops its sound at once.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    // Starts playback from the start and returns at once; 0 on success, else an error code.
    virtual int play() = 0;
};

// Opens sound files by name; the decoder is chosen by the file's extension.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    // Returns the open device, or nullptr with a readable reason in errorText
    // (empty when the platform has no text for the failure).
    virtual std::unique_ptr<MediaDevice> open(const QString &fileName, QString &errorText) = 0;
};

MediaControl &mediaControl();
// Replaces the media control layer (nullptr restores the built-in one). Not owned.
void setMediaControl(MediaControl *control);
