#include "runtime/FailureReport.h"

#include "platform/MessageBox.h"
#include "runtime/Exceptions.h"
#include "runtime/MouseCapture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

namespace {

// Recoveries registered while the current failure unwinds, run after its report.
std::vector<std::function<void()>> pendingRecoveries;

// The report boxes are captioned with the application title.
QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

QString moduleFileName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("zorvixia") : QFileInfo(path).fileName();
}

} // namespace

QString failureReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QString lastResortText(std::exception_ptr failure)
{
    QString className = QStringLiteral("Exception");
    QString message;
    quintptr address = 0;
    try {
        std::rethrow_exception(failure);
    } catch (const Exception &e) {
        className = QString::fromLatin1(e.className());
        message = e.message();
        address = e.address();
    } catch (const std::exception &e) {
        className = QStringLiteral("std::exception");
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        className = QStringLiteral("unknown");
    }
    QString text = QStringLiteral("Exception %1 in module %2 at %3.\n%4")
                       .arg(className, moduleFileName(),
                            QStringLiteral("%1").arg(quint32(address), 8, 16, QLatin1Char('0')).toUpper(),
                            message);
    if (!message.isEmpty() && !message.endsWith(u'.'))
        text += u'.';
    return text.left(1024);
}

void runAfterReport(std::function<void()> recovery)
{
    pendingRecoveries.push_back(std::move(recovery));
}

void ReportFailure(QObject *sender, std::exception_ptr failure)
{
    Q_UNUSED(sender);
    const auto recoveries = std::exchange(pendingRecoveries, {});
    // Input the player made before the report appears still reaches the game (a release
    // already made runs its mouse-up handler); then the control that holds the mouse gives
    // it up, so a release made while the report is up is lost.
    QCoreApplication::processEvents();
    cancelMouseCapture();
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const auto recover = [&recoveries] {
        for (const auto &recovery : recoveries)
            recovery();
    };

    QString message;
    try {
        std::rethrow_exception(failure);
    } catch (const EAbort &) {
        recover();
        return;
    } catch (const Exception &e) {
        message = e.message();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        LastResortReport(failure);
        recover();
        return;
    }
    messageBoxes().showStop(failureReportText(message), applicationTitle());
    recover();
}

void LastResortReport(std::exception_ptr failure)
{
    messageBoxes().showStop(lastResortText(failure), QStringLiteral("Application Error"));
}
