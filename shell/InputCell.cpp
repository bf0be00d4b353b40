#include "shell/InputCell.h"

#include <QKeyEvent>
#include <QPointer>

void InputCell::keyPressEvent(QKeyEvent* event) {
    const QPointer<InputCell> self(this);
    for (QChar key : event->text()) {
        emit keyPress(key);
        if (!self) return;  // a handler may have ended the window
    }
    QLineEdit::keyPressEvent(event);
}
