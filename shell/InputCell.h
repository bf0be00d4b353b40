#pragma once

#include <QLineEdit>

// A measurement cell: a line edit that also tells every character typed into it, before the
// character goes in as usual. It is never changed or swallowed.
class InputCell : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void keyPress(QChar key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
