// Printing the appendix against drawing the same 95 elements with a bare QPainter, in one run:
// from the click on "Печать" to the job handed to the spooler, and fill plus drawing into a PDF.
// The spooler is the one CUPS_SERVER names (make bench starts a private one).

#include <benchmark/benchmark.h>

#include "MedianReporter.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <cstdio>
#include <map>

#include "report/PrForm.h"
#include "shell/Form1c.h"

namespace {

// The bare drawing: every element of the page with one call each, whole texts at once.
void DrawBare(QPainter& painter, const ReportPage& page, double dpi) {
    const double s = dpi / 96.0;
    QFont normal(QStringLiteral("Courier New"));
    normal.setPixelSize(static_cast<int>(10 * dpi / 72));
    QFont large = normal;
    large.setPixelSize(static_cast<int>(12 * dpi / 72));
    large.setBold(true);
    for (const ReportElement& e : page.elements) {
        const QRectF box(e.box.left() * s, e.box.top() * s, e.box.width() * s, e.box.height() * s);
        if (e.kind == ReportElement::Kind::Label) {
            if (!e.enabled) continue;
            painter.fillRect(box, Qt::white);
            painter.setFont(e.font.pointSize == 10 ? normal : large);
            painter.drawText(box.topLeft() + QPointF(0, box.height() * 0.75), e.text);
        } else {
            painter.drawRect(box);
        }
    }
}

void FillWindow(TForm1& form) {
    const char* values[] = {"88.4", "28",   "29,1", "27.6", "34.9", "35", "33.5", "48.2",
                            "51.7", "44.6", "37.9", "36.3", "41.4", "30", "25",   "70мм"};
    for (int n = 1; n <= 16; ++n)
        form.Edit(n)->setText(QString::fromUtf8(values[n - 1]));
}

struct Program {
    TForm1 form;
    TSculpForm report{nullptr};
    Program() {
        Form1 = &form;
        SculpForm = &report;
        FillWindow(form);
    }
    ~Program() {
        SculpForm = nullptr;
        Form1 = nullptr;
    }
};

bool HasPrinter(benchmark::State& state) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) return true;
    state.SkipWithError("no printer: set CUPS_SERVER to a spooler with a queue");
    return false;
}

void ClickToSpooler(benchmark::State& state) {
    if (!HasPrinter(state)) return;
    Program program;
    program.form.show();
    QWidget* print = program.form.findChild<QWidget*>(QStringLiteral("SpeedButton1"));
    for (auto _ : state)
        QTest::mouseClick(print, Qt::LeftButton);
}

void BareToSpooler(benchmark::State& state) {
    if (!HasPrinter(state)) return;
    Program program;
    program.form.FillReport();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);
        QPainter painter(&printer);
        DrawBare(painter, program.report.Page(), printer.resolution());
    }
}

// Draws one Letter page into a PDF in memory; `draw` gets the painter and the resolution.
template <class Draw>
void DrawPdfPage(Draw draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    draw(painter, writer.resolution());
}

void FillAndDrawPdf(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        program.form.FillReport();
        DrawPdfPage(
            [&](QPainter& painter, int dpi) { program.report.Paint(painter, QPointF(dpi, dpi)); });
    }
}

void BareDrawPdf(benchmark::State& state) {
    Program program;
    program.form.FillReport();
    for (auto _ : state) {
        DrawPdfPage(
            [&](QPainter& painter, int dpi) { DrawBare(painter, program.report.Page(), dpi); });
    }
}

BENCHMARK(ClickToSpooler)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BareToSpooler)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(FillAndDrawPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BareDrawPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatio("ClickToSpooler", "BareToSpooler", 1.5);
    reporter.PrintRatio("FillAndDrawPdf", "BareDrawPdf", 1.5);
    return 0;
}
