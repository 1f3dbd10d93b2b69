#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    void showStop(const QString &text, const QString &caption) override
    {
        // Application-modal: every game window stops taking input while the box is up,
        // but the event loop (timers, painting, animation) keeps running underneath.
        QPointer<QWidget> active = QApplication::activeWindow();
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
        if (active && active->isVisible())
            active->activateWindow();
    }
};

QtMessageBoxes qtBoxes;
MessageBoxes *current = &qtBoxes;

} // namespace

MessageBoxes &messageBoxes()
{
    return *current;
}

void setMessageBoxes(MessageBoxes *boxes)
{
    current = boxes ? boxes : &qtBoxes;
}
