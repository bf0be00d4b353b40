// Preloaded into the installed program by the package test: once the first window shows, it
// says so and presses Esc in the focused cell, as the expert would to end the program.

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class FirstWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!m_seen && event->type() == QEvent::Show && widget && widget->isWindow()) {
            m_seen = true;
            std::printf("first window: %s\n", qPrintable(widget->windowTitle()));
            std::fflush(stdout);
            QTimer::singleShot(200, qApp, [] {
                QWidget* focus = QApplication::focusWidget();
                std::printf("Esc in: %s\n", focus ? qPrintable(focus->objectName()) : "nothing");
                std::fflush(stdout);
                if (!focus) return;
                QCoreApplication::postEvent(
                    focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b"));
                QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape,
                                                                 Qt::NoModifier, "\x1b"));
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void Install() {
    qApp->installEventFilter(new FirstWindow(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
