#pragma once

#include <QString>

// Modal message boxes with the stop icon and one OK button, owned by no game window.
// Tests install a recorder with setMessageBoxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns when the player has dismissed it.
    virtual void showStop(const QString &text, const QString &caption) = 0;
};

MessageBoxes &messageBoxes();
// Replaces the message boxes (nullptr restores the real ones). Not owned.
void setMessageBoxes(MessageBoxes *boxes);
