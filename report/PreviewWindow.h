#pragma once

// The appendix's preview: a window of its own showing the page as it was filled when the preview
// opened. From it the user zooms, prints the report as it stands (without a new fill), sets up
// the printer for the rest of the run, or saves the previewed page as a PDF file.

#include <QMainWindow>
#include <QPrinter>

#include "report/ReportPage.h"

class QPrintPreviewWidget;
class TSculpForm;

class PreviewWindow : public QMainWindow {
    Q_OBJECT

public:
    PreviewWindow(TSculpForm& report, ReportPage snapshot);

    const ReportPage& Snapshot() const { return m_page; }

    // Writes the previewed page to a PDF file; an existing file is replaced only when the whole
    // file could be written. On failure says why in `error`.
    bool SaveAsPdf(const QString& path, QString* error) const;

public slots:
    void PrintReport();
    void PrinterSetup();
    void AskAndSaveAsPdf();

private:
    void PaintOn(QPrinter* printer) const;

    TSculpForm& m_report;
    ReportPage m_page;
    QPrinter m_printer;
    QPrintPreviewWidget* m_view;
};
