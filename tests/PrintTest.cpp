// Filling the appendix from the window, printing it through a real (private) spooler and
// previewing it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <memory>

#include "KeyTyping.h"
#include "ModalWatcher.h"
#include "PrintJobs.h"
#include "ProgramWindows.h"
#include "ShownWindows.h"
#include "report/PrForm.h"
#include "report/PreviewWindow.h"
#include "shell/Form1c.h"

namespace {

// Row n's top on the page, in design units.
double RowTop(int n) {
    return 224 + 24 * (n - 1);
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_jobs.Configured()) << "VERTEBRA_TEST_JOBS names the spooler's job folder";
        m_jobs.Clear();
        ASSERT_TRUE(m_program.Open());
        m_form = m_program.Form();
    }

    QWidget* Find(const char* name) const { return m_form->findChild<QWidget*>(name); }
    void Click(const char* button) { QTest::mouseClick(Find(button), Qt::LeftButton); }

    // Prints with the Print button and returns the one job's words.
    std::vector<PdfWord> PrintOnePage() {
        Click("SpeedButton1");
        return WordsOfOnlyJob();
    }
    std::vector<PdfWord> WordsOfOnlyJob() {
        const std::vector<PrintJob> jobs = m_jobs.WaitFor(1);
        EXPECT_EQ(jobs.size(), 1u);
        if (jobs.empty()) return {};
        const QString info = RunTool("pdfinfo", {jobs.back().data});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();  // portrait
        std::vector<PdfWord> words = WordsOf(jobs.back().data);
        m_lastArguments = {jobs.back().Argument("title"), jobs.back().Argument("copies"),
                           jobs.back().Argument("options")};
        m_jobs.Clear();
        return words;
    }

    // Runs `inside` on the preview that `open` opens, once it shows, then closes that preview.
    void WithPreview(const std::function<void()>& open,
                     const std::function<void(PreviewWindow*)>& inside) {
        bool ran = false;
        const QList<PreviewWindow*> before = PreviewWindows();
        auto opened = [before] {
            for (PreviewWindow* p : PreviewWindows()) {
                if (!before.contains(p)) return p;
            }
            return static_cast<PreviewWindow*>(nullptr);
        };
        QTimer::singleShot(0, [&] {
            (void)QTest::qWaitFor([&] { return opened() != nullptr; }, 5000);
            QPointer<PreviewWindow> preview = opened();
            EXPECT_NE(preview, nullptr);
            if (preview) inside(preview);
            if (preview) preview->close();
            ran = true;
        });
        open();
        EXPECT_TRUE(ran);
    }
    static QList<PreviewWindow*> PreviewWindows() {
        QList<PreviewWindow*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<PreviewWindow*>(w); p && p->isVisible()) found << p;
        }
        return found;
    }

    JobFolder m_jobs;
    QStringList m_lastArguments;  // title, copies and options of the last job
    ProgramWindows m_program;
    TForm1* m_form = nullptr;
};

TEST_F(Printing, EmptyWindowPrintsEmptyValuesAndZeroTallies) {
    ShownWindows shown;
    const std::vector<PdfWord> words = PrintOnePage();
    EXPECT_TRUE(shown.names.contains("PrintProgress"));
    EXPECT_EQ(m_lastArguments.value(0), "");  // no document name
    EXPECT_EQ(m_lastArguments.value(1), "1");
    EXPECT_TRUE(m_lastArguments.value(2).contains("media=Letter"))
        << m_lastArguments.value(2).toStdString();
    EXPECT_EQ(WordsIn(words, 504, RowTop(1), 585, RowTop(17)), QStringList());  // no values
    EXPECT_EQ(WordsIn(words, 600, RowTop(1), 713, RowTop(17)), QStringList());  // no codes
    EXPECT_EQ(WordsIn(words, 280, 632, 320, 700), QStringList({"0", "0", "0"}));
    EXPECT_EQ(WordsIn(words, 632, 632, 700, 680), QStringList({"0", "0"}));
    EXPECT_EQ(WordsIn(words, 470, 760, 700, 780), QStringList({"Ровнягин", "К.С."}));
    EXPECT_EQ(WordsIn(words, 220, 715, 240, 740), QStringList({"*"}));  // male, as at start
    EXPECT_EQ(WordsIn(words, 380, 715, 620, 740).count("*"), 0);
    EXPECT_EQ(WordsIn(words, 80, 48, 800, 67).value(0), "Медико");  // the page's own heading
}

TEST_F(Printing, TextsPrintExactlyAsTyped) {
    TypeKeys(m_form->Edit(1), "55,6");
    TypeKeys(m_form->Edit(16), "70мм");
    TypeKeys(m_form->Edit(8), " 4 0 ");
    auto* expert = static_cast<QComboBox*>(Find("ComboBox1"));
    expert->setEditText("Новиков А.А.");
    const std::vector<PdfWord> words = PrintOnePage();
    EXPECT_EQ(WordsIn(words, 504, RowTop(1), 585, RowTop(2)), QStringList({"55,6"}));
    EXPECT_EQ(WordsIn(words, 504, RowTop(16), 600, RowTop(17)), QStringList({"70мм"}));
    EXPECT_EQ(WordsIn(words, 504, RowTop(8), 585, RowTop(9)), QStringList({"4", "0"}));
    // The codes stand 48 units into their cells: six spaces, then the letters.
    EXPECT_EQ(WordsIn(words, 647, RowTop(1), 713, RowTop(2)), QStringList({"ДЖ"}));
    EXPECT_EQ(WordsIn(words, 647, RowTop(16), 713, RowTop(17)), QStringList({"ДМ"}));
    EXPECT_EQ(WordsIn(words, 647, RowTop(8), 713, RowTop(9)), QStringList({"ДЖ"}));  // " 4 0 " is 4
    EXPECT_EQ(WordsIn(words, 280, 632, 320, 700), QStringList({"1", "0", "0"}));
    EXPECT_EQ(WordsIn(words, 632, 632, 700, 680), QStringList({"2", "0"}));
    EXPECT_EQ(WordsIn(words, 470, 760, 700, 780), QStringList({"Новиков", "А.А."}));
}

TEST_F(Printing, OnlyTheCheckedConclusionIsMarked) {
    QTest::mouseClick(Find("RadioButton2"), Qt::LeftButton);
    std::vector<PdfWord> words = PrintOnePage();
    EXPECT_EQ(WordsIn(words, 380, 715, 410, 740), QStringList({"*"}));  // after "женский"
    EXPECT_EQ(WordsIn(words, 200, 715, 380, 740).count("*"), 0);
    EXPECT_EQ(WordsIn(words, 410, 715, 620, 740).count("*"), 0);

    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        auto* button = static_cast<QRadioButton*>(Find(name));
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    words = PrintOnePage();
    EXPECT_EQ(WordsIn(words, 200, 715, 620, 740).count("*"), 0);
    EXPECT_EQ(WordsIn(words, 60, 715, 620, 740).value(0), "Пол");  // the line itself is unchanged
}

TEST_F(Printing, TitleAppliedOnceStaysAfterTheSettingIsRemoved) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Zelmor"));
    const std::string file = dir.filePath("Zelmor/Quentaril.conf").toStdString();
    std::ofstream(file) << "Title=Бюро СМЭ Ормелинской области\n";
    const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", dir.path().toLocal8Bit());
    std::vector<PdfWord> words = PrintOnePage();
    EXPECT_EQ(WordsIn(words, 80, 48, 800, 67),
              QStringList({"Бюро", "СМЭ", "Ормелинской", "области"}));
    std::remove(file.c_str());
    words = PrintOnePage();
    qputenv("XDG_CONFIG_DIRS", saved);
    EXPECT_EQ(WordsIn(words, 80, 48, 800, 67),
              QStringList({"Бюро", "СМЭ", "Ормелинской", "области"}));
}

TEST_F(Printing, PrintFromPreviewPrintsTheLastFillNotTheEditedCells) {
    TypeKeys(m_form->Edit(2), "23");
    WithPreview([this] { Click("SpeedButton2"); },
                [this](PreviewWindow* preview) {
                    EXPECT_TRUE(preview->isMaximized());
                    EXPECT_EQ(preview->windowTitle(), "");
                    EXPECT_TRUE(m_form->isEnabled());  // the window stays usable
                    m_form->Edit(2)->setText("99");
                    preview->findChild<QAction*>("Print")->trigger();
                    const std::vector<PdfWord> words = WordsOfOnlyJob();
                    EXPECT_EQ(WordsIn(words, 504, RowTop(2), 585, RowTop(3)), QStringList({"23"}));
                });
    EXPECT_TRUE(PreviewWindows().isEmpty());
}

TEST_F(Printing, EachPreviewShowsItsOwnFill) {
    QTemporaryDir dir;
    TypeKeys(m_form->Edit(3), "21");
    WithPreview(
        [this] { Click("SpeedButton2"); },
        [&](PreviewWindow* first) {
            m_form->Edit(3)->setText("31");
            // A second preview, opened while the first is open.
            WithPreview([this] { Click("SpeedButton2"); },
                        [&](PreviewWindow* second) {
                            EXPECT_EQ(PreviewWindows().size(), 2);
                            EXPECT_NE(second, first);
                            QString error;
                            ASSERT_TRUE(second->SaveAsPdf(dir.filePath("second.pdf"), &error))
                                << error.toStdString();
                        });
            QString error;
            ASSERT_TRUE(first->SaveAsPdf(dir.filePath("first.pdf"), &error)) << error.toStdString();
        });
    EXPECT_EQ(WordsIn(WordsOf(dir.filePath("first.pdf")), 504, RowTop(3), 585, RowTop(4)),
              QStringList({"21"}));
    EXPECT_EQ(WordsIn(WordsOf(dir.filePath("second.pdf")), 504, RowTop(3), 585, RowTop(4)),
              QStringList({"31"}));
    EXPECT_EQ(m_jobs.Jobs().size(), 0u);  // previews print nothing by themselves
}

TEST_F(Printing, SavingToAFileThatCannotBeWrittenSaysSoAndChangesNothing) {
    QTemporaryDir dir;
    const QString good = dir.filePath("appendix.pdf");
    const QString bad = "/proc/vertebra-appendix.pdf";  // a folder where no file can be made
    WithPreview([this] { Click("SpeedButton2"); },
                [&](PreviewWindow* preview) {
                    for (const QString& path : {good, bad}) {
                        ModalWatcher boxes;
                        WhenModal<QFileDialog>([path](QFileDialog* dialog) {
                            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                            ASSERT_NE(name, nullptr);
                            name->setText(path);  // as typed by the user
                            QTest::keyClick(name, Qt::Key_Return);
                        });
                        preview->findChild<QAction*>("SaveAsPdf")->trigger();
                        QTest::qWait(50);
                        if (path == good) {
                            EXPECT_TRUE(boxes.Boxes().empty());
                        } else {
                            ASSERT_EQ(boxes.Boxes().size(), 1u);
                            EXPECT_TRUE(boxes.Boxes()[0].text.contains(bad))
                                << boxes.Boxes()[0].text.toStdString();
                        }
                    }
                });
    EXPECT_TRUE(QFile::exists(good));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_EQ(WordsIn(WordsOf(good), 80, 48, 800, 67).value(0), "Медико");
}

TEST_F(Printing, PrinterSetupCopiesApplyToLaterPrints) {
    WithPreview([this] { Click("SpeedButton2"); },
                [](PreviewWindow* preview) {
                    WhenModal<QPrintDialog>([](QPrintDialog* dialog) {
                        auto* copies = dialog->findChild<QSpinBox*>("copies");
                        EXPECT_NE(copies, nullptr);
                        if (copies) copies->setValue(2);
                        dialog->accept();
                    });
                    preview->findChild<QAction*>("PrinterSetup")->trigger();
                });
    EXPECT_EQ(m_jobs.Jobs().size(), 0u);
    Click("SpeedButton1");
    const std::vector<PrintJob> jobs = m_jobs.WaitFor(1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Argument("copies"), "2");
    EXPECT_TRUE(RunTool("pdfinfo", {jobs[0].data}).contains(QRegularExpression("Pages:\\s+1\\n")));
}

TEST_F(Printing, ClosingTheMainWindowWithAPreviewOpenEndsTheProgram) {
    QTimer::singleShot(0, [this] { Click("SpeedButton2"); });
    QTimer::singleShot(300, [this] {
        EXPECT_EQ(PreviewWindows().size(), 1);
        m_form->close();
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(PreviewWindows().isEmpty());
}

}  // namespace
