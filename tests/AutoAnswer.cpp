// Linked into a test build of the program: answers every message box as a user pressing OK
// would, and writes to standard output what the program showed.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

int boxes = 0;

class ShowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget && widget->isWindow() &&
            !qobject_cast<QMessageBox*>(widget)) {
            std::printf("window shown: %s\n", qPrintable(widget->objectName()));
            std::fflush(stdout);
        }
        return false;
    }
};

void Answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    std::printf("box %d: %s: %s\n", ++boxes, qPrintable(box->windowTitle()),
                qPrintable(box->text()));
    std::fflush(stdout);
    box->done(QMessageBox::Ok);
}

void Install() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, &Answer);
    timer->start(10);
    qApp->installEventFilter(new ShowWatcher(qApp));
    std::atexit([] { std::printf("boxes: %d\n", boxes); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
