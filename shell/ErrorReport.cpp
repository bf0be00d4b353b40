#include "shell/ErrorReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

QString ApplicationTitle() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size()
                                                     : name.indexOf(QLatin1Char('.')));
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ShowException(const QString& message) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorBoxText(message),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}
