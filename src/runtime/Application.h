#pragma once

#include <QApplication>

// The application object. Its notify() sees every event Qt delivers, in the main loop
// and in every nested loop, and is the one place that catches a failure during play:
// the failure ends the handler that raised it and goes to ReportFailure.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);

    void setTitle(const QString &title) { setApplicationDisplayName(title); }
    QString title() const { return applicationDisplayName(); }

    bool notify(QObject *receiver, QEvent *event) override;
};
