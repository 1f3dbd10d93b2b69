#pragma once

#include "platform/MediaControl.h"

#include <QByteArray>
#include <QString>

// What a device of AudioMediaControl returns from play() when the sound cannot start.
// The game only stores the result, so these are never shown to the player.
enum AudioPlayResult : int {
    AudioPlayStarted = 0,
    AudioNoOutput = 1,     // the system has no audio output device
    AudioOutputFailed = 2, // the output refused the stream
};

// The folder that stands for the game's drive c:. By default `drive_c` beside the
// executable (the build tree), else `../share/zorvixia/drive_c` from it (an installed game).
QString gameDataRoot();
// Makes `root` stand for drive c: (an empty string restores the default lookup).
void setGameDataRoot(const QString &root);

// Turns a path as the game writes it ("c:\zorvix\pull1.wav") into a path on this system:
// the drive c: (either letter case) becomes gameDataRoot() and backslashes become slashes.
// Any other path only has its backslashes turned into slashes.
QString mapGamePath(const QString &windowsPath);

// A sound file decoded into memory.
struct DecodedSound {
    QByteArray pcm; // interleaved native-endian signed 16-bit samples
    int sampleRate = 0;
    int channels = 0;
};

// Decodes a whole sound file (AU, WAV, MP3 and the other kinds libsndfile reads) into
// 16-bit PCM. On failure returns false with libsndfile's text for the reason.
bool decodeSoundFile(const QString &path, DecodedSound &sound, QString &errorText);

// The real media control layer: open decodes the whole file with libsndfile into 16-bit
// PCM in memory, play pushes it to the default audio output through a QAudioSink, and
// destroying the device stops the sound at once.
class AudioMediaControl final : public MediaControl {
public:
    std::unique_ptr<MediaDevice> open(const QString &fileName, QString &errorText) override;
};
