#pragma once

#include <QString>

#include <exception>
#include <functional>

class QObject;

// Shows a failure caught during play to the player: a modal stop box with the failure's
// message (a "." added where the message ends in a character that sorts after "."),
// captioned with the application title. Returns when the player has dismissed it;
// nothing the failing handler did is undone. Silent aborts are not shown.
void ReportFailure(QObject *sender, std::exception_ptr failure);

// Runs `recovery` once the report of the failure now on its way to the player has been
// dismissed. Called while a handler unwinds from a failure, to put the machine back into a
// usable state after the player has seen the report.
void runAfterReport(std::function<void()> recovery);

// The report of a failure that reached the outermost level of the program:
// "Exception <class> in module <file> at <address>." and the message on the next line,
// captioned "Application Error".
void LastResortReport(std::exception_ptr failure);

// The texts of the two reports, exposed for tests.
QString failureReportText(const QString &message);
QString lastResortText(std::exception_ptr failure);
