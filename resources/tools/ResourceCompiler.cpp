// Turns resource sources into the program's compiled-in module (C++) or into a language
// library file, checking both on the way. Usage:
//   zephra_rc --layout FILE... [--translation FILE [--complete]] [--shared-translation FILE]
//             [--name NAME] (--out-cpp FILE --header HEADER [--function NAME] | --out-library FILE)

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/ResourceReader.h"
#include "resources/tools/CppEmitter.h"
#include "resources/tools/LayoutCheck.h"
#include "resources/tools/SourceMerge.h"

namespace {

struct Options {
    std::vector<std::string> layout;
    std::string translation;
    std::string shared_translation;  // another module's: its texts of the layout's resources
    bool complete = false;
    std::string function = "ProgramResources";
    std::string name;
    std::string out_cpp;
    std::string header;
    std::string out_library;
};

Options ParseOptions(int argc, char** argv)
{
    Options o;
    std::vector<std::string>* list = nullptr;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--layout") {
            list = &o.layout;
        } else if (arg == "--translation") {
            o.translation = value();
            list = nullptr;
        } else if (arg == "--shared-translation") {
            o.shared_translation = value();
            list = nullptr;
        } else if (arg == "--function") {
            o.function = value();
        } else if (arg == "--complete") {
            o.complete = true;
        } else if (arg == "--name") {
            o.name = value();
        } else if (arg == "--out-cpp") {
            o.out_cpp = value();
        } else if (arg == "--header") {
            o.header = value();
        } else if (arg == "--out-library") {
            o.out_library = value();
        } else if (list && arg.rfind("--", 0) != 0) {
            list->push_back(arg);
        } else {
            throw std::runtime_error("unknown argument " + arg);
        }
    }
    if (o.layout.empty() || (o.out_cpp.empty() == o.out_library.empty()))
        throw std::runtime_error("need --layout files and one of --out-cpp or --out-library");
    return o;
}

// Written beside the target and renamed, so a failed build never leaves half a file.
void WriteAtomically(const std::string& path, const std::string& content)
{
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.flush();
        if (!out)
            throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, path);
}

int Run(const Options& o)
{
    nlohmann::json source = rc::JoinSources(o.layout);
    std::vector<std::string> problems;
    if (!o.translation.empty()) {
        nlohmann::json translation = rc::ReadJsonFile(o.translation);
        // The module's own translation wins over the shared one.
        if (!o.shared_translation.empty()) {
            nlohmann::json merged = rc::TranslationForLayout(source, rc::ReadJsonFile(o.shared_translation));
            merged.merge_patch(translation);
            translation = merged;
        }
        source = rc::ApplyTranslation(source, translation, o.complete, problems);
    }

    std::string text = source.dump(1, ' ', false);
    fw::ResourceReadResult read = fw::ReadResourceModule(text, o.name);
    if (!read.module)
        problems.push_back(read.error);
    else
        for (const auto& [id, dialog] : read.module->dialogs)
            for (std::string& p : rc::CheckLayout(dialog))
                problems.push_back(std::move(p));

    if (!problems.empty()) {
        for (const std::string& p : problems)
            std::cerr << (o.translation.empty() ? o.layout.front() : o.translation) << ": " << p << '\n';
        return 1;
    }
    if (!o.out_library.empty())
        WriteAtomically(o.out_library, text + "\n");
    else
        WriteAtomically(o.out_cpp, rc::EmitModuleSource(*read.module, "zephra", o.function, o.header));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "zephra_rc: " << e.what() << '\n';
        return 2;
    }
}
