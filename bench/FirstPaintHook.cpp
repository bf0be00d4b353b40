// Linked into a program for the start-up benchmark: ends the program as soon as its first
// window has been painted.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!m_done && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        }
        return false;
    }

private:
    bool m_done = false;
};

void Install() {
    qApp->installEventFilter(new FirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
