#include "ModalWatcher.h"

#include <QApplication>

ModalWatcher::ModalWatcher() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::Check);
    m_timer.start();
}

void ModalWatcher::Check() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    m_boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    box->done(QMessageBox::Ok);
}
