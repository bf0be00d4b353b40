#pragma once

#include <QLineEdit>

// A measurement cell: a line edit that also tells every character typed into it, before the
// character goes in as usual. It is never changed or swallowed.
// The cell takes any text of any length: nothing typed or pasted is cut off.
class InputCell : public QLineEdit {
    Q_OBJECT

public:
    explicit InputCell(QWidget* parent = nullptr);

signals:
    void keyPress(QChar key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
