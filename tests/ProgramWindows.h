#pragma once

// The measurement window and the appendix as start-up makes them, for the tests that drive the
// program: created, published as Form1 and SculpForm, shown and active.

#include <QTest>
#include <memory>

#include "report/PrForm.h"
#include "shell/Form1c.h"

class ProgramWindows {
public:
    ProgramWindows() = default;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    ~ProgramWindows() {
        SculpForm = nullptr;
        Form1 = nullptr;
    }

    // False when the window did not become the active one.
    bool Open() {
        m_form = std::make_unique<TForm1>();
        Form1 = m_form.get();
        m_report = std::make_unique<TSculpForm>(nullptr);
        SculpForm = m_report.get();
        m_form->show();
        return QTest::qWaitForWindowActive(m_form.get());
    }

    TForm1* Form() const { return m_form.get(); }
    TSculpForm* Report() const { return m_report.get(); }

private:
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TSculpForm> m_report;
};
