#include <cctype>

#include "apps/cli/Manual.h"

namespace cli {

namespace {

std::string Replace(std::string text, std::string_view placeholder, std::string_view value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

std::string Fill(std::string_view text, const InstalledDirectories& directories)
{
    return Replace(Replace(std::string(text), "@PRIVATEDIR@", directories.private_dir), "@DATADIR@",
                   directories.data_dir);
}

// Prose for roff: backslashes printed as such, and no line taken for a request.
std::string Escape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

// Option names, variables and paths: every hyphen a minus sign, so the text can be typed as shown.
std::string Literal(std::string_view text)
{
    std::string out;
    for (char c : Escape(text)) {
        if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

// A help fragment ("the machine to run on") as a sentence of its own.
std::string Sentence(std::string_view fragment)
{
    std::string out = Escape(fragment);
    if (!out.empty())
        out.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(out.front())));
    if (!out.empty() && out.back() != '.')
        out += '.';
    return out;
}

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string OptionTerm(const OptionText& option)
{
    std::string term;
    if (!option.alias.empty())
        term = "\\fB" + Literal(option.alias) + "\\fR, ";
    term += "\\fB" + Literal(option.name) + "\\fR";
    if (!option.argument.empty())
        term += " \\fI" + Literal(option.argument) + "\\fR";
    return term;
}

void AppendEntries(std::string& out, std::string_view heading, const std::vector<ManualEntry>& entries,
                   std::string_view font, const InstalledDirectories& directories)
{
    if (entries.empty())
        return;
    out += ".SH " + std::string(heading) + "\n";
    for (const ManualEntry& entry : entries) {
        out += ".TP\n\\f" + std::string(font) + Literal(Fill(entry.term, directories)) + "\\fR\n";
        out += Escape(Fill(entry.text, directories)) + "\n";
    }
}

}  // namespace

std::string ManPage(const Manual& manual, std::string_view version, const InstalledDirectories& directories)
{
    const std::string program(manual.program);
    std::string out = ".TH " + Upper(program) + " 1 \"\" \"Zephra " + std::string(version) + "\" \"User Commands\"\n";
    out += ".SH NAME\n" + Literal(program) + " \\- " + Escape(manual.purpose) + "\n";

    out += ".SH SYNOPSIS\n.B " + Literal(program) + "\n";
    for (const OptionText& option : manual.options) {
        out += "[\\fB" + Literal(option.name) + "\\fR";
        if (!option.argument.empty())
            out += " \\fI" + Literal(option.argument) + "\\fR";
        out += "]\n";
    }
    if (!manual.operands.empty())
        out += Escape(std::string(manual.operands)) + "\n";

    out += ".SH DESCRIPTION\n";
    for (std::size_t i = 0; i < manual.description.size(); ++i) {
        if (i > 0)
            out += ".PP\n";
        out += Escape(Fill(manual.description[i], directories)) + "\n";
    }

    if (!manual.options.empty()) {
        out += ".SH OPTIONS\n";
        for (const OptionText& option : manual.options)
            out += ".TP\n" + OptionTerm(option) + "\n" + Sentence(option.help) + "\n";
    }
    AppendEntries(out, "COMMANDS", manual.commands, "B", directories);
    AppendEntries(out, "ENVIRONMENT", manual.environment, "B", directories);
    AppendEntries(out, "FILES", manual.files, "I", directories);

    if (!manual.see_also.empty()) {
        out += ".SH \"SEE ALSO\"\n";
        for (std::size_t i = 0; i < manual.see_also.size(); ++i)
            out += (i > 0 ? ",\n" : "") + Escape(manual.see_also[i]);
        out += "\n";
    }
    return out;
}

}  // namespace cli
