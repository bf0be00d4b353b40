// A long random session at the real window: typing, deleting, pasting (up to a megabyte),
// cutting, "+NAN", conclusions, experts, and now and then a print or a preview. After every event
// the grade cells and tallies must be what a fresh assessment of the cells gives (or, after an
// error, what they were before), and every error must have shown exactly one box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <random>

#include "KeyTyping.h"
#include "PrintJobs.h"
#include "ProgramWindows.h"
#include "core/AssessMeasurements.h"
#include "report/PrForm.h"
#include "report/PreviewWindow.h"
#include "shell/Form1c.h"

namespace {

using namespace vertebra;

// Closes each error box as soon as it shows, as a user pressing OK would, and counts them.
class BoxCloser : public QObject {
public:
    BoxCloser() { qApp->installEventFilter(this); }
    ~BoxCloser() override { qApp->removeEventFilter(this); }
    int boxes = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(object)) {
                ++boxes;
                QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
            }
        }
        return false;
    }
};

constexpr Grade kTallyGrades[] = {gdCertainlyMale, gdProbablyMale, gdUndetermined,
                                  gdCertainlyFemale, gdProbablyFemale};

class RandomSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_program.Open());
        m_form = m_program.Form();
        for (int k = 1; k <= 5; ++k)
            m_tallies[k - 1] = m_form->findChild<QLabel*>(QStringLiteral("Label%1").arg(k));
        m_jobs.Clear();
    }

    struct Shown {
        QStringList codes, tallies;
        bool operator==(const Shown&) const = default;
    };
    Shown Displayed() const {
        Shown shown;
        for (int n = 17; n <= 32; ++n)
            shown.codes << m_form->Edit(n)->text();
        for (QLabel* tally : m_tallies)
            shown.tallies << tally->text();
        return shown;
    }
    // What the window must show now, or nothing when the assessment ends with an error.
    std::optional<Shown> Expected() const {
        std::array<QByteArray, MeasurementCount> utf8;
        MeasurementTexts texts;
        for (int i = 0; i < MeasurementCount; ++i) {
            utf8[i] = m_form->Edit(i + 1)->text().toUtf8();
            texts[i] =
                std::string_view(utf8[i].constData(), static_cast<std::size_t>(utf8[i].size()));
        }
        try {
            const GradeCounts counts = AssessMeasurements(texts);
            Shown shown;
            for (auto code : GradeCodes)
                shown.codes << QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
            for (Grade g : kTallyGrades)
                shown.tallies << QString::number(counts[g]);
            return shown;
        } catch (const FloatingPointError&) {
            return std::nullopt;
        }
    }

    QString RandomText(int maxLength) {
        static const QString alphabet =
            QString::fromUtf8("0123456789012345678901234567890123456789.,eE+-  мм:abcдЖ\t");
        const int length = std::uniform_int_distribution<int>(0, maxLength)(m_rng);
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[std::uniform_int_distribution<int>(0, alphabet.size() - 1)(m_rng)];
        return text;
    }
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    std::mt19937 m_rng{20261211};
    JobFolder m_jobs;
    ProgramWindows m_program;
    TForm1* m_form = nullptr;
    std::array<QLabel*, 5> m_tallies{};
};

TEST_F(RandomSession, TenThousandEventsAndEveryResultChecked) {
    BoxCloser closer;
    int events = 0, mismatches = 0, errors = 0, megabytePastes = 0, prints = 0, previews = 0;
    Shown before = Displayed();
    auto inputs = [this] {
        QStringList texts;
        for (int n = 1; n <= 16; ++n)
            texts << m_form->Edit(n)->text();
        return texts;
    };
    int boxesBefore = 0;
    QStringList inputsBefore;
    auto begin = [&] {
        boxesBefore = closer.boxes;
        inputsBefore = inputs();
    };
    // Checks the window after one event.
    auto check = [&](int kind, int n) {
        QCoreApplication::processEvents();
        const std::optional<Shown> expected = Expected();
        const Shown shown = Displayed();
        int graded = 0, sum = 0;
        for (const QString& code : shown.codes)
            graded += !code.isEmpty();
        for (const QString& tally : shown.tallies)
            sum += tally.toInt();
        // An edit that ends in an error shows exactly one box; anything else shows none.
        const bool edited = inputs() != inputsBefore;
        const int boxesExpected = boxesBefore + (edited && !expected ? 1 : 0);
        const bool ok =
            (expected ? shown == *expected : shown == before) && closer.boxes == boxesExpected;
        errors += !expected;
        if (!ok || graded != sum) {
            if (++mismatches <= 5) {
                ADD_FAILURE() << "event " << events << " of kind " << kind << " in cell " << n
                              << ": boxes " << closer.boxes - boxesBefore << ", expected "
                              << boxesExpected - boxesBefore << ", error " << !expected
                              << ", edited " << edited;
            }
        }
        before = shown;
        ++events;
    };
    int nanCell = 0;  // a cell holding "+NAN", cleared by the next event
    while (events < 10000) {
        const int n = Pick(1, 16);
        QLineEdit* cell = m_form->Edit(n);
        const int kind = Pick(0, 999);
        begin();
        if (nanCell) {
            m_form->Edit(nanCell)->clear();
            nanCell = 0;
        } else if (kind < 450) {  // typing one character
            cell->setFocus();
            cell->setCursorPosition(Pick(0, static_cast<int>(cell->text().size())));
            const QString typed = RandomText(1).left(1);
            TypeKeys(cell, typed.isEmpty() ? QString("5") : typed);
        } else if (kind < 650) {  // deleting
            cell->setFocus();
            cell->setCursorPosition(Pick(0, static_cast<int>(cell->text().size())));
            QTest::keyClick(cell, Pick(0, 1) ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (kind < 780) {  // pasting, now and then a megabyte
            const bool huge = kind == 650 && megabytePastes < 8;
            megabytePastes += huge;
            QApplication::clipboard()->setText(huge ? QString(1 << 20, '7') : RandomText(12));
            cell->setFocus();
            if (Pick(0, 1)) cell->selectAll();
            QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        } else if (kind < 850) {  // cutting
            cell->setFocus();
            cell->setSelection(Pick(0, static_cast<int>(cell->text().size())), Pick(0, 5));
            QTest::keyClick(cell, Qt::Key_X, Qt::ControlModifier);
        } else if (kind < 870) {  // "+NAN" at the front, key by key, each key an event
            cell->setFocus();
            cell->setCursorPosition(0);
            for (QChar key : QStringLiteral("+NA")) {
                TypeKeys(cell, key);
                check(kind, n);
                begin();
            }
            TypeKeys(cell, "N");
            nanCell = n;
        } else if (kind < 930) {  // the conclusion
            QTest::mouseClick(
                m_form->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(Pick(1, 3))),
                Qt::LeftButton);
        } else if (kind < 990) {  // the expert
            auto* expert = m_form->findChild<QComboBox*>("ComboBox1");
            if (Pick(0, 1)) {
                expert->setCurrentIndex(Pick(0, expert->count() - 1));
            } else {
                expert->setEditText(RandomText(20));
            }
        } else if (kind < 997) {
            QTest::mouseClick(m_form->findChild<QWidget*>("SpeedButton1"), Qt::LeftButton);
            ++prints;
        } else {
            QTimer::singleShot(0, [] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (qobject_cast<PreviewWindow*>(w) && w->isVisible()) w->close();
                }
            });
            QTest::mouseClick(m_form->findChild<QWidget*>("SpeedButton2"), Qt::LeftButton);
            ++previews;
        }
        check(kind, n);
    }
    EXPECT_EQ(mismatches, 0) << "of " << events << " events";
    EXPECT_GT(errors, 0);
    EXPECT_GT(closer.boxes, 0);
    EXPECT_GT(megabytePastes, 0);
    RecordProperty("events", events);
    std::printf(
        "random session: %d events, %d mismatches, %d with an error (%d boxes), %d megabyte "
        "pastes, "
        "%d prints, %d previews\n",
        events, mismatches, errors, closer.boxes, megabytePastes, prints, previews);
    if (m_jobs.Configured()) {
        EXPECT_EQ(m_jobs.WaitFor(static_cast<std::size_t>(prints)).size(),
                  static_cast<std::size_t>(prints));
    }
}

}  // namespace
