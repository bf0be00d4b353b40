#pragma once

// Answers every modal message box as it appears, as a user pressing OK would, and keeps what each
// box said.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

class ModalWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    ModalWatcher();
    const std::vector<Box>& Boxes() const { return m_boxes; }
    void Clear() { m_boxes.clear(); }

private:
    void Check();

    QTimer m_timer;
    std::vector<Box> m_boxes;
};
