#include "shell/Form1c.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/AssessMeasurements.h"
#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"
#include "core/ThresholdTable.h"
#include "report/PrForm.h"
#include "shell/ErrorReport.h"
#include "shell/FormLoader.h"
#include "shell/InputCell.h"
#include "shell/Settings.h"

TForm1* Form1 = nullptr;

namespace {

using namespace vertebra;

// The tallies in the order of Label1 ... Label5.
constexpr Grade kTallyGrades[] = {gdCertainlyMale, gdProbablyMale, gdUndetermined,
                                  gdCertainlyFemale, gdProbablyFemale};

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Numbered(const char* prefix, int n) {
    return QLatin1String(prefix) + QString::number(n);
}

Grade GradeShown(std::string_view displayString) {
    for (int g = gdCertainlyFemale; g <= gdCertainlyMale; ++g) {
        if (GradeDisplayString(static_cast<Grade>(g)) == displayString)
            return static_cast<Grade>(g);
    }
    return gdNone;
}

}  // namespace

template <class T>
T* TForm1::Control(const char* name) const {
    T* control = findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        throw std::runtime_error(
            std::string("The layout description TFORM1 cannot be used: it has no ") + name);
    }
    return control;
}

TForm1::TForm1(const QString& description)
    // A fixed border with the system menu and the minimise button only. Set before the controls
    // exist: setting window flags later re-polishes every control.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    LoadForm(description, this);
    for (int n = 1; n <= MeasurementCount; ++n) {
        m_inputs[n - 1] = Control<InputCell>(Numbered("Edit", n).toLatin1().constData());
        m_grades[n - 1] =
            Control<QLineEdit>(Numbered("Edit", MeasurementCount + n).toLatin1().constData());
    }
    for (int k = 1; k <= 5; ++k)
        m_tallies[k - 1] = Control<QLabel>(Numbered("Label", k).toLatin1().constData());
    m_expert = Control<QComboBox>("ComboBox1");
    for (int k = 1; k <= 3; ++k) {
        m_conclusion[k - 1] =
            Control<QRadioButton>(Numbered("RadioButton", k).toLatin1().constData());
    }

    // The cells stand on the system's 3-D light colour, which a layout description cannot name.
    for (int n = 1; n <= 2 * MeasurementCount; ++n) {
        QLineEdit* cell = Edit(n);
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Midlight));
        cell->setPalette(palette);
    }

    // For a screen reader, and a tooltip with the row's bounds on each caption.
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (int n = 1; n <= MeasurementCount; ++n) {
        const QString name = Utf8(MeasurementName(n));
        m_inputs[n - 1]->setAccessibleName(name);
        m_grades[n - 1]->setAccessibleName(name + QStringLiteral(": показатель"));
        const QString caption = Utf8(CatalogueEntry(n).windowCaption);
        for (QLabel* label : labels) {
            if (label->text() == caption) label->setToolTip(Utf8(BoundsText(n)));
        }
    }

    emit create();
}

QLineEdit* TForm1::Edit(int n) const {
    if (n < 1 || n > 2 * MeasurementCount) return nullptr;
    return n <= MeasurementCount ? m_inputs[n - 1] : m_grades[n - MeasurementCount - 1];
}

void TForm1::FormCreate() {
    RunHandler([this] {
        std::vector<std::string> experts;
        for (int i = 0; i < m_expert->count(); ++i)
            experts.push_back(m_expert->itemText(i).toStdString());
        LoadExpertNames(experts);
        m_expert->clear();
        for (const std::string& name : experts)
            m_expert->addItem(Utf8(name));
        m_expert->setCurrentIndex(m_expert->count() > 0 ? 0 : -1);
        if (m_expert->count() == 0) m_expert->setEditText(QString());
        EditChanged();
    });
}

void TForm1::EditChanged() {
    RunHandler([this] {
        std::array<QByteArray, MeasurementCount> utf8;
        MeasurementTexts texts;
        for (int i = 0; i < MeasurementCount; ++i) {
            utf8[i] = m_inputs[i]->text().toUtf8();
            texts[i] =
                std::string_view(utf8[i].constData(), static_cast<std::size_t>(utf8[i].size()));
        }
        const GradeCounts counts = AssessMeasurements(texts);

        for (int i = 0; i < MeasurementCount; ++i) {
            const QString code = Utf8(GradeCodes[i]);
            if (m_grades[i]->text() != code) {
                m_grades[i]->setText(code);
                m_grades[i]->setAccessibleDescription(
                    Utf8(GradeMeaning(GradeShown(GradeCodes[i]))));
            }
        }
        for (std::size_t k = 0; k < m_tallies.size(); ++k) {
            const QString count = QString::number(counts[kTallyGrades[k]]);
            if (m_tallies[k]->text() != count) m_tallies[k]->setText(count);
        }
    });
}

void TForm1::Edit1KeyPress(QChar key) {
    RunHandler([key] {
        if (key == QChar(27)) Form1->close();
    });
}

void TForm1::FillReport() {
    TSculpForm& report = *SculpForm;
    const QString title = Utf8(ReadReportTitle());
    if (!title.isEmpty()) report.Label(u"QRLabel1").SetText(title);
    for (int n = 1; n <= MeasurementCount; ++n)
        report.Label(Numbered("QRLabel", 67 + n)).SetText(m_inputs[n - 1]->text());
    for (int n = 1; n <= MeasurementCount; ++n)
        report.Label(Numbered("QRLabel", 92 + n)).SetText(m_grades[n - 1]->text());
    for (int k = 0; k < 5; ++k)
        report.Label(Numbered("QRLabel", 118 + k)).SetText(m_tallies[k]->text());
    report.Label(u"QRLabel127").SetText(m_expert->currentText());
    for (int k = 0; k < 3; ++k)
        report.Label(Numbered("QRLabel", 124 + k)).enabled = false;
    for (int k = 0; k < 3; ++k) {
        if (m_conclusion[k]->isChecked()) {
            report.Label(Numbered("QRLabel", 124 + k)).enabled = true;
            break;
        }
    }
}

void TForm1::PrintProc() {
    RunHandler([this] {
        FillReport();
        SculpForm->Print();
    });
}

void TForm1::PrevProc() {
    RunHandler([this] {
        FillReport();
        SculpForm->Preview();
    });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    // When the window is first shown the focus goes to the first tab stop.
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) QCoreApplication::exit(0);
}
