// Build step: the program's icon, the tray picture of a strong connection, in the sizes a
// desktop asks the hicolor theme for. The 16 x 16 picture is enlarged by whole factors
// without smoothing, so every pixel becomes a clean square.
//   zephra_export_icons --out-dir DIR   writes DIR/<n>x<n>/apps/zephra.png

#include <QImage>
#include <QString>
#include <filesystem>
#include <iostream>

#include "apps/cli/CommandLine.h"
#include "qtview/Images.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kProgramIcon = zephra::res::IDI_SIGNAL_5;
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

struct Settings {
    std::string out_dir;
};

const std::vector<cli::Option<Settings>>& ToolOptions()
{
    static const std::vector<cli::Option<Settings>> table = {
        {{"--out-dir", "", "DIR", "a folder", "the hicolor folder to write into"}, &Settings::out_dir},
    };
    return table;
}

}  // namespace

int main(int argc, char** argv)
{
    Settings settings;
    std::string error = cli::ParseCommandLine(ToolOptions(), argc, argv, settings);
    if (error.empty() && settings.out_dir.empty())
        error = "--out-dir is needed";
    if (!error.empty()) {
        std::cerr << "zephra_export_icons: " << error << "\n";
        return 2;
    }
    const fw::IconImage* icon = zephra::ProgramResources().find_icon(kProgramIcon);
    const QImage picture = icon != nullptr ? qtview::ToImage(*icon) : QImage();
    if (picture.isNull()) {
        std::cerr << "zephra_export_icons: the program has no icon " << kProgramIcon << "\n";
        return 1;
    }
    for (int size : kSizes) {
        const std::filesystem::path folder =
            std::filesystem::path(settings.out_dir) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        const std::filesystem::path file = folder / "zephra.png";
        const QImage scaled = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (ec || !scaled.save(QString::fromStdString(file.string()), "PNG")) {
            std::cerr << "zephra_export_icons: cannot write " << file.string() << "\n";
            return 1;
        }
    }
    return 0;
}
