// The start-up benchmark's baseline: the same window written out by hand as a bare Qt Widgets
// program: as many widgets of the same kinds, with the same texts and fonts, but no layout
// description, no grading, no settings and no report.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>

namespace {

QFont Font(const char* family, int pixels, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* Label(const char* text, QWidget* parent, QRect geometry, const QFont& font) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(geometry);
    label->setFont(font);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QWidget window;
    window.setWindowTitle(
        QString::fromUtf8("Установление половой принадлежности I поясничного позвонка"));
    window.setFixedSize(552, 455);
    window.setFont(Font("MS Sans Serif", 10));
    const char* captions[] = {"1  Расстояние между вершинами поперечных отростков______",
                              "2  Передняя высота тела_________________________________",
                              "3  Задняя высота тела__________________________________",
                              "4  Средняя высота тела__________________________________",
                              "5  Верхний сагиттальный диаметр тела_____________________",
                              "6  Нижний сагиттальный диаметр тела_____________________",
                              "7  Средний сагиттальный диаметр тела____________________",
                              "8  Верхняя ширина тела__________________________________",
                              "9  Нижняя ширина тела__________________________________",
                              "10 Средняя ширина тела_________________________________",
                              "11 Расстояние между верхними суставными отростками______",
                              "12 Расстояние между нижними суставными отростками______",
                              "13 Длина остистого отростка по верхней поверхности________",
                              "14 Ширина дужек у основания верхних суставных отростков__",
                              "15 Высота дужек в месте отхожд. основ. остистого отростка_",
                              "16 Вес_________________________________________________"};
    for (int n = 0; n < 16; ++n) {
        QLabel* label =
            Label(captions[n], &window, QRect(33, 90 + 21 * n, 325, 13), Font("MS Sans Serif", 12));
        if (n % 2 == 0) {
            label->setAutoFillBackground(true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, Qt::green);
            label->setPalette(palette);
        }
    }
    const QRect panelBoxes[] = {{347, 80, 85, 345},
                                {438, 80, 85, 345},
                                {30, 7, 235, 42},
                                {128, 54, 289, 24},
                                {272, 7, 251, 42}};
    QFrame* panels[5];
    for (int i = 0; i < 5; ++i) {
        panels[i] = new QFrame(&window);
        panels[i]->setGeometry(panelBoxes[i]);
        panels[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panels[i]->setLineWidth(2);
    }
    for (int n = 0; n < 16; ++n) {
        for (int p = 0; p < 2; ++p) {
            auto* cell = new QLineEdit(panels[p]);
            cell->setGeometry(7, 7 + 21 * n, 72, 18);
            cell->setFont(Font("Arial", 11));
            cell->setReadOnly(p == 1);
        }
    }
    const QFont tally = Font("Times New Roman", 16, true);
    const char* tallies[] = {"Достоверно мужских:",       "0", "Вероятно     мужских:", "0",
                             "Неопределенных признаков:", "0", "Достоверно  женских:",  "0",
                             "Вероятно     женских:",     "0"};
    for (int i = 0; i < 10; ++i)
        Label(tallies[i], panels[2 + i / 4 % 3],
              QRect(13 + 170 * (i % 2), 2 + 16 * (i / 2 % 2), 150, 19), tally);
    auto* preview = new QToolButton(&window);
    preview->setText(QString::fromUtf8("Просмотр"));
    preview->setGeometry(32, 54, 89, 24);
    auto* print = new QToolButton(&window);
    print->setText(QString::fromUtf8("Печать"));
    print->setGeometry(424, 54, 97, 24);
    Label("ЭКСПЕРТ", &window, QRect(5, 428, 74, 16), Font("MS Sans Serif", 13, true));
    auto* experts = new QComboBox(&window);
    experts->setEditable(true);
    for (const char* name :
         {"Ровнягин К.С.", "Тельчуков Д.Л.", "Сарминов И.П.", "Квашнирин О.Е."}) {
        experts->addItem(QString::fromUtf8(name));
    }
    experts->setGeometry(80, 428, 89, 21);
    Label("Пол мужской           женский            неопределенный", &window,
          QRect(176, 428, 322, 16), Font("MS Sans Serif", 13));
    for (int x : {272, 360, 504})
        (new QRadioButton(&window))->setGeometry(x, 430, 17, 17);
    window.show();
    return QApplication::exec();
}
