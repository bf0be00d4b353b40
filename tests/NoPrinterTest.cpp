// Printing where the spooler has no printer at all: nothing is printed, nothing is shown and
// nothing is said; the preview still works.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ModalWatcher.h"
#include "ProgramWindows.h"
#include "ShownWindows.h"
#include "report/PrForm.h"
#include "report/PreviewWindow.h"
#include "shell/Form1c.h"

namespace {

TEST(NoPrinter, PrintDoesNothingAndSaysNothing) {
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty())
        << "the test's spooler has no queue";
    ProgramWindows program;
    ASSERT_TRUE(program.Open());
    TForm1& form = *program.Form();
    TSculpForm& report = *program.Report();

    ModalWatcher boxes;
    ShownWindows shown;
    QTest::mouseClick(form.findChild<QWidget*>("SpeedButton1"), Qt::LeftButton);
    QTest::qWait(100);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(shown.names.isEmpty()) << shown.names.join(", ").toStdString();
    // The fill has taken place all the same.
    EXPECT_EQ(report.Label(u"QRLabel127").text, "Ровнягин К.С.");

    // The preview opens, and printing from it does nothing either.
    bool previewed = false;
    QTimer::singleShot(100, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* preview = qobject_cast<PreviewWindow*>(w); preview && preview->isVisible()) {
                previewed = true;
                shown.names.clear();
                preview->findChild<QAction*>("Print")->trigger();
                EXPECT_TRUE(shown.names.isEmpty());
                preview->close();
            }
        }
    });
    QTest::mouseClick(form.findChild<QWidget*>("SpeedButton2"), Qt::LeftButton);
    EXPECT_TRUE(previewed);
    EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
