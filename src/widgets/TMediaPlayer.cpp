#include "widgets/TMediaPlayer.h"

#include "platform/MediaControl.h"
#include "runtime/Exceptions.h"

TMediaPlayer::TMediaPlayer(QWidget *parent)
    : QWidget(parent)
{
}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Open()
{
    Close();
    QString errorText;
    m_device = mediaControl().open(m_fileName, errorText);
    if (!m_device) {
        m_lastResult = 1;
        throw EMCIDeviceError(errorText.isEmpty() ? QStringLiteral("Unknown error code") : errorText);
    }
    m_lastResult = 0;
}

void TMediaPlayer::Play()
{
    if (!m_device)
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    m_lastResult = m_device->play();
}

void TMediaPlayer::Close()
{
    m_device.reset();
}

void TMediaPlayer::PlayCue(const QString &fileName)
{
    setFileName(fileName);
    Open();
    Play();
}
