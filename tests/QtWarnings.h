#pragma once

// Every Qt warning fails the running test unless the test said it expects it.

#include <QRegularExpression>
#include <QString>

class ExpectQtWarning {
public:
    explicit ExpectQtWarning(const QString& pattern);
    ~ExpectQtWarning();
    ExpectQtWarning(const ExpectQtWarning&) = delete;
    ExpectQtWarning& operator=(const ExpectQtWarning&) = delete;

    int Count() const { return m_count; }

private:
    friend void HandleQtMessage(QtMsgType, const QMessageLogContext&, const QString&);
    QRegularExpression m_pattern;
    int m_count = 0;
};

void InstallQtWarningTrap();
