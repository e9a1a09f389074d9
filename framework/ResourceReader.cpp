#include "framework/ResourceReader.h"

#include <charconv>
#include <limits>
#include <set>
#include <stdexcept>
#include <string_view>

#include <nlohmann/json.hpp>

#include "framework/StyleNames.h"
#include "framework/WindowStyles.h"

namespace fw {

namespace {

using Json = nlohmann::json;

// Carries the position in the source ("dialog 181, control 1362") with the complaint.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what)
{
    throw SourceError(where + ": " + what);
}

std::string FieldOf(const std::string& where, std::string_view field)
{
    return where + ", field \"" + std::string(field) + "\"";
}

void CheckKeys(const Json& object, const std::string& where, std::initializer_list<std::string_view> known)
{
    for (const auto& item : object.items()) {
        bool found = false;
        for (std::string_view k : known)
            found = found || item.key() == k;
        if (!found)
            Fail(where, "unknown field \"" + item.key() + "\"");
    }
}

const Json& Require(const Json& object, std::string_view field, const std::string& where)
{
    auto it = object.find(field);
    if (it == object.end())
        Fail(where, "missing field \"" + std::string(field) + "\"");
    return *it;
}

const Json& RequireObject(const Json& value, const std::string& where)
{
    if (!value.is_object())
        Fail(where, "expected an object");
    return value;
}

std::string ReadString(const Json& value, const std::string& where)
{
    if (!value.is_string())
        Fail(where, "expected a text");
    return value.get<std::string>();
}

long long ReadInteger(const Json& value, const std::string& where, long long min, long long max)
{
    if (!value.is_number_integer())
        Fail(where, "expected an integer");
    long long v = value.get<long long>();
    if (v < min || v > max)
        Fail(where, "value " + std::to_string(v) + " outside " + std::to_string(min) + ".." + std::to_string(max));
    return v;
}

int ReadId(const std::string& key, const std::string& where)
{
    int id = 0;
    auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (ec != std::errc() || end != key.data() + key.size() || id < 0 || id > 0xFFFF)
        Fail(where, "\"" + key + "\" is not a resource id (0..65535)");
    return id;
}

DWORD ReadStyles(const Json& value, const std::string& where)
{
    if (!value.is_array())
        Fail(where, "expected a list of style names");
    DWORD bits = 0;
    for (const Json& name : value) {
        std::string text = ReadString(name, where);
        auto style = StyleBitsByName(text);
        if (!style)
            Fail(where, "unknown style \"" + text + "\"");
        bits |= *style;
    }
    return bits;
}

struct KindInfo {
    std::string_view name;
    ControlKind kind;
    DWORD implied_style;
};
constexpr KindInfo kKinds[] = {
    {"static", ControlKind::Static, 0},
    {"groupbox", ControlKind::GroupBox, BS_GROUPBOX},
    {"button", ControlKind::PushButton, 0},
    {"checkbox", ControlKind::CheckBox, 0},
    {"radio", ControlKind::RadioButton, 0},
    {"edit", ControlKind::Edit, 0},
    {"combobox", ControlKind::ComboBox, 0},
    {"listview", ControlKind::ListView, 0},
    {"custom", ControlKind::Custom, 0},
};

const KindInfo& ReadKind(const Json& value, const std::string& where)
{
    std::string text = ReadString(value, where);
    for (const KindInfo& info : kKinds)
        if (info.name == text)
            return info;
    Fail(where, "unknown control kind \"" + text + "\"");
}

// Texts may carry a "translate": false mark for the build's translation check; the
// module itself only keeps the text.
std::string ReadText(const Json& value, const std::string& where)
{
    if (value.is_object()) {
        CheckKeys(value, where, {"text", "translate"});
        return ReadString(Require(value, "text", where), FieldOf(where, "text"));
    }
    return ReadString(value, where);
}

std::string DescribeControl(const std::string& dialog, const Json& control, std::size_t index)
{
    if (auto id = control.find("id"); id != control.end() && id->is_number_integer())
        return dialog + ", control " + std::to_string(id->get<long long>());
    if (auto name = control.find("name"); name != control.end() && name->is_string())
        return dialog + ", control \"" + name->get<std::string>() + "\"";
    return dialog + ", control #" + std::to_string(index + 1);
}

ControlTemplate ReadControl(const Json& source, const std::string& where)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"id", "name", "kind", "class", "text", "translate", "at", "style", "ex_style", "items"});
    ControlTemplate control;
    const KindInfo& kind = ReadKind(Require(source, "kind", where), FieldOf(where, "kind"));
    control.kind = kind.kind;
    if (source.contains("id"))
        control.id = static_cast<int>(ReadInteger(source["id"], FieldOf(where, "id"), 0, 0xFFFF));
    if (source.contains("class"))
        control.class_name = ReadString(source["class"], FieldOf(where, "class"));
    if (control.kind == ControlKind::Custom && control.class_name.empty())
        Fail(FieldOf(where, "class"), "a custom control needs its window class");
    if (source.contains("text"))
        control.text = ReadString(source["text"], FieldOf(where, "text"));
    if (source.contains("translate") && !source["translate"].is_boolean())
        Fail(FieldOf(where, "translate"), "expected true or false");

    const Json& at = Require(source, "at", where);
    if (!at.is_array() || at.size() != 4)
        Fail(FieldOf(where, "at"), "expected [x, y, width, height] in dialog units");
    control.x = static_cast<int>(ReadInteger(at[0], FieldOf(where, "at"), 0, 0x7FFF));
    control.y = static_cast<int>(ReadInteger(at[1], FieldOf(where, "at"), 0, 0x7FFF));
    control.cx = static_cast<int>(ReadInteger(at[2], FieldOf(where, "at"), 1, 0x7FFF));
    control.cy = static_cast<int>(ReadInteger(at[3], FieldOf(where, "at"), 1, 0x7FFF));

    // Every control of a template is a visible child window.
    control.style = WS_CHILD | WS_VISIBLE | kind.implied_style;
    if (source.contains("style"))
        control.style |= ReadStyles(source["style"], FieldOf(where, "style"));
    if (source.contains("ex_style"))
        control.ex_style = ReadStyles(source["ex_style"], FieldOf(where, "ex_style"));

    if (source.contains("items")) {
        if (control.kind != ControlKind::ComboBox)
            Fail(FieldOf(where, "items"), "only a combo box has list entries");
        const Json& items = source["items"];
        if (!items.is_array())
            Fail(FieldOf(where, "items"), "expected a list of texts");
        for (const Json& item : items)
            control.items.push_back(ReadString(item, FieldOf(where, "items")));
    }
    return control;
}

DialogTemplate ReadDialog(int id, const Json& source, const std::string& where)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"caption", "translate", "font", "size", "style", "controls"});
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = ReadText(Require(source, "caption", where), FieldOf(where, "caption"));
    if (source.contains("font")) {
        const Json& font = RequireObject(source["font"], FieldOf(where, "font"));
        CheckKeys(font, FieldOf(where, "font"), {"name", "size"});
        dialog.font_name = ReadString(Require(font, "name", FieldOf(where, "font")), FieldOf(where, "font"));
        dialog.point_size = static_cast<int>(ReadInteger(Require(font, "size", FieldOf(where, "font")), FieldOf(where, "font"), 1, 72));
    }
    const Json& size = Require(source, "size", where);
    if (!size.is_array() || size.size() != 2)
        Fail(FieldOf(where, "size"), "expected [width, height] in dialog units");
    dialog.cx = static_cast<int>(ReadInteger(size[0], FieldOf(where, "size"), 1, 0x7FFF));
    dialog.cy = static_cast<int>(ReadInteger(size[1], FieldOf(where, "size"), 1, 0x7FFF));
    if (source.contains("style"))
        dialog.style = ReadStyles(source["style"], FieldOf(where, "style"));

    const Json& controls = Require(source, "controls", where);
    if (!controls.is_array())
        Fail(FieldOf(where, "controls"), "expected a list of controls");
    std::set<int> ids;
    std::set<std::string> names;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        std::string control_where = DescribeControl(where, controls[i], i);
        ControlTemplate control = ReadControl(controls[i], control_where);
        if (control.id != IDC_STATIC && !ids.insert(control.id).second)
            Fail(control_where, "id used twice in the dialog");
        if (controls[i].contains("name")) {
            std::string name = ReadString(controls[i]["name"], FieldOf(control_where, "name"));
            if (!names.insert(name).second)
                Fail(control_where, "name used twice in the dialog");
        }
        dialog.controls.push_back(std::move(control));
    }
    return dialog;
}

// "#RRGGBB" is opaque, "#AARRGGBB" as given, "none" fully transparent.
std::uint32_t ReadColour(const Json& value, const std::string& where)
{
    std::string text = ReadString(value, where);
    if (text == "none")
        return 0;
    std::uint32_t colour = 0;
    bool hex = text.size() == 7 || text.size() == 9;
    if (hex && text[0] == '#') {
        auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), colour, 16);
        hex = ec == std::errc() && end == text.data() + text.size();
    } else {
        hex = false;
    }
    if (!hex)
        Fail(where, "colour \"" + text + "\" is not #RRGGBB, #AARRGGBB or none");
    return text.size() == 7 ? (0xFF000000u | colour) : colour;
}

using Palette = std::map<char, std::uint32_t>;

void ReadPalette(const Json& source, const std::string& where, Palette& palette)
{
    RequireObject(source, where);
    for (const auto& entry : source.items()) {
        if (entry.key().size() != 1)
            Fail(where, "palette key \"" + entry.key() + "\" is not one character");
        palette[entry.key()[0]] = ReadColour(entry.value(), where + ", colour '" + entry.key() + "'");
    }
}

IconImage ReadIcon(const Json& source, const std::string& where, Palette palette)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"palette", "rows"});
    if (source.contains("palette"))
        ReadPalette(source["palette"], FieldOf(where, "palette"), palette);
    const Json& rows = Require(source, "rows", where);
    if (!rows.is_array() || rows.empty())
        Fail(FieldOf(where, "rows"), "expected a list of pixel rows");
    IconImage icon;
    icon.height = static_cast<int>(rows.size());
    icon.width = 0;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::string row_where = FieldOf(where, "rows") + ", row " + std::to_string(y + 1);
        std::string row = ReadString(rows[y], row_where);
        if (y == 0)
            icon.width = static_cast<int>(row.size());
        if (row.empty() || static_cast<int>(row.size()) != icon.width)
            Fail(row_where, "has " + std::to_string(row.size()) + " pixels, the first row " + std::to_string(icon.width));
        for (char c : row) {
            auto it = palette.find(c);
            if (it == palette.end())
                Fail(row_where, std::string("pixel '") + c + "' is not in the palette");
            icon.pixels.push_back(it->second);
        }
    }
    return icon;
}

CursorImage ReadCursor(const Json& source, const std::string& where, const Palette& palette)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"palette", "rows", "hotspot"});
    Json picture = source;
    picture.erase("hotspot");
    CursorImage cursor;
    cursor.image = ReadIcon(picture, where, palette);
    const Json& hotspot = Require(source, "hotspot", where);
    if (!hotspot.is_array() || hotspot.size() != 2)
        Fail(FieldOf(where, "hotspot"), "expected [x, y]");
    cursor.hotspot_x = static_cast<int>(ReadInteger(hotspot[0], FieldOf(where, "hotspot"), 0, cursor.image.width - 1));
    cursor.hotspot_y = static_cast<int>(ReadInteger(hotspot[1], FieldOf(where, "hotspot"), 0, cursor.image.height - 1));
    return cursor;
}

MenuItem ReadMenuItem(const Json& source, const std::string& where)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"text", "command", "popup", "name", "translate"});
    MenuItem item;
    item.text = ReadString(Require(source, "text", where), FieldOf(where, "text"));
    std::string item_where = where + " \"" + item.text + "\"";
    bool has_command = source.contains("command");
    bool has_popup = source.contains("popup");
    if (has_command == has_popup)
        Fail(item_where, "an item has either a command or a pop-up");
    if (has_command)
        item.command = static_cast<UINT>(ReadInteger(source["command"], FieldOf(item_where, "command"), 1, 0xFFFF));
    if (has_popup) {
        const Json& popup = source["popup"];
        if (!popup.is_array())
            Fail(FieldOf(item_where, "popup"), "expected a list of items");
        for (const Json& child : popup)
            item.popup.push_back(ReadMenuItem(child, item_where + ", item"));
    }
    return item;
}

MenuTemplate ReadMenu(int id, const Json& source, const std::string& where)
{
    RequireObject(source, where);
    CheckKeys(source, where, {"items"});
    const Json& items = Require(source, "items", where);
    if (!items.is_array())
        Fail(FieldOf(where, "items"), "expected a list of items");
    MenuTemplate menu;
    menu.id = id;
    for (const Json& item : items)
        menu.items.push_back(ReadMenuItem(item, where + ", item"));
    return menu;
}

void ReadModule(const Json& source, ResourceModule& module)
{
    RequireObject(source, "module");
    CheckKeys(source, "module", {"dialogs", "strings", "palette", "icons", "cursors", "menus"});
    if (source.contains("strings")) {
        for (const auto& entry : RequireObject(source["strings"], "strings").items()) {
            std::string where = "string " + entry.key();
            module.strings[static_cast<UINT>(ReadId(entry.key(), where))] = ReadText(entry.value(), where);
        }
    }
    if (source.contains("dialogs")) {
        for (const auto& entry : RequireObject(source["dialogs"], "dialogs").items()) {
            std::string where = "dialog " + entry.key();
            int id = ReadId(entry.key(), where);
            module.dialogs[id] = ReadDialog(id, entry.value(), where);
        }
    }
    Palette palette;
    if (source.contains("palette"))
        ReadPalette(source["palette"], "palette", palette);
    if (source.contains("icons")) {
        for (const auto& entry : RequireObject(source["icons"], "icons").items()) {
            std::string where = "icon " + entry.key();
            module.icons[ReadId(entry.key(), where)] = ReadIcon(entry.value(), where, palette);
        }
    }
    if (source.contains("cursors")) {
        for (const auto& entry : RequireObject(source["cursors"], "cursors").items()) {
            std::string where = "cursor " + entry.key();
            module.cursors[ReadId(entry.key(), where)] = ReadCursor(entry.value(), where, palette);
        }
    }
    if (source.contains("menus")) {
        for (const auto& entry : RequireObject(source["menus"], "menus").items()) {
            std::string where = "menu " + entry.key();
            int id = ReadId(entry.key(), where);
            module.menus[id] = ReadMenu(id, entry.value(), where);
        }
    }
}

}  // namespace

ResourceReadResult ReadResourceModule(const std::string& source, const std::string& module_name)
{
    ResourceReadResult result;
    std::string prefix = module_name.empty() ? std::string() : module_name + ": ";
    Json root;
    try {
        root = Json::parse(source);
    } catch (const Json::exception& e) {
        // A number too large for JSON's doubles is out of range rather than a parse error.
        result.error = prefix + "not readable as JSON (" + e.what() + ")";
        return result;
    }
    try {
        auto module = std::make_unique<ResourceModule>();
        module->name = module_name;
        ReadModule(root, *module);
        result.module = std::move(module);
    } catch (const SourceError& e) {
        result.error = prefix + e.what();
    }
    return result;
}

}  // namespace fw
