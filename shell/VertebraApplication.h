#pragma once

// The application object: creates the measurement window and then the appendix, runs the
// message loop until the window is closed, and shows every error that reaches it.

#include <QApplication>
#include <memory>

class TForm1;
class TSculpForm;

class VertebraApplication : public QApplication {
    Q_OBJECT

public:
    VertebraApplication(int& argc, char** argv);
    ~VertebraApplication() override;

    // Start-up, the loop and shutdown. A start-up error shows one box and no window. Returns 0
    // in every case.
    int Run(const QString& formDescription, const QString& reportDescription);
    int Run();

    // The safety net: an exception that a handler did not catch is shown here.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ShowMainWindow();

    // Destroyed newest first: the report, then the window.
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TSculpForm> m_report;
};
