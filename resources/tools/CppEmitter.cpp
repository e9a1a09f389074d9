#include "resources/tools/CppEmitter.h"

#include <cstdio>
#include <sstream>

namespace rc {

namespace {

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                // Octal escapes are at most three digits, so a following digit cannot join them.
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\%03o", c);
                out += escape;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

const char* KindName(fw::ControlKind kind)
{
    switch (kind) {
    case fw::ControlKind::Static: return "Static";
    case fw::ControlKind::GroupBox: return "GroupBox";
    case fw::ControlKind::PushButton: return "PushButton";
    case fw::ControlKind::CheckBox: return "CheckBox";
    case fw::ControlKind::RadioButton: return "RadioButton";
    case fw::ControlKind::Edit: return "Edit";
    case fw::ControlKind::ComboBox: return "ComboBox";
    case fw::ControlKind::ListView: return "ListView";
    case fw::ControlKind::Custom: return "Custom";
    }
    return "Static";
}

void EmitControl(std::ostream& out, const fw::ControlTemplate& c)
{
    out << "        {.kind = fw::ControlKind::" << KindName(c.kind) << ", .class_name = " << Quote(c.class_name)
        << ", .id = " << c.id << ", .text = " << Quote(c.text) << ", .style = 0x" << std::hex << c.style
        << "u, .ex_style = 0x" << c.ex_style << std::dec << "u, .x = " << c.x << ", .y = " << c.y
        << ", .cx = " << c.cx << ", .cy = " << c.cy << ", .items = {";
    for (const std::string& item : c.items)
        out << Quote(item) << ", ";
    out << "}},\n";
}

void EmitMenuItems(std::ostream& out, const std::vector<fw::MenuItem>& items)
{
    out << "{";
    for (const fw::MenuItem& item : items) {
        out << "fw::MenuItem{" << Quote(item.text) << ", " << item.command << "u, ";
        EmitMenuItems(out, item.popup);
        out << "}, ";
    }
    out << "}";
}

}  // namespace

std::string EmitModuleSource(const fw::ResourceModule& module, const std::string& ns, const std::string& function,
                             const std::string& header)
{
    std::ostringstream out;
    out << "// Generated from the resource sources at build time; edit those, not this file.\n"
        << "#include \"" << header << "\"\n\n"
        << "namespace " << ns << " {\n\nnamespace {\n\nfw::ResourceModule Build()\n{\n"
        << "    fw::ResourceModule m;\n    m.name = " << Quote(module.name) << ";\n";
    for (const auto& [id, text] : module.strings)
        out << "    m.strings[" << id << "u] = " << Quote(text) << ";\n";
    for (const auto& [id, d] : module.dialogs) {
        out << "    m.dialogs[" << id << "] = fw::DialogTemplate{.id = " << d.id << ", .caption = " << Quote(d.caption)
            << ", .font_name = " << Quote(d.font_name) << ", .point_size = " << d.point_size << ", .style = 0x"
            << std::hex << d.style << std::dec << "u, .cx = " << d.cx << ", .cy = " << d.cy << ", .controls = {\n";
        for (const fw::ControlTemplate& c : d.controls)
            EmitControl(out, c);
        out << "    }};\n";
    }
    for (const auto& [id, icon] : module.icons) {
        out << "    m.icons[" << id << "] = fw::IconImage{" << icon.width << ", " << icon.height << ", {" << std::hex;
        for (std::size_t i = 0; i < icon.pixels.size(); ++i)
            out << (i % 8 == 0 ? "\n        " : " ") << "0x" << icon.pixels[i] << "u,";
        out << std::dec << "}};\n";
    }
    for (const auto& [id, menu] : module.menus) {
        out << "    m.menus[" << id << "] = fw::MenuTemplate{" << menu.id << ", ";
        EmitMenuItems(out, menu.items);
        out << "};\n";
    }
    out << "    return m;\n}\n\n}  // namespace\n\n"
        << "const fw::ResourceModule& " << function << "()\n{\n"
        << "    static const fw::ResourceModule module = Build();\n    return module;\n}\n\n"
        << "}  // namespace " << ns << "\n";
    return out.str();
}

}  // namespace rc
