#include <algorithm>
#include <sstream>

#include "apps/cli/Manual.h"

namespace cli {

namespace {

constexpr std::size_t kTerminalWidth = 80;

// Greedy word wrap: the first line follows `lead`, later lines are indented by `indent`.
void AppendWrapped(std::string& out, std::string_view lead, std::string_view text, std::size_t indent)
{
    std::string line(lead);
    bool line_has_word = false;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        if (line_has_word && line.size() + 1 + word.size() >= kTerminalWidth) {
            out += line + "\n";
            line.assign(indent, ' ');
            line_has_word = false;
        }
        if (line_has_word)
            line += ' ';
        line += word;
        line_has_word = true;
    }
    out += line + "\n";
}

std::string OptionLabel(const OptionText& option)
{
    std::string label;
    if (!option.alias.empty())
        label = std::string(option.alias) + ", ";
    label += option.name;
    if (!option.argument.empty())
        label += " " + std::string(option.argument);
    return label;
}

}  // namespace

std::string UsageText(const Manual& manual)
{
    std::string synopsis = "Usage: " + std::string(manual.program);
    for (const OptionText& option : manual.options) {
        synopsis += " [" + std::string(option.name);
        if (!option.argument.empty())
            synopsis += " " + std::string(option.argument);
        synopsis += "]";
    }
    if (!manual.operands.empty())
        synopsis += " " + std::string(manual.operands);
    std::string out;
    AppendWrapped(out, "", synopsis, 2);
    if (!manual.description.empty())
        AppendWrapped(out, "", manual.description.front(), 0);

    std::size_t column = 0;
    for (const OptionText& option : manual.options)
        column = std::max(column, OptionLabel(option).size());
    const std::size_t help_column = 2 + column + 2;
    for (const OptionText& option : manual.options) {
        std::string lead = "  " + OptionLabel(option);
        lead.resize(help_column, ' ');
        AppendWrapped(out, lead, option.help, help_column);
    }
    if (!manual.commands.empty())
        out += "Commands:\n";
    for (const ManualEntry& command : manual.commands) {
        AppendWrapped(out, "  " + std::string(command.term), "", 4);
        AppendWrapped(out, "      ", command.text, 6);
    }
    return out;
}

}  // namespace cli
