// Printing when the spooler fails: a printer that disappears between preview and print, and a
// spooler that stops while a job is being made. Nothing crashes, hangs or is shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>

#include "ModalWatcher.h"
#include "ProgramWindows.h"
#include "ShownWindows.h"
#include "report/PrForm.h"
#include "report/PreviewWindow.h"
#include "shell/Form1c.h"

namespace {

QString SpoolerFolder() {
    return qEnvironmentVariable("VERTEBRA_TEST_SPOOLER");
}

int Lpadmin(const QStringList& arguments) {
    return QProcess::execute("lpadmin", arguments);
}

class PrintFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(SpoolerFolder().isEmpty());
        ASSERT_TRUE(m_program.Open());
        m_form = m_program.Form();
    }
    ProgramWindows m_program;
    TForm1* m_form = nullptr;
};

TEST_F(PrintFaults, PrinterGoneBetweenPreviewAndPrint) {
    ModalWatcher boxes;
    ShownWindows shown;
    qint64 printMs = -1;
    QTimer::singleShot(200, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<PreviewWindow*>(w);
            if (!preview || !preview->isVisible()) continue;
            EXPECT_EQ(Lpadmin({"-x", "Capture"}), 0);
            shown.names.clear();
            QElapsedTimer clock;
            clock.start();
            preview->findChild<QAction*>("Print")->trigger();
            printMs = clock.elapsed();
            preview->close();
        }
    });
    QTest::mouseClick(m_form->findChild<QWidget*>("SpeedButton2"), Qt::LeftButton);
    EXPECT_GE(printMs, 0);
    EXPECT_LT(printMs, 5000);
    EXPECT_TRUE(shown.names.isEmpty()) << shown.names.join(", ").toStdString();
    EXPECT_TRUE(boxes.Boxes().empty());
    // The queue back, for the next test.
    EXPECT_EQ(
        Lpadmin({"-p", "Capture", "-v", "capture:" + SpoolerFolder() + "/jobs", "-E", "-m", "raw"}),
        0);
    EXPECT_EQ(Lpadmin({"-d", "Capture"}), 0);
}

TEST_F(PrintFaults, SpoolerStoppedWhileTheJobIsMade) {
    ModalWatcher boxes;
    ShownWindows shown;
    shown.When("PrintProgress", [] {
        // The page is being generated: the spooler goes away before it is handed over.
        QFile pidFile(SpoolerFolder() + "/cupsd.pid");
        ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = static_cast<pid_t>(pidFile.readAll().trimmed().toInt());
        ASSERT_EQ(::kill(pid, SIGTERM), 0);
        (void)QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 5000);
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(m_form->findChild<QWidget*>("SpeedButton1"), Qt::LeftButton);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(shown.names, QStringList{"PrintProgress"});  // no other window, no message
    EXPECT_TRUE(boxes.Boxes().empty());
    // And the window goes on.
    m_form->Edit(1)->setText("60");
    EXPECT_FALSE(m_form->Edit(17)->text().isEmpty());
}

}  // namespace
