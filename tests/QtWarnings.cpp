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
    // The offscreen platform notes each thing a window asks of it that it cannot do (a fixed size,
    // raising a window); it is about the test platform, not the program.
    if (message.startsWith(QLatin1String("This plugin does not support "))) return;
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
