// Fuzzes the open of a cue: arbitrary bytes saved as a .au, a .mp3 and a .wav file, each
// decoded as the media control layer decodes a cue at open. Every file either decodes into
// whole frames or fails with a text, never crashes.
#include "platform/AudioMediaControl.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString &path, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", QFile::encodeName(path).constData(), what);
    std::abort();
}

// A private folder for the files, removed when the fuzzer exits.
const QString &workFolder()
{
    static const QString folder = [] {
        QByteArray name = QDir::tempPath().toLocal8Bit() + "/zorvix-fuzz-cue-XXXXXX";
        if (!mkdtemp(name.data()))
            std::abort();
        std::atexit([] { QDir(workFolder()).removeRecursively(); });
        return QFile::decodeName(name);
    }();
    return folder;
}

void checkOpen(const QString &path, const uint8_t *data, std::size_t size)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail(path, "cannot write the input file");
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    DecodedSound sound;
    QString errorText;
    if (!decodeSoundFile(path, sound, errorText)) {
        if (errorText.isEmpty())
            fail(path, "the open failed without a text");
        return;
    }
    if (sound.channels <= 0 || sound.sampleRate <= 0)
        fail(path, "a decoded sound without channels or sample rate");
    if (sound.pcm.size() % (qsizetype(sizeof(qint16)) * sound.channels) != 0)
        fail(path, "the decoded samples are not whole frames");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size > 256 * 1024)
        return -1;
    for (const char *extension : { ".au", ".mp3", ".wav" })
        checkOpen(workFolder() + QStringLiteral("/cue") + QLatin1String(extension), data, size);
    return 0;
}
