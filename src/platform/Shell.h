#pragma once

#include <QString>

// Hands a file or web address to the desktop, as the shell's "Open" does: the desktop's
// default program for it (for a web address, the default browser) is started.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts the program and waits for it to end, at most timeoutMs milliseconds (-1: no
    // limit). Returns its exit status, or -1 when it could not be started or the wait ended
    // first. Called on worker threads: must not touch Qt objects.
    virtual int execute(const QString &verb, const QString &file, const QString &parameters,
                        const QString &startDir, int timeoutMs) = 0;
};

Shell &shell();
// Replaces the shell (nullptr restores the real one). Not owned.
void setShell(Shell *replacement);
