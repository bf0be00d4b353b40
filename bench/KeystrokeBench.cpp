// One keystroke's full cost in the measurement window (key event, assessment of all sixteen
// cells, grade cells and tallies) against the same keystroke into a bare line edit.

#include <benchmark/benchmark.h>

#include "MedianReporter.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <memory>

#include "report/PrForm.h"
#include "shell/Form1c.h"

namespace {

void TypeAndErase(QWidget* cell) {
    QTest::keyClick(cell, '7');
    QTest::keyClick(cell, Qt::Key_Backspace);
}

void WindowKeystroke(benchmark::State& state) {
    TForm1 form;
    Form1 = &form;
    const char* values[] = {"88.4", "28",   "29.1", "27.6", "34.9", "35", "33.5", "48.2",
                            "51.7", "44.6", "37.9", "36.3", "41.4", "30", "25",   ""};
    for (int n = 1; n <= 16; ++n)
        form.Edit(n)->setText(values[n - 1]);
    form.show();
    QWidget* cell = form.Edit(16);
    cell->setFocus();
    for (auto _ : state)
        TypeAndErase(cell);
    state.SetItemsProcessed(2 * state.iterations());
    Form1 = nullptr;
}

void BareKeystroke(benchmark::State& state) {
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    for (auto _ : state)
        TypeAndErase(&edit);
    state.SetItemsProcessed(2 * state.iterations());
}

BENCHMARK(WindowKeystroke)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BareKeystroke)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatio("WindowKeystroke", "BareKeystroke", 2);  // two keystrokes each
    return 0;
}
