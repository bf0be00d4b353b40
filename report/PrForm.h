#pragma once

// The expert's appendix: one report object for the whole run, built from the page description
// TSCULPFORM kept in the program's resources. It is never shown as a window of its own.

#include <QObject>
#include <QPointF>
#include <QString>

#include "report/ReportPage.h"

class QPainter;

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

    // Sends the page to the printer; see PrForm.cpp.
    void Print();
    // Shows the page in a preview window until it is closed.
    void Preview();

    // Draws the page as it stands now; see PaintPage.
    void Paint(QPainter& painter, QPointF resolution, QPointF deviceOffset = {}) const;

private:
    ReportPage m_page;
};

// The one report object; valid from its creation at start-up until the program ends.
extern TSculpForm* SculpForm;
