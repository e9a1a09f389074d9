#pragma once
// A command line read from a table of options: each entry is the option's text (for `--help`
// and the manual page) and the setting it fills, so adding an option is adding one entry.

#include <string>
#include <variant>
#include <vector>

#include "apps/cli/Manual.h"

namespace cli {

template <class Settings>
struct Option {
    OptionText text;
    std::variant<std::string Settings::*, bool Settings::*> target;  // a value, or a switch
};

template <class Settings>
std::vector<OptionText> Texts(const std::vector<Option<Settings>>& table)
{
    std::vector<OptionText> texts;
    for (const Option<Settings>& option : table)
        texts.push_back(option.text);
    return texts;
}

// Fills `settings` from argv[1..]; a value is given as `--name VALUE` or `--name=VALUE`.
// With `operands`, the first argument that is not an option and everything after it (a
// command and its arguments, which may look like options: "-70") go there; without, such an
// argument is an error. Returns what was wrong with the first bad argument, or an empty text.
template <class Settings>
std::string ParseCommandLine(const std::vector<Option<Settings>>& table, int argc, const char* const* argv,
                             Settings& settings, std::vector<std::string>* operands = nullptr)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (operands != nullptr && !arg.starts_with('-')) {
            operands->assign(argv + i, argv + argc);
            return {};
        }
        const Option<Settings>* matched = nullptr;
        std::string_view inline_value;
        bool has_inline_value = false;
        for (const Option<Settings>& option : table) {
            const OptionText& text = option.text;
            if (arg == text.name || (!text.alias.empty() && arg == text.alias)) {
                matched = &option;
            } else if (!text.argument.empty() && arg.size() > text.name.size() && arg.starts_with(text.name) &&
                       arg[text.name.size()] == '=') {
                matched = &option;
                inline_value = arg.substr(text.name.size() + 1);
                has_inline_value = true;
            }
            if (matched != nullptr)
                break;
        }
        if (matched == nullptr)
            return "unknown option: " + std::string(arg);
        const OptionText& text = matched->text;
        if (const auto* flag = std::get_if<bool Settings::*>(&matched->target)) {
            settings.*(*flag) = true;
            continue;
        }
        std::string_view value = inline_value;
        if (!has_inline_value) {
            if (i + 1 >= argc)
                return std::string(text.name) + " needs " + std::string(text.missing_argument);
            value = argv[++i];
        }
        if (value.empty())
            return std::string(text.name) + " needs " + std::string(text.missing_argument);
        settings.*std::get<std::string Settings::*>(matched->target) = std::string(value);
    }
    return {};
}

}  // namespace cli
