#pragma once

// Answers every modal message box as it appears, as a user pressing OK would, and keeps what each
// box said.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

// Runs `action` on the first modal dialog of type T to appear within a few seconds; if none
// does, closes whatever modal window there is so that the test cannot hang.
template <class T, class Action>
void WhenModal(Action action, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action, timeoutMs] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            timer->deleteLater();
            timer->stop();
            action(dialog);
        } else if ((*waited += 20) > timeoutMs) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no such dialog appeared";
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
    timer->start(20);
}

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
