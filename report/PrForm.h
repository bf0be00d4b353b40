#pragma once

// The expert's appendix: one report object for the whole run, built from the page description
// TSCULPFORM kept in the program's resources. It is never shown as a window of its own.

#include <QObject>
#include <QPointF>
#include <QString>

#include "report/ReportPage.h"

class QPainter;
class QPrinter;

class TSculpForm : public QObject {
    Q_OBJECT

public:
    static constexpr const char* LayoutResource = ":/TSCULPFORM";

    // Throws std::runtime_error with a clear message when the description is missing, cannot be
    // read or describes another class.
    explicit TSculpForm(QObject* owner,
                        const QString& description = QString::fromLatin1(LayoutResource));

    // The label of that name; throws std::logic_error when the page has none.
    ReportElement& Label(QStringView name);

    const ReportPage& Page() const { return m_page; }

    // Prints the page as it stands, without a dialog, to the system's default printer or the one
    // a preview's printer setup chose: one page, drawn from the sheet's corner, with a progress
    // window while it is generated. Returns at once, printing and showing nothing, when no
    // printer is installed (or the chosen one is gone) or an output is already being generated.
    void Print();

    // Shows the page as it stands now in a preview window of its own and returns when that window
    // is closed or the application ends; meanwhile every other window goes on working, and a
    // later fill does not change this preview. Returns at once while an output is being generated.
    void Preview();

    // The page and printer settings as they stand (the template's, or a printer setup's).
    void ConfigurePrinter(QPrinter& printer) const;
    // Keeps a confirmed printer setup for every later print and preview of the run.
    void StorePrinterChoices(const QPrinter& printer);

    // Draws the page as it stands now; see PaintPage.
    void Paint(QPainter& painter, QPointF resolution, QPointF deviceOffset = {}) const;

private:
    ReportPage m_page;
    bool m_generating = false;
};

// The one report object; valid from its creation at start-up until the program ends.
extern TSculpForm* SculpForm;
