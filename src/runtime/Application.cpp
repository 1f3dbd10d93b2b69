#include "runtime/Application.h"

#include "platform/Fonts.h"
#include "runtime/FailureReport.h"

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    installFontSubstitutions();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    std::exception_ptr failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        failure = std::current_exception();
    }
    // Reported outside the catch block: the report runs a nested event loop.
    ReportFailure(receiver, failure);
    return true;
}
