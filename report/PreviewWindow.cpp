#include "report/PreviewWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QSaveFile>
#include <QToolBar>

#include "report/PagePainter.h"
#include "report/PrForm.h"

PreviewWindow::PreviewWindow(TSculpForm& report, ReportPage snapshot)
    : m_report(report), m_page(std::move(snapshot)), m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(m_page.settings.reportTitle);
    // The preview does not depend on a printer being installed.
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_report.ConfigurePrinter(m_printer);

    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setObjectName(QStringLiteral("PreviewView"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::PaintOn);
    setCentralWidget(m_view);

    QToolBar* tools = addToolBar(QStringLiteral("Просмотр"));
    tools->setObjectName(QStringLiteral("PreviewTools"));
    tools->setMovable(false);
    auto add = [&](const char* name, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = tools->addAction(text, this, slot);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        return action;
    };
    add("ZoomIn", QStringLiteral("Увеличить"), QKeySequence::ZoomIn, [this] { m_view->zoomIn(); });
    add("ZoomOut", QStringLiteral("Уменьшить"), QKeySequence::ZoomOut,
        [this] { m_view->zoomOut(); });
    add("FitInView", QStringLiteral("По размеру окна"), QKeySequence(),
        [this] { m_view->fitInView(); });
    tools->addSeparator();
    add("Print", QStringLiteral("Печать"), QKeySequence::Print, &PreviewWindow::PrintReport);
    add("PrinterSetup", QStringLiteral("Настройка принтера…"), QKeySequence(),
        &PreviewWindow::PrinterSetup);
    add("SaveAsPdf", QStringLiteral("Сохранить в PDF…"), QKeySequence::SaveAs,
        &PreviewWindow::AskAndSaveAsPdf);
    tools->addSeparator();
    add("Close", QStringLiteral("Закрыть"), QKeySequence::Close, &QWidget::close);
}

void PreviewWindow::PaintOn(QPrinter* printer) const {
    QPainter painter(printer);
    PaintPage(painter, m_page, QPointF(printer->resolution(), printer->resolution()));
}

void PreviewWindow::PrintReport() {
    m_report.Print();
}

void PreviewWindow::PrinterSetup() {
    QPrinter printer(QPrinter::HighResolution);
    m_report.ConfigurePrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrinterSetup"));
    dialog.setWindowTitle(QStringLiteral("Настройка принтера"));
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) return;
    m_report.StorePrinterChoices(printer);
    m_page.settings.orientation =
        printer.pageLayout().orientation();  // the fill shown stays as it was
    m_report.ConfigurePrinter(m_printer);
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_view->updatePreview();
}

bool PreviewWindow::SaveAsPdf(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(m_page.settings.reportTitle);
        writer.setResolution(1200);
        writer.setPageLayout(m_page.settings.PageLayout());
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QStringLiteral("the PDF could not be started");
            file.cancelWriting();
            return false;
        }
        PaintPage(painter, m_page, QPointF(writer.resolution(), writer.resolution()));
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void PreviewWindow::AskAndSaveAsPdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить в PDF"),
                                                      QString(), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!SaveAsPdf(path, &error)) {
        QMessageBox::warning(this, QStringLiteral("Сохранение в PDF"),
                             QStringLiteral("Не удалось записать файл %1: %2").arg(path, error));
    }
}
