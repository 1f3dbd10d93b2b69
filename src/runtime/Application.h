#pragma once

#include <QApplication>

// The application object. Its notify() sees every event Qt delivers, in the main loop
// and in every nested loop, and is the one place that catches a failure during play:
// the failure ends the handler that raised it and goes to ReportFailure.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);

    // The application title: the name the desktop shows for the program (its window class)
    // and the caption of failure reports. Kept apart from Qt's display name, which Qt would
    // append to every window's title ("Help" must stay "Help").
    void setTitle(const QString &title) { setApplicationName(title); }
    static QString title() { return applicationName(); }

    bool notify(QObject *receiver, QEvent *event) override;
};
