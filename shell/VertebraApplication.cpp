#include "shell/VertebraApplication.h"

#include <QFont>
#include <QIcon>

#include "report/PrForm.h"
#include "shell/ErrorReport.h"
#include "shell/Form1c.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

VertebraApplication::VertebraApplication(int& argc, char** argv) : QApplication(argc, argv) {
#ifndef Q_OS_WIN
    // The layouts name Windows fonts; these metric twins or look-alikes stand in for them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
#endif
    setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
}

VertebraApplication::~VertebraApplication() {
    SculpForm = nullptr;
    Form1 = nullptr;
}

bool VertebraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown error"));
    }
    return false;
}

int VertebraApplication::Run() {
    return Run(QString::fromLatin1(TForm1::LayoutResource),
               QString::fromLatin1(TSculpForm::LayoutResource));
}

int VertebraApplication::Run(const QString& formDescription, const QString& reportDescription) {
    try {
        m_form = std::make_unique<TForm1>(formDescription);
        Form1 = m_form.get();
        m_report = std::make_unique<TSculpForm>(nullptr, reportDescription);
        SculpForm = m_report.get();
        ShowMainWindow();
        exec();
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown error"));
    }
    SculpForm = nullptr;
    m_report.reset();
    Form1 = nullptr;
    m_form.reset();
    return 0;
}

void VertebraApplication::ShowMainWindow() {
#ifdef Q_OS_WIN
    // The show command the process was started with applies to the main window.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        switch (startup.wShowWindow) {
            case SW_SHOWMAXIMIZED:
                m_form->showMaximized();
                return;
            case SW_SHOWMINIMIZED:
            case SW_SHOWMINNOACTIVE:
            case SW_MINIMIZE:
                m_form->showMinimized();
                return;
            default:
                break;
        }
    }
#endif
    m_form->show();
}
