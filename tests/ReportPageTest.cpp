// The appendix page as described: every element, the page settings, and how a label fits its text.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"
#include "report/PrForm.h"

namespace {

using Kind = ReportElement::Kind;

struct Expected {
    std::string name;
    Kind kind;
    std::string text;
    int left, top, width, height;
    int pointSize = 10;  // labels only
    bool bold = false;
    bool enabled = true;
};

Expected Label(std::string name, std::string text, int left, int top, int width, int height = 17) {
    return {std::move(name), Kind::Label, std::move(text), left, top, width, height};
}
Expected Large(std::string name, std::string text, int left, int top, int width, bool enabled) {
    return {std::move(name), Kind::Label, std::move(text), left, top, width, 19, 12, true, enabled};
}
Expected Shape(std::string name, Kind kind, int left, int top, int width, int height) {
    return {std::move(name), kind, "", left, top, width, height};
}
std::string Name(int n) {
    return "QRLabel" + std::to_string(n);
}

// The page as the appendix must look, in drawing order: explicit numbers where the layout fixes
// them, the table rows from their rule, the names and legends from the grading core's own texts.
std::vector<Expected> ExpectedPage() {
    std::vector<Expected> page = {
        Large("QRLabel1", "Медико - криминалистическое отделение * Ормелинское Обл. Бюро СМЭ", 80,
              48, 651, true),
        Label("QRLabel2", "ПОКАЗАТЕЛИ ДИАГНОСТИЧЕСКИХ РАЗМЕРОВ I ПОЗВОНКА ПРИ УСТАНОВЛЕНИИ ПОЛОВОЙ",
              104, 72, 569, 19),
        Label("QRLabel3", "ПРИНАДЛЕЖНОСТИ ( В ММ )", 256, 96, 185),
        Label("QRLabel4", "Приложение №", 304, 120, 97),
        Label("QRLabel5", "к заключению эксперта ( к акту ) №", 256, 136, 273),
        Shape("QRShape1", Kind::Rectangle, 56, 168, 657, 440),
        Shape("QRShape2", Kind::Rectangle, 464, 168, 121, 440),
        Shape("QRShape3", Kind::VerticalLine, 96, 168, 9, 440),
        Label("QRLabel6", "№", 72, 176, 9),
        Label("QRLabel7", "п/п", 64, 192, 25),
        Shape("QRShape4", Kind::HorizontalLine, 56, 208, 657, 9),
        Label("QRLabel8", "Наименование", 112, 176, 97),
        Label("QRLabel9", "диагностических размеров", 112, 192, 193),
        Label("QRLabel10", "Размер", 496, 176, 49),
        Label("QRLabel11", "Показатель", 600, 176, 81),
    };
    auto rowTop = [](int n) { return 224 + 24 * (n - 1); };
    for (int n = 1; n <= 16; ++n) {  // row numbers end at 89 units
        const std::string number = std::to_string(n) + ".";
        page.push_back(Label(Name(11 + n), number, n < 10 ? 72 : 64, rowTop(n), n < 10 ? 17 : 25));
    }
    // Rows 11 to 16 have the names QRLabel37 to 42, rows 1 to 10 QRLabel52 to 61.
    auto nameLabel = [&](int n, int label) {
        const auto name = std::string(vertebra::CatalogueEntry(n).reportName);
        const int characters = static_cast<int>(QString::fromStdString(name).size());
        page.push_back(Label(Name(label), name, 112, rowTop(n), characters * 8 + 1));
    };
    for (int n = 11; n <= 16; ++n)
        nameLabel(n, 26 + n);
    for (int n = 1; n <= 10; ++n)
        nameLabel(n, 51 + n);
    auto legend = [&](int label, vertebra::Grade g, int left, int top) {
        page.push_back(Label(Name(label), std::string(vertebra::GradeLegend(g)), left, top, 217));
    };
    legend(62, vertebra::gdCertainlyMale, 64, 632);
    legend(63, vertebra::gdProbablyMale, 64, 656);
    legend(64, vertebra::gdCertainlyFemale, 416, 632);
    legend(65, vertebra::gdProbablyFemale, 416, 656);
    legend(66, vertebra::gdUndetermined, 64, 680);
    page.push_back(Label("QRLabel67", "Судебно-медицинский эксперт", 80, 760, 217));
    for (int n = 1; n <= 16; ++n)
        page.push_back(Label(Name(67 + n), "0", 504, rowTop(n), 9));
    for (int n = 1; n <= 16; ++n)
        page.push_back(Label(Name(92 + n), "0", 600, rowTop(n), 9));
    // A tally cell stands one blank cell after its legend's closing dash.
    const int tallies[][2] = {{288, 632}, {288, 656}, {288, 680}, {640, 632}, {640, 656}};
    for (int i = 0; i < 5; ++i)
        page.push_back(Label(Name(118 + i), "0", tallies[i][0], tallies[i][1], 9));
    page.push_back(Label("QRLabel123",
                         "Пол       мужской              женский           неопределенный", 72, 720,
                         505));
    // Each mark two cells after its word's last letter.
    page.push_back(Large("QRLabel124", "*", 224, 720, 11, false));
    page.push_back(Large("QRLabel125", "*", 392, 720, 11, false));
    page.push_back(Large("QRLabel126", "*", 592, 720, 11, false));
    page.push_back(Label("QRLabel127", "Fio", 480, 760, 25));
    return page;
}

class Template : public ::testing::Test {
protected:
    TSculpForm form{nullptr};
};

TEST_F(Template, EveryElementInDrawingOrder) {
    const std::vector<Expected> expected = ExpectedPage();
    const auto& elements = form.Page().elements;
    ASSERT_EQ(elements.size(), expected.size());
    ASSERT_EQ(expected.size(), 95u);  // 91 labels and 4 shapes
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& want = expected[i];
        const ReportElement& got = elements[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name.toStdString(), want.name);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.box, QRect(want.left, want.top, want.width, want.height));
        if (want.kind != Kind::Label) continue;
        EXPECT_EQ(got.text.toStdString(), want.text);
        EXPECT_EQ(got.font.family, "Courier New");
        EXPECT_EQ(got.font.pointSize, want.pointSize);
        EXPECT_EQ(got.font.bold, want.bold);
        EXPECT_EQ(got.font.color, QColor(Qt::black));
        EXPECT_EQ(got.font.advance, want.pointSize == 10 ? 8 : 10);
        EXPECT_EQ(got.enabled, want.enabled);
    }
}

TEST_F(Template, EveryElementLiesInsideTheMargins) {
    auto mm = [](double units) { return units * 25.4 / 96; };
    const ReportPageSettings& s = form.Page().settings;
    double labelsLeft = 1e9, top = 1e9, bottom = 0;
    for (const ReportElement& e : form.Page().elements) {
        SCOPED_TRACE(e.name.toStdString());
        EXPECT_GE(mm(e.box.left()), s.leftMargin / 10.0);
        EXPECT_LE(mm(e.box.left() + e.box.width()), s.paperWidthMm - s.rightMargin / 10.0);
        EXPECT_GE(mm(e.box.top()), s.topMargin / 10.0);
        EXPECT_LE(mm(e.box.top() + e.box.height()), s.paperHeightMm - s.bottomMargin / 10.0);
        if (e.kind == ReportElement::Kind::Label)
            labelsLeft = std::min(labelsLeft, mm(e.box.left()));
        top = std::min(top, mm(e.box.top()));
        bottom = std::max(bottom, mm(e.box.top() + e.box.height()));
    }
    EXPECT_NEAR(labelsLeft, 16.93, 0.005);
    EXPECT_NEAR(top, 12.70, 0.005);
    EXPECT_NEAR(bottom, 205.58, 0.005);
    const QRect frame = form.Page().Find(u"QRShape1")->box;
    EXPECT_NEAR(mm(frame.left() + frame.width()), 188.65, 0.005);
    EXPECT_NEAR(mm(frame.top() + frame.height()), 160.87, 0.005);
    const QRect values = form.Page().Find(u"QRShape2")->box;
    EXPECT_NEAR(mm(values.left() + values.width()), 154.78, 0.005);
}

TEST_F(Template, PageSettings) {
    const ReportPageSettings& s = form.Page().settings;
    EXPECT_EQ(s.paper, "Letter");
    EXPECT_DOUBLE_EQ(s.paperWidthMm, 215.9);
    EXPECT_DOUBLE_EQ(s.paperHeightMm, 279.4);
    EXPECT_EQ(s.orientation, QPageLayout::Portrait);
    EXPECT_EQ(
        (std::vector<int>{s.topMargin, s.bottomMargin, s.leftMargin, s.rightMargin, s.columnSpace}),
        (std::vector<int>{100, 100, 100, 100, 0}));
    EXPECT_EQ(s.columns, 3);
    EXPECT_FALSE(s.printIfEmpty);
    EXPECT_EQ(s.reportTitle, "");
    EXPECT_EQ(s.printer.printerName, "");  // the default printer
    EXPECT_EQ(s.printer.copies, 1);
    EXPECT_FALSE(s.printer.duplex);
    EXPECT_EQ(s.printer.firstPage, 0);
    EXPECT_EQ(s.printer.lastPage, 0);
    EXPECT_EQ(s.printer.outputBin, "First");
}

struct FitCase {
    const char* name;
    const char* label;
    QString text;
    int width;
    int height;
};
void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class LabelFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(LabelFit, BoxFollowsText) {
    TSculpForm form(nullptr);
    ReportElement& label = form.Label(QString::fromLatin1(GetParam().label));
    const QPoint corner = label.box.topLeft();
    label.SetText(GetParam().text);
    EXPECT_EQ(label.box.topLeft(), corner);  // the left edge and top stay
    EXPECT_EQ(label.box.width(), GetParam().width);
    EXPECT_EQ(label.box.height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LabelFit,
    ::testing::Values(FitCase{"EmptyText", "QRLabel68", "", 1, 17},
                      FitCase{"ThreeCharacters", "QRLabel68", "55,", 25, 17},
                      FitCase{"NineCharactersStayInsideColumn", "QRLabel68", "123456789", 73, 17},
                      FitCase{"TenCharactersReachColumnBorder", "QRLabel68", "1234567890", 81,
                              17},  // 504 + 81 = 585
                      FitCase{"GradeCode", "QRLabel93", QString::fromUtf8("      ДЖ"), 65,
                              17},  // up to 665
                      FitCase{"CarriageReturnSplitsLines", "QRLabel127", "ab\rcdef", 33, 33},
                      FitCase{"LineFeedDropped", "QRLabel127", "ab\ncd", 33, 17},
                      FitCase{"LargeFont", "QRLabel1", "12345", 51, 19},
                      FitCase{"TitleOf74CharactersPassesSheetEdge", "QRLabel1", QString(74, 'x'),
                              741, 19},  // 80 + 741 > 816
                      FitCase{"HeightNeverLowered", "QRLabel2", "x", 9, 19}),
    [](const auto& info) { return info.param.name; });

TEST(TemplateErrors, MissingOrBrokenDescriptionSaysWhy) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.json");
    const QString other = dir.filePath("other.json");
    const QString lacking = dir.filePath("lacking.json");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{ \"class\": \"TSculpForm\", ");
    }
    {
        QFile source(TSculpForm::LayoutResource);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray json = source.readAll();
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(json).replace("\"TSculpForm\"", "\"TOther\""));
        QFile g(lacking);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(QByteArray(json).replace("\"top\": 720", "\"tip\": 720"));
    }
    auto messageOf = [](const QString& path) -> std::string {
        try {
            TSculpForm form(nullptr, path);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_NE(messageOf(dir.filePath("missing.json")).find("missing.json cannot be used"),
              std::string::npos);
    EXPECT_NE(messageOf(broken).find("at offset"), std::string::npos) << messageOf(broken);
    EXPECT_NE(messageOf(other).find("describes TOther, not TSculpForm"), std::string::npos);
    EXPECT_NE(messageOf(lacking).find("element \"QRLabel123\" has no \"top\""), std::string::npos)
        << messageOf(lacking);
}

TEST(TemplateErrors, UnknownLabelIsAnError) {
    TSculpForm form(nullptr);
    EXPECT_THROW(form.Label(u"QRLabel28"), std::logic_error);
    EXPECT_THROW(form.Label(u"QRShape1"), std::logic_error);
}

}  // namespace
