// The measurement window, driven as the expert drives it: by keys, offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <memory>

#include "KeyTyping.h"
#include "ModalWatcher.h"
#include "ProgramWindows.h"
#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"
#include "report/PrForm.h"
#include "shell/ErrorReport.h"
#include "shell/Form1c.h"
#include "shell/FormLoader.h"
#include "shell/VertebraApplication.h"

namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString Code(vertebra::Grade g) {
    return Utf8(vertebra::GradeDisplayString(g));
}

// The window and the report as start-up makes them, shown and active.
class Window : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_program.Open());
        m_form = m_program.Form();
    }

    template <class T = QWidget>
    T* Find(const QString& name) const {
        T* w = m_form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* Edit(int n) const { return m_form->Edit(n); }
    QString Tally(int k) const { return Find<QLabel>(QStringLiteral("Label%1").arg(k))->text(); }
    QStringList Tallies() const { return {Tally(1), Tally(2), Tally(3), Tally(4), Tally(5)}; }
    void Type(int n, const QString& text) { TypeKeys(Edit(n), text); }

    ProgramWindows m_program;
    TForm1* m_form = nullptr;
};

TEST_F(Window, FirstDisplay) {
    for (int n = 1; n <= 32; ++n)
        EXPECT_EQ(Edit(n)->text(), "") << n;
    EXPECT_EQ(Tallies(), QStringList({"0", "0", "0", "0", "0"}));  // never the design text "Num"
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RadioButton3")->isChecked());
    const auto* experts = Find<QComboBox>("ComboBox1");
    EXPECT_EQ(experts->currentText(), "Ровнягин К.С.");
    EXPECT_EQ(experts->count(), 4);
    EXPECT_EQ(QApplication::focusWidget(), Edit(1));

    // For a person to look at.
    m_form->grab().save(QDir::current().filePath("window-first-display.png"));
}

TEST_F(Window, EveryKeystrokeGradesAllSixteenCells) {
    Type(1, "4");
    EXPECT_EQ(Edit(17)->text(), Code(vertebra::gdCertainlyFemale));
    EXPECT_EQ(Tallies(), QStringList({"0", "0", "0", "1", "0"}));
    Type(1, "5");  // 45
    EXPECT_EQ(Edit(17)->text(), Code(vertebra::gdCertainlyFemale));
    Type(2, "2");  // row 2: 22.2, 23.7, 27.7, 29.1
    EXPECT_EQ(Edit(18)->text(), Code(vertebra::gdCertainlyFemale));
    EXPECT_EQ(Tallies(), QStringList({"0", "0", "0", "2", "0"}));
    Type(2, "8");  // 28
    EXPECT_EQ(Edit(18)->text(), Code(vertebra::gdProbablyMale));
    EXPECT_EQ(Tallies(), QStringList({"0", "1", "0", "1", "0"}));
    Type(16, "70мм");
    EXPECT_EQ(Edit(32)->text(), Code(vertebra::gdCertainlyMale));
    EXPECT_EQ(Edit(16)->text(), "70мм");  // the text stays as typed
    EXPECT_EQ(Tallies(), QStringList({"1", "1", "0", "1", "0"}));
    // A pasted text is graded the same way.
    Edit(5)->setText("30,5");
    EXPECT_EQ(Edit(21)->text(), Code(vertebra::gdUndetermined));
    EXPECT_EQ(Tallies(), QStringList({"1", "1", "1", "1", "0"}));
}

TEST_F(Window, EmptyingACellEmptiesItsCodeAndLowersItsTally) {
    Type(3, "30");
    EXPECT_EQ(Edit(19)->text(), Code(vertebra::gdProbablyMale));
    EXPECT_EQ(Tally(2), "1");
    QTest::keyClick(Edit(3), Qt::Key_Backspace);
    QTest::keyClick(Edit(3), Qt::Key_Backspace);
    EXPECT_EQ(Edit(19)->text(), "");
    EXPECT_EQ(Tallies(), QStringList({"0", "0", "0", "0", "0"}));
}

TEST_F(Window, NanShowsOneErrorAndKeepsThePreviousGrades) {
    Type(1, "91.01");
    ModalWatcher watcher;
    Type(7, "+NAN");  // "+NA" is still a zero; the N completes the word
    QTest::qWait(50);
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    const ModalWatcher::Box& box = watcher.Boxes()[0];
    EXPECT_EQ(box.text, "Invalid floating point operation.");
    EXPECT_EQ(box.title, ApplicationTitle());
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(Edit(17)->text(), Code(vertebra::gdCertainlyMale));
    EXPECT_EQ(Tallies(), QStringList({"1", "0", "0", "0", "0"}));
    EXPECT_EQ(Edit(7)->text(), "+NAN");  // the text is kept
    // The window goes on: clearing the cell grades again.
    Edit(7)->clear();
    Type(1, "0");  // 91.010
    EXPECT_EQ(watcher.Boxes().size(), 1u);
}

TEST_F(Window, EscapeInAnInputCellEndsTheProgram) {
    QTimer::singleShot(0, [this] { QTest::keyClick(Edit(9), Qt::Key_Escape); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    failsafe.start(10000);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(m_form->isVisible());
}

TEST_F(Window, EscapeElsewhereDoesNotClose) {
    for (QWidget* w : {static_cast<QWidget*>(Edit(20)), Find("ComboBox1"), Find("RadioButton1")}) {
        w->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(m_form->isVisible()) << w->objectName().toStdString();
    }
}

TEST_F(Window, TabVisitsTheInputsThenTheCheckedConclusion) {
    auto tabFrom = [](QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    for (int n = 1; n < 16; ++n)
        EXPECT_EQ(tabFrom(Edit(n)), Edit(n + 1)) << n;
    EXPECT_EQ(tabFrom(Edit(16)), Find("RadioButton1"));
    EXPECT_EQ(tabFrom(Find("RadioButton1")), Edit(1));
    QTest::mouseClick(Find("RadioButton3"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(tabFrom(Edit(16)), Find("RadioButton3"));
    EXPECT_EQ(tabFrom(Find("RadioButton3")), Edit(1));
    // Checking another conclusion changes nothing else.
    EXPECT_EQ(Tallies(), QStringList({"0", "0", "0", "0", "0"}));
}

TEST_F(Window, ReportButtonsNeverTakeTheFocus) {
    Edit(4)->setFocus();
    for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
        auto* button = Find<QToolButton>(name);
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(button->autoRaise());
    }
    EXPECT_EQ(Find<QToolButton>("SpeedButton1")->text(), "Печать");
    EXPECT_EQ(Find<QToolButton>("SpeedButton2")->text(), "Просмотр");
}

TEST_F(Window, ScreenReaderNamesAndBoundsTooltips) {
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Edit(n)->accessibleName(), Utf8(vertebra::MeasurementName(n)));
    }
    Type(1, "60");
    EXPECT_EQ(Edit(17)->accessibleDescription(), "вероятно женский");
    Edit(1)->setText("95");
    EXPECT_EQ(Edit(17)->accessibleDescription(), "достоверно мужской");
    EXPECT_EQ(Find<QLabel>("Label1")->accessibleName(), "Достоверно мужских");
    EXPECT_EQ(Find<QRadioButton>("RadioButton2")->accessibleName(), "Пол женский");
    EXPECT_EQ(Find<QLabel>("Label27")->toolTip(),
              "ДЖ ≤ 55.6 < ВЖ ≤ 62.4 < НП ≤ 82.9 < ВМ ≤ 91 < ДМ");
    EXPECT_EQ(Find<QLabel>("Label15")->toolTip(), "ДЖ ≤ 15 < ВЖ ≤ 20 < НП ≤ 29 < ВМ ≤ 33.1 < ДМ");
}

TEST(ErrorBox, FullStopAddedAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorBoxText("Invalid floating point operation"),
              "Invalid floating point operation.");
    EXPECT_EQ(ErrorBoxText("Ends with a stop."), "Ends with a stop.");
    EXPECT_EQ(ErrorBoxText("Bang!"), "Bang!");  // '!' is below '.'
    EXPECT_EQ(ErrorBoxText("(x)"), "(x)");
    EXPECT_EQ(ErrorBoxText("a/"), "a/.");  // '/' is just above
    EXPECT_EQ(ErrorBoxText("Ошибка"), "Ошибка.");
    EXPECT_EQ(ErrorBoxText("trailing "), "trailing ");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(ErrorBox, TitleFromTheExecutableName) {
    // This program is form1_test: "Form1_test".
    EXPECT_EQ(ApplicationTitle(), "Form1_test");
}

// A window built with a settings file written as an installation would.
std::vector<QString> ExpertsWith(const std::string& settings, QString* shown) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Zelmor"));
    std::ofstream(dir.filePath("Zelmor/Quentaril.conf").toStdString()) << settings;
    const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", dir.path().toLocal8Bit());
    TForm1 form;
    qputenv("XDG_CONFIG_DIRS", saved);
    const auto* experts = form.findChild<QComboBox*>("ComboBox1");
    std::vector<QString> items;
    for (int i = 0; i < experts->count(); ++i)
        items.push_back(experts->itemText(i));
    *shown = experts->currentText();
    return items;
}

TEST(WindowSettings, InstalledNamesReplaceTheBuiltInList) {
    QString shown;
    EXPECT_EQ(ExpertsWith("[General]\nName2=Тельчуков Д.Л.\nName3=Новиков А.А.\n", &shown),
              (std::vector<QString>{"Тельчуков Д.Л.", "Новиков А.А."}));
    EXPECT_EQ(shown, "Тельчуков Д.Л.");
}

TEST(WindowSettings, AKeyWithoutNamesLeavesTheListEmpty) {
    QString shown = "unset";
    EXPECT_TRUE(ExpertsWith("Title=Бюро\n", &shown).empty());
    EXPECT_EQ(shown, "");
}

// A copy of the window's description with one change, to see how start-up takes it.
QString BrokenCopy(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to) {
    QFile source(TForm1::LayoutResource);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray ui = source.readAll();
    EXPECT_TRUE(ui.contains(from)) << from.toStdString();
    ui.replace(from, to);
    const QString path = dir.filePath("TFORM1.ui");
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(ui);
    return path;
}

struct BrokenCase {
    const char* name;
    QByteArray from, to;
    const char* reason;
};
void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenLayout : public ::testing::TestWithParam<BrokenCase> {};

// Should start-up ever get as far as the loop, this ends it rather than the test hanging.
void EndLoopSoon() {
    QTimer::singleShot(3000, [] { QCoreApplication::exit(99); });
}

TEST_P(BrokenLayout, OneBoxNoWindowExitZero) {
    EndLoopSoon();
    QTemporaryDir dir;
    const QString path = BrokenCopy(dir, GetParam().from, GetParam().to);
    ModalWatcher watcher;
    auto* app = static_cast<VertebraApplication*>(QCoreApplication::instance());
    EXPECT_EQ(app->Run(path, QString::fromLatin1(TSculpForm::LayoutResource)), 0);
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_TRUE(watcher.Boxes()[0].text.contains(GetParam().reason))
        << watcher.Boxes()[0].text.toStdString();
    EXPECT_EQ(Form1, nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, BrokenLayout,
    ::testing::Values(
        BrokenCase{"HandlerThatDoesNotExist", "<slot>PrintProc()</slot>",
                   "<slot>PrintProcedure()</slot>", "Form1 has no handler PrintProcedure()"},
        BrokenCase{"EventThatDoesNotExist", "<signal>clicked()</signal>",
                   "<signal>pressedTwice()</signal>", "has no event pressedTwice()"},
        BrokenCase{"SenderThatDoesNotExist", "<sender>Edit7</sender>", "<sender>Edit77</sender>",
                   "it binds \"Edit77\", which it does not create"},
        BrokenCase{"MissingControl", "name=\"ComboBox1\"", "name=\"ComboBox2\"",
                   "it has no ComboBox1"},
        BrokenCase{"UnknownProperty", "<property name=\"readOnly\">",
                   "<property name=\"readOnlyX\">", "Edit17 has no property readOnlyX"},
        BrokenCase{"NotXml", "<ui version=\"4.0\">", "<ui version=\"4.0\"",
                   "TFORM1.ui cannot be used"},
        BrokenCase{"AnotherClass", "<widget class=\"TForm1\" name=\"Form1\">",
                   "<widget class=\"TForm2\" name=\"Form1\">", "TForm2"}),
    [](const auto& info) { return info.param.name; });

TEST(BrokenLayout, MissingDescriptionOfEitherClass) {
    for (int which = 0; which < 2; ++which) {
        EndLoopSoon();
        ModalWatcher watcher;
        auto* app = static_cast<VertebraApplication*>(QCoreApplication::instance());
        const QString form =
            which == 0 ? "/no/such/TFORM1.ui" : QString::fromLatin1(TForm1::LayoutResource);
        const QString report = which == 1 ? "/no/such/TSCULPFORM.json"
                                          : QString::fromLatin1(TSculpForm::LayoutResource);
        EXPECT_EQ(app->Run(form, report), 0);
        ASSERT_EQ(watcher.Boxes().size(), 1u) << which;
        EXPECT_TRUE(watcher.Boxes()[0].text.contains("/no/such/"))
            << watcher.Boxes()[0].text.toStdString();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible());
    }
}

}  // namespace

namespace {

struct ControlCase {
    QString name;
    QString parent;
    QRect geometry;
    QString family;
    int pixelSize;
    bool bold;
    QString text;
};
void PrintTo(const ControlCase& c, std::ostream* os) {
    *os << c.name.toStdString();
}

// Every control of the window where the layout puts it, in its font, with its text.
std::vector<ControlCase> LayoutControls() {
    std::vector<ControlCase> controls;
    const QString sans = "MS Sans Serif";
    // Measurement captions: label name, top and width of each row.
    const std::pair<const char*, int> captions[16][1] = {
        {{"Label27", 323}}, {{"Label29", 326}}, {{"Label33", 319}}, {{"Label34", 325}},
        {{"Label35", 326}}, {{"Label6", 324}},  {{"Label7", 321}},  {{"Label8", 325}},
        {{"Label12", 323}}, {{"Label13", 323}}, {{"Label9", 327}},  {{"Label11", 324}},
        {{"Label10", 325}}, {{"Label17", 319}}, {{"Label16", 317}}, {{"Label15", 328}}};
    for (int n = 1; n <= 16; ++n) {
        controls.push_back({captions[n - 1][0].first, "Form1",
                            QRect(33, 90 + 21 * (n - 1), captions[n - 1][0].second, 13), sans, 12,
                            false, Utf8(vertebra::CatalogueEntry(n).windowCaption)});
    }
    for (int n = 1; n <= 16; ++n) {
        const QRect cell(7, 7 + 21 * (n - 1), 72, 18);
        controls.push_back(
            {QStringLiteral("Edit%1").arg(n), "Panel1", cell, "Arial", 11, false, ""});
        controls.push_back(
            {QStringLiteral("Edit%1").arg(16 + n), "Panel2", cell, "Arial", 11, false, ""});
    }
    const QString tnr = "Times New Roman";
    controls.insert(
        controls.end(),
        {
            {"Panel1", "Form1", QRect(347, 80, 85, 345), sans, 10, false, ""},
            {"Panel2", "Form1", QRect(438, 80, 85, 345), sans, 10, false, ""},
            {"Panel3", "Form1", QRect(30, 7, 235, 42), sans, 10, false, ""},
            {"Panel4", "Form1", QRect(128, 54, 289, 24), sans, 10, false, ""},
            {"Panel5", "Form1", QRect(272, 7, 251, 42), sans, 10, false, ""},
            {"Label26", "Panel3", QRect(13, 2, 157, 19), tnr, 16, true, "Достоверно мужских:"},
            {"Label1", "Panel3", QRect(182, 2, 32, 19), tnr, 16, true, "0"},
            {"Label31", "Panel3", QRect(13, 18, 158, 19), tnr, 16, true, "Вероятно     мужских:"},
            {"Label2", "Panel3", QRect(182, 18, 32, 19), tnr, 16, true, "0"},
            {"Label30", "Panel4", QRect(13, 2, 209, 19), tnr, 16, true,
             "Неопределенных признаков:"},
            {"Label3", "Panel4", QRect(232, 2, 32, 19), tnr, 16, true, "0"},
            {"Label28", "Panel5", QRect(21, 2, 159, 19), tnr, 16, true, "Достоверно  женских:"},
            {"Label4", "Panel5", QRect(198, 2, 32, 19), tnr, 16, true, "0"},
            {"Label32", "Panel5", QRect(21, 20, 156, 19), tnr, 16, true, "Вероятно     женских:"},
            {"Label5", "Panel5", QRect(198, 20, 32, 19), tnr, 16, true, "0"},
            {"SpeedButton2", "Form1", QRect(32, 54, 89, 24), sans, 10, false, "Просмотр"},
            {"SpeedButton1", "Form1", QRect(424, 54, 97, 24), sans, 10, false, "Печать"},
            {"Label36", "Form1", QRect(5, 428, 74, 16), sans, 13, true, "ЭКСПЕРТ"},
            {"ComboBox1", "Form1", QRect(80, 428, 89, 21), sans, 10, false, "Ровнягин К.С."},
            {"Label37", "Form1", QRect(176, 428, 322, 16), sans, 13, false,
             "Пол мужской           женский            неопределенный"},
            {"RadioButton1", "Form1", QRect(272, 430, 17, 17), sans, 10, false, ""},
            {"RadioButton2", "Form1", QRect(360, 430, 17, 17), sans, 10, false, ""},
            {"RadioButton3", "Form1", QRect(504, 430, 17, 17), sans, 10, false, ""},
        });
    return controls;
}

class WindowLayout : public Window, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(WindowLayout, ControlAsDesigned) {
    const ControlCase& c = GetParam();
    QWidget* w = Find(c.name);
    ASSERT_NE(w, nullptr);
    w->ensurePolished();
    EXPECT_EQ(w->parentWidget()->objectName(), c.parent);
    EXPECT_EQ(w->geometry(), c.geometry);
    EXPECT_EQ(w->font().family(), c.family);
    EXPECT_EQ(w->font().pixelSize(), c.pixelSize);
    EXPECT_EQ(w->font().bold(), c.bold);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) text = edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) text = combo->currentText();
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Controls, WindowLayout, ::testing::ValuesIn(LayoutControls()),
                         [](const auto& info) { return info.param.name.toStdString(); });

QColor PixelOf(QWidget* w, QPoint at) {
    return w->grab().toImage().pixelColor(at);
}

TEST_F(Window, FixedWindowWithItsCaptionAndColours) {
    EXPECT_EQ(m_form->windowTitle(), "Установление половой принадлежности I поясничного позвонка");
    EXPECT_EQ(m_form->size(), QSize(552, 455));
    EXPECT_EQ(m_form->minimumSize(), QSize(552, 455));
    EXPECT_EQ(m_form->maximumSize(), QSize(552, 455));
    EXPECT_FALSE(m_form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(m_form->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(m_form->pos(), QPoint(204, 46));

    // Odd rows on lime, even rows on the window's own colour.
    EXPECT_EQ(PixelOf(Find("Label27"), QPoint(0, 0)), QColor(0, 255, 0));
    EXPECT_EQ(PixelOf(Find("Label29"), QPoint(0, 0)), m_form->palette().color(QPalette::Window));
    EXPECT_EQ(PixelOf(Find("Panel1"), QPoint(4, 4)), QColor(192, 192, 192));
    EXPECT_EQ(PixelOf(Find("Panel3"), QPoint(6, 20)), QColor(192, 192, 192));
    // The cells on the 3-D light colour; the grade cells are read-only and no tab stops.
    const QColor cell = PixelOf(Edit(20), QPoint(60, 9));
    const QColor light = m_form->palette().color(QPalette::Midlight);
    EXPECT_LE(std::abs(cell.red() - light.red()) + std::abs(cell.green() - light.green()) +
                  std::abs(cell.blue() - light.blue()),
              6)
        << cell.name().toStdString() << " against " << light.name().toStdString();
    EXPECT_TRUE(Edit(20)->isReadOnly());
    EXPECT_FALSE(Edit(20)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(Edit(4)->isReadOnly());
    // Tallies in blue, the expert's line in navy.
    auto hasColour = [](QWidget* w, QColor colour) {
        const QImage image = w->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) return true;
        return false;
    };
    EXPECT_TRUE(hasColour(Find("Label30"), QColor(0, 0, 255)));
    EXPECT_TRUE(hasColour(Find("Label36"), QColor(0, 0, 128)));
    EXPECT_TRUE(hasColour(Find("Label37"), QColor(0, 0, 128)));
}

}  // namespace

namespace {

TEST_F(Window, NothingTypedOrPastedIsCutOff) {
    const QString megabyte = "55.6" + QString((1 << 20) - 4, 'x');
    Edit(1)->setText(megabyte);
    EXPECT_EQ(Edit(1)->text().size(), megabyte.size());
    EXPECT_EQ(Edit(17)->text(), Code(vertebra::gdCertainlyFemale));
}

}  // namespace
