#include "machine/registry/HiveText.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace machine {

namespace {

constexpr std::string_view kHeader = "; Zephra registry hive, version 1";
constexpr char kHexDigits[] = "0123456789abcdef";

bool printable(unsigned char c)
{
    return c >= 0x20 && c < 0x7F;
}

void append_hex_byte(std::string& out, unsigned char c)
{
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0xF];
}

std::string escape_key_name(std::string_view name)
{
    std::string out;
    for (unsigned char c : name) {
        if (printable(c) && c != '%') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            append_hex_byte(out, c);
        }
    }
    return out;
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (printable(c)) {
                out += static_cast<char>(c);
            } else {
                out += "\\x";
                append_hex_byte(out, c);
            }
        }
    }
    return out + "\"";
}

std::string format_value(const RegistryValue& value)
{
    std::string line = value.name.empty() ? "@" : quote(value.name);
    line += '=';
    const auto& d = value.data;
    if (value.type == kRegSz && !d.empty() && d.back() == 0) {
        line += "sz:" + quote(std::string_view(reinterpret_cast<const char*>(d.data()), d.size() - 1));
    } else if (value.type == kRegDword && d.size() == 4) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<unsigned>(d[3]) << 24));
        line += "dword:";
        line += digits;
    } else {
        line += "hex(" + std::to_string(value.type) + "):";
        for (std::size_t i = 0; i < d.size(); ++i) {
            if (i)
                line += ',';
            append_hex_byte(line, d[i]);
        }
    }
    return line + "\n";
}

void format_key(const RegistryKey& key, const std::string& path, bool root, std::string& out)
{
    // A root's section appears only for its values; every other key has one, so that
    // empty keys are kept too.
    if (!root || key.value_count() > 0) {
        out += "\n[" + path + "]\n";
        for (const RegistryValue* value : key.values())
            out += format_value(*value);
    }
    for (const RegistryKey* child : key.children())
        format_key(*child, path + "\\" + escape_key_name(child->name()), false, out);
}

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

unsigned char hex_byte(std::string_view text, std::size_t at)
{
    if (at + 2 > text.size())
        throw ParseError("incomplete hex byte");
    unsigned char byte = 0;
    auto [end, error] = std::from_chars(text.data() + at, text.data() + at + 2, byte, 16);
    if (error != std::errc() || end != text.data() + at + 2)
        throw ParseError("bad hex digit");
    return byte;
}

std::string unescape_key_name(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%') {
            out += static_cast<char>(hex_byte(name, i + 1));
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

// Reads a quoted text at `pos` and moves `pos` past its closing quotation mark.
std::string unquote(std::string_view line, std::size_t& pos)
{
    if (pos >= line.size() || line[pos] != '"')
        throw ParseError("expected a quoted text");
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            break;
        switch (line[pos]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x':
            out += static_cast<char>(hex_byte(line, pos + 1));
            pos += 2;
            break;
        default: throw ParseError("unknown escape");
        }
    }
    throw ParseError("unterminated quoted text");
}

std::vector<std::uint8_t> bytes_of(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

void parse_value(std::string_view line, RegistryKey& key)
{
    std::size_t pos = 0;
    std::string name;
    if (!line.empty() && line[0] == '@')
        pos = 1;
    else
        name = unquote(line, pos);
    if (pos >= line.size() || line[pos] != '=')
        throw ParseError("expected '=' after the value name");
    std::string_view data = line.substr(pos + 1);
    if (data.starts_with("sz:")) {
        std::size_t at = 3;
        auto bytes = bytes_of(unquote(data, at));
        if (at != data.size())
            throw ParseError("text after the string");
        bytes.push_back(0);
        key.set_value(name, kRegSz, std::move(bytes));
    } else if (data.starts_with("dword:")) {
        std::string_view digits = data.substr(6);
        std::uint32_t number = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
        if (digits.size() != 8 || error != std::errc() || end != digits.data() + digits.size())
            throw ParseError("expected eight hex digits");
        key.set_value(name, kRegDword,
                      {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                       static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)});
    } else if (data.starts_with("hex(")) {
        std::size_t close = data.find("):");
        if (close == std::string_view::npos)
            throw ParseError("expected hex(type):");
        std::uint32_t type = 0;
        auto [end, error] = std::from_chars(data.data() + 4, data.data() + close, type);
        if (error != std::errc() || end != data.data() + close)
            throw ParseError("bad value type");
        std::vector<std::uint8_t> bytes;
        std::string_view list = data.substr(close + 2);
        for (std::size_t i = 0; i < list.size(); i += 3) {
            bytes.push_back(hex_byte(list, i));
            if (i + 2 < list.size() && list[i + 2] != ',')
                throw ParseError("expected ',' between bytes");
            if (i + 2 == list.size() - 1)
                throw ParseError("trailing ','");
        }
        key.set_value(name, type, std::move(bytes));
    } else {
        throw ParseError("unknown value type");
    }
}

RegistryKey& parse_section(std::string_view path, RegistryHive& hive)
{
    std::size_t slash = path.find('\\');
    auto root = registry_root_named(path.substr(0, slash));
    if (!root || fold_registry_name(path.substr(0, slash)) != registry_root_name(*root))
        throw ParseError("unknown root key");
    if (slash == std::string_view::npos)
        return hive.root(*root);
    RegistryKey* key = &hive.root(*root);
    std::string_view rest = path.substr(slash + 1);
    auto names = split_registry_path(rest);
    if (!names || rest.empty() || rest.back() == '\\')
        throw ParseError("empty key name");
    for (const std::string& name : *names) {
        std::string plain = unescape_key_name(name);
        if (plain.find('\\') != std::string::npos)
            throw ParseError("a backslash inside a key name");
        key = &key->add_child(plain);
    }
    return *key;
}

}  // namespace

std::string format_hive(const RegistryHive& hive)
{
    std::string out(kHeader);
    out += '\n';
    for (std::uint32_t r = 0; r < kRegistryRootCount; ++r) {
        const auto root = static_cast<RegistryRoot>(r);
        format_key(hive.root(root), registry_root_name(root), true, out);
    }
    return out;
}

HiveParse parse_hive(std::string_view text)
{
    HiveParse result;
    RegistryHive hive;
    RegistryKey* key = nullptr;
    std::size_t number = 0;
    try {
        std::size_t start = 0;
        while (start < text.size()) {
            ++number;
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                throw ParseError("the last line is incomplete");
            std::string_view line = text.substr(start, end - start);
            start = end + 1;
            if (number == 1) {
                if (line != kHeader)
                    throw ParseError("not a registry hive");
            } else if (line.empty()) {
            } else if (line.front() == '[' && line.back() == ']') {
                key = &parse_section(line.substr(1, line.size() - 2), hive);
            } else if (!key) {
                throw ParseError("a value before the first key");
            } else {
                parse_value(line, *key);
            }
        }
        if (number == 0)
            throw ParseError("empty file");
    } catch (const ParseError& e) {
        result.error = "line " + std::to_string(number) + ": " + e.what();
        return result;
    }
    result.hive = std::move(hive);
    return result;
}

}  // namespace machine
