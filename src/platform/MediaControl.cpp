#include "platform/MediaControl.h"

#include "platform/AudioMediaControl.h"

namespace {

// The built-in layer plays through the system's audio output. It is created on first use,
// once the application object exists.
MediaControl &builtInControl()
{
    static AudioMediaControl control;
    return control;
}

MediaControl *current = nullptr;

} // namespace

MediaControl &mediaControl()
{
    return current ? *current : builtInControl();
}

void setMediaControl(MediaControl *control)
{
    current = control;
}
