#pragma once

// Records every window that shows, by object name, and can act the moment a given one shows.

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <utility>

class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

    QStringList names;

    // Runs `action` once, when the window named `name` shows.
    void When(const QString& name, std::function<void()> action) {
        m_trigger = name;
        m_action = std::move(action);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            names << widget->objectName();
            if (m_action && widget->objectName() == m_trigger) std::exchange(m_action, nullptr)();
        }
        return false;
    }

private:
    QString m_trigger;
    std::function<void()> m_action;
};
