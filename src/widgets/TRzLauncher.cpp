#include "widgets/TRzLauncher.h"

#include "platform/Shell.h"

#include <thread>

TRzLauncher::TRzLauncher(QObject *owner)
    : QObject(owner)
{
}

void TRzLauncher::Launch()
{
    // The worker gets its own copy of the request before it starts, shares nothing with the
    // game, and ends with the started program (or with the process).
    std::thread([action = m_action, file = m_fileName, parameters = m_parameters, dir = m_startDir,
                 timeout = m_timeout] {
        shell().execute(action, file, parameters, dir, timeout);
    }).detach();
}
