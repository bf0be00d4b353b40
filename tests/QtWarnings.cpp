#include "QtWarnings.h"

#include <gtest/gtest.h>

#include <QList>

namespace {
QList<ExpectQtWarning*> expectations;
}

ExpectQtWarning::ExpectQtWarning(const QString& pattern) : m_pattern(pattern) {
    expectations.append(this);
}

ExpectQtWarning::~ExpectQtWarning() {
    expectations.removeOne(this);
}

void HandleQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    // The offscreen platform says so whenever a window asks for a fixed size, as a message box
    // does; it is about the test platform, not the program.
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
    for (ExpectQtWarning* e : expectations) {
        if (e->m_pattern.match(message).hasMatch()) {
            ++e->m_count;
            return;
        }
    }
    ADD_FAILURE() << "unexpected Qt message: " << message.toStdString();
}

void InstallQtWarningTrap() {
    qInstallMessageHandler(HandleQtMessage);
}
