#pragma once

#include "widgets/Events.h"

#include <QObject>

enum class TShowMode { smNormal, smMaximized, smMinimized };

// Opens a file or web address with the desktop's default program. A launch runs on a
// worker thread of its own that waits for the started program, so the caller never waits
// and nothing about the launch reaches the player.
class TRzLauncher : public QObject, public TTagged {
    Q_OBJECT
public:
    explicit TRzLauncher(QObject *owner = nullptr);

    QString Action() const { return m_action; }
    void setAction(const QString &action) { m_action = action; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString Parameters() const { return m_parameters; }
    void setParameters(const QString &parameters) { m_parameters = parameters; }
    QString StartDir() const { return m_startDir; }
    void setStartDir(const QString &dir) { m_startDir = dir; }
    TShowMode ShowMode() const { return m_showMode; }
    void setShowMode(TShowMode mode) { m_showMode = mode; }
    // Milliseconds to wait for the started program; -1 waits without limit.
    int Timeout() const { return m_timeout; }
    void setTimeout(int ms) { m_timeout = ms; }

    // Starts one launch and returns at once. Each launch is independent of the others.
    void Launch();

private:
    QString m_action = QStringLiteral("Open");
    QString m_fileName;
    QString m_parameters;
    QString m_startDir;
    TShowMode m_showMode = TShowMode::smNormal;
    int m_timeout = -1;
};
