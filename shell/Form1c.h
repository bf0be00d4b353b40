#pragma once

// The measurement window: sixteen input cells graded at every keystroke, the tallies, the expert
// and the conclusion, and the two report buttons. Built from the layout description TFORM1 kept
// in the program's resources; what its controls show is all the state it has.

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class InputCell;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* LayoutResource = ":/TFORM1";

    // Throws std::runtime_error when the description is missing or cannot be used. FormCreate
    // has run when it returns.
    explicit TForm1(const QString& description = QString::fromLatin1(LayoutResource));

    // Cells 1 to 16 are the inputs, 17 to 32 the grades of measurements 1 to 16.
    QLineEdit* Edit(int n) const;

    // Copies what the window shows into the appendix (SculpForm).
    void FillReport();

signals:
    void create();  // once the window and its controls exist: OnCreate

public slots:
    void FormCreate();
    void EditChanged();
    void Edit1KeyPress(QChar key);
    void PrintProc();
    void PrevProc();

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the main window ends the program at once, a preview's loop included.
    void closeEvent(QCloseEvent* event) override;

private:
    template <class T>
    T* Control(const char* name) const;

    std::array<InputCell*, 16> m_inputs{};
    std::array<QLineEdit*, 16> m_grades{};
    std::array<QLabel*, 5> m_tallies{};  // Label1 ... Label5
    QComboBox* m_expert = nullptr;       // ComboBox1
    std::array<QRadioButton*, 3> m_conclusion{};
    bool m_shown = false;
};

// The one measurement window, the application's main window.
extern TForm1* Form1;
