#pragma once

#include <array>
#include <string_view>

namespace vertebra {

inline constexpr int MeasurementCount = 16;

struct Measurement {
    int number;                      // 1 to 16: the one index of everything per measurement
    std::string_view windowCaption;  // the window's row label; its run of underscores belongs to it
    std::string_view reportName;     // the abbreviated name in the appendix's table
};

// Measurements 1 to 15 are lengths in millimetres, 16 is the weight; values are plain numbers.
inline constexpr std::array<Measurement, MeasurementCount> MeasurementCatalogue{{
    {1, "1  Расстояние между вершинами поперечных отростков______",
     "Расстояние между верш. попер. отростков"},
    {2, "2  Передняя высота тела_________________________________", "Передняя высота тела"},
    {3, "3  Задняя высота тела__________________________________", "Задняя высота тела"},
    {4, "4  Средняя высота тела__________________________________", "Средняя высота тела"},
    {5, "5  Верхний сагиттальный диаметр тела_____________________",
     "Верхний сагиттальный диаметр тела"},
    {6, "6  Нижний сагиттальный диаметр тела_____________________",
     "Нижний сагиттальный диаметр тела"},
    {7, "7  Средний сагиттальный диаметр тела____________________",
     "Средний сагиттальный диаметр тела"},
    {8, "8  Верхняя ширина тела__________________________________", "Верхняя ширина тела"},
    {9, "9  Нижняя ширина тела__________________________________", "Нижняя ширина тела"},
    {10, "10 Средняя ширина тела_________________________________", "Средняя ширина тела"},
    {11, "11 Расстояние между верхними суставными отростками______",
     "Расстояние между верх. суставн. отрост."},
    {12, "12 Расстояние между нижними суставными отростками______",
     "Расстояние между нижн. суставн. отрост."},
    {13, "13 Длина остистого отростка по верхней поверхности________",
     "Длина остистого отрос. по верх. поверхн."},
    {14, "14 Ширина дужек у основания верхних суставных отростков__",
     "Ширина дужек у осн. верх. сустав. отрост."},
    {15, "15 Высота дужек в месте отхожд. основ. остистого отростка_",
     "Высота дужек в месте отхож.основ.ост.отрос."},
    {16, "16 Вес_________________________________________________", "Вес"},
}};

constexpr const Measurement& CatalogueEntry(int number) {
    return MeasurementCatalogue[number - 1];
}

// The measurement's full name: its window caption without the number and the underscores.
constexpr std::string_view MeasurementName(int number) {
    std::string_view caption = CatalogueEntry(number).windowCaption;
    caption.remove_prefix(caption.find_first_not_of("0123456789 "));
    return caption.substr(0, caption.find_last_not_of('_') + 1);
}

}  // namespace vertebra
