// The settings file as Qt's own settings reader reads it: for every value that Qt reads as one
// text, ours must read the same.

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <filesystem>
#include <fstream>

#include "shell/SettingsValue.h"

namespace {

TEST(SettingsQtCompat, SameTextsAsQSettings) {
    const char* written[] = {
        "Ровнягин К.С.",
        " \t spaced \t",
        "\"  quoted, with comma  \"",
        "x ; comment",
        "a\\tb\\\\c",
        "\\x0416\\x0443\\x043a",
        "@String(@home)",
        "",
        "\"\"",
        "x\" ; \"y",
        "Бюро \"СМЭ\"",
        "a=b=c",
    };
    namespace fs = std::filesystem;
    const fs::path folder = fs::current_path() / "settings-qt";
    fs::create_directories(folder / "Zelmor");
    {
        std::ofstream out(folder / "Zelmor" / "Quentaril.conf", std::ios::trunc);
        out << "[General]\n";
        for (std::size_t i = 0; i < std::size(written); ++i)
            out << "K" << i << '=' << written[i] << '\n';
    }
    qputenv("XDG_CONFIG_DIRS", folder.string().c_str());
    const QSettings qt(QSettings::NativeFormat, QSettings::SystemScope, "Zelmor", "Quentaril");
    ASSERT_EQ(qt.status(), QSettings::NoError);
    for (std::size_t i = 0; i < std::size(written); ++i) {
        const QVariant value = qt.value(QString("K%1").arg(i));
        ASSERT_EQ(value.typeId(), QMetaType::QString) << written[i];
        EXPECT_EQ(vertebra::DecodeSettingsValue(written[i]), value.toString().toStdString())
            << "written: " << written[i];
    }
}

}  // namespace
