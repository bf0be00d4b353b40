#include "report/PrForm.h"

#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>
#include <stdexcept>

#include "report/PagePainter.h"
#include "report/PreviewWindow.h"

TSculpForm* SculpForm = nullptr;

TSculpForm::TSculpForm(QObject* owner, const QString& description)
    : QObject(owner), m_page(ReportPage::Load(description)) {
    setObjectName(QStringLiteral("SculpForm"));
    if (m_page.className != QLatin1String(metaObject()->className())) {
        throw std::runtime_error(QStringLiteral("The page description %1 describes %2, not %3")
                                     .arg(description, m_page.className, metaObject()->className())
                                     .toStdString());
    }
}

ReportElement& TSculpForm::Label(QStringView name) {
    ReportElement* label = m_page.Find(name);
    if (!label || label->kind != ReportElement::Kind::Label) {
        throw std::logic_error("The appendix has no label " + name.toString().toStdString());
    }
    return *label;
}

void TSculpForm::Paint(QPainter& painter, QPointF resolution, QPointF deviceOffset) const {
    PaintPage(painter, m_page, resolution, deviceOffset);
}

void TSculpForm::ConfigurePrinter(QPrinter& printer) const {
    const ReportPageSettings& s = m_page.settings;
    if (!s.printer.printerName.isEmpty() && printer.outputFormat() == QPrinter::NativeFormat) {
        printer.setPrinterName(s.printer.printerName);
    }
    printer.setPageLayout(s.PageLayout());
    printer.setFullPage(true);  // the page is laid out from the sheet's corner
    printer.setCopyCount(s.printer.copies);
    printer.setDuplex(s.printer.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    printer.setDocName(s.reportTitle);
    if (s.printer.firstPage > 0 || s.printer.lastPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(s.printer.firstPage, s.printer.lastPage);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
}

void TSculpForm::StorePrinterChoices(const QPrinter& printer) {
    ReportPageSettings& s = m_page.settings;
    s.printer.printerName = printer.printerName();
    s.printer.copies = printer.copyCount();
    s.orientation = printer.pageLayout().orientation();
    const bool range = printer.printRange() == QPrinter::PageRange;
    s.printer.firstPage = range ? printer.fromPage() : 0;
    s.printer.lastPage = range ? printer.toPage() : 0;
}

namespace {

// Marks an output as being generated for as long as it lives.
class Generating {
public:
    explicit Generating(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Generating() { m_flag = false; }
    Generating(const Generating&) = delete;
    Generating& operator=(const Generating&) = delete;

private:
    bool& m_flag;
};

// Shown while the page is being generated for the printer.
class PrintProgress : public QWidget {
public:
    PrintProgress() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
        setObjectName(QStringLiteral("PrintProgress"));
        setWindowTitle(QStringLiteral("Печать"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Печать страницы 1 из 1…"), this));
    }
};

}  // namespace

void TSculpForm::Print() {
    if (m_generating) return;
    const ReportPrinterSettings& settings = m_page.settings.printer;
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (printers.isEmpty()) return;
    if (!settings.printerName.isEmpty() && !printers.contains(settings.printerName)) return;
    if (settings.firstPage > 1) return;  // a page range that leaves out the one page

    Generating generating(m_generating);
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) return;  // no default printer
    ConfigurePrinter(printer);
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.isValid()) return;

    PrintProgress progress;
    if (m_page.settings.showProgress) {
        progress.show();
        progress.repaint();
    }
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QPointF offset =
        printer.fullPage() ? QPointF() : printer.pageRect(QPrinter::DevicePixel).topLeft();
    Paint(painter, QPointF(printer.resolution(), printer.resolution()), offset);
    painter.end();
}

void TSculpForm::Preview() {
    if (m_generating) return;
    QPointer<PreviewWindow> window;
    {
        Generating generating(m_generating);
        window = new PreviewWindow(*this, m_page);  // a snapshot: later fills do not reach it
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    QEventLoop loop;
    connect(window.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
    window->showMaximized();
    loop.exec();
    delete window.data();  // still open when the application is ending
}
