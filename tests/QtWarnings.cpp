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
