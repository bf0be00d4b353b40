#include "shell/InputCell.h"

#include <QKeyEvent>
#include <QPointer>
#include <limits>

InputCell::InputCell(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(
        std::numeric_limits<int>::max());  // a line edit keeps only 32767 characters by default
}

void InputCell::keyPressEvent(QKeyEvent* event) {
    const QPointer<InputCell> self(this);
    for (QChar key : event->text()) {
        emit keyPress(key);
        if (!self) return;  // a handler may have ended the window
    }
    QLineEdit::keyPressEvent(event);
}
