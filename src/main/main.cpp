// The program body: the application object, the title, the windows in their order, and
// the event loop. A failure before the loop runs ends the program after the last-resort
// report.
#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "main/Themes.h"
#include "platform/Fonts.h"
#include "runtime/Application.h"
#include "runtime/FailureReport.h"
#include "runtime/Pictures.h"

#include <QFont>

namespace {

// Wayland does not let a client place its windows; the machine docks and drags windows,
// so it runs through XWayland when no platform was asked for.
void preferXcbOnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char **argv)
{
    preferXcbOnWayland();
    // The font configuration is read and the windows' pictures are decoded on the second
    // core while the application connects to the display and the windows are built.
    PicturePreload preload(startUpPictures(), loadFontConfiguration);
    TApplication app(argc, argv);
    try {
        app.setTitle(QStringLiteral("Zorvixia"));
        TForm1 Form1;
        TStyleForm StyleForm;
        THelpForm HelpForm;
        Form1.setStyleForm(&StyleForm);
        Form1.setHelpForm(&HelpForm);
        Form1.show();
        return app.exec();
    } catch (...) {
        LastResortReport(std::current_exception());
        return 1;
    }
}
