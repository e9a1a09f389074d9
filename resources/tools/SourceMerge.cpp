#include "resources/tools/SourceMerge.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rc {

using Json = nlohmann::json;

Json ReadJsonFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return Json::parse(text.str());
    } catch (const Json::parse_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

namespace {

// A dialog may be the copy of another one with its caption and some control texts changed
// ("like": the other's id, "texts": control id to text): the templates of one page in
// several languages then keep one layout.
void ResolveDerivedDialogs(Json& joined)
{
    if (!joined.contains("dialogs"))
        return;
    Json& dialogs = joined["dialogs"];
    for (auto& [id, dialog] : dialogs.items()) {
        if (!dialog.contains("like"))
            continue;
        const std::string base_id = dialog["like"].get<std::string>();
        if (!dialogs.contains(base_id) || dialogs[base_id].contains("like"))
            throw std::runtime_error("dialog \"" + id + "\" is like \"" + base_id + "\", which is no plain dialog");
        Json derived = dialogs[base_id];
        if (dialog.contains("caption"))
            derived["caption"] = dialog["caption"];
        Json texts = dialog.value("texts", Json::object());
        for (Json& control : derived["controls"]) {
            const std::string key = control.contains("id") ? std::to_string(control["id"].get<long long>()) : "";
            if (auto it = texts.find(key); !key.empty() && it != texts.end()) {
                control["text"] = *it;
                texts.erase(it);
            }
        }
        if (!texts.empty())
            throw std::runtime_error("dialog \"" + id + "\" changes the text of control " + texts.begin().key() +
                                     ", which \"" + base_id + "\" does not have");
        dialog = derived;
    }
}

}  // namespace

Json JoinSources(const std::vector<std::string>& paths)
{
    Json joined = Json::object();
    for (const std::string& path : paths) {
        Json part = ReadJsonFile(path);
        if (!part.is_object())
            throw std::runtime_error(path + ": expected an object");
        for (auto& [section, entries] : part.items()) {
            Json& target = joined[section];
            if (!entries.is_object())
                throw std::runtime_error(path + ": section \"" + section + "\" is not an object");
            for (auto& [id, value] : entries.items()) {
                if (target.contains(id))
                    throw std::runtime_error(path + ": " + section + " \"" + id + "\" is defined twice");
                target[id] = value;
            }
        }
    }
    ResolveDerivedDialogs(joined);
    return joined;
}

Json TranslationForLayout(const Json& layout, const Json& shared)
{
    Json picked = Json::object();
    for (const char* section : {"strings", "dialogs", "menus"}) {
        if (!shared.contains(section) || !layout.contains(section))
            continue;
        for (auto& [id, texts] : shared[section].items())
            if (layout[section].contains(id))
                picked[section][id] = texts;
    }
    return picked;
}

namespace {

bool Translatable(const Json& element)
{
    return !(element.is_object() && element.value("translate", true) == false);
}

// A control or menu item is known to the translation by its id, else by its "name".
std::string KeyOf(const Json& element, const char* id_field)
{
    if (element.contains(id_field))
        return std::to_string(element[id_field].get<long long>());
    return element.value("name", "");
}

class Translator {
public:
    Translator(bool complete, std::vector<std::string>& problems) : m_complete(complete), m_problems(problems) {}

    // Takes the entry for `key` out of `texts` (so that leftovers can be reported) and
    // writes it into `field` of `target`.
    void Text(Json& target, const char* field, Json& texts, const std::string& key, const std::string& where)
    {
        auto it = texts.find(key);
        if (it == texts.end()) {
            if (m_complete && Translatable(target) && !target.value(field, Json("")).get<std::string>().empty())
                m_problems.push_back(where + ": no translation");
            return;
        }
        if (it->is_object()) {
            if (it->contains("text"))
                target[field] = (*it)["text"];
            if (it->contains("items"))
                Items(target, (*it)["items"], where);
        } else {
            target[field] = *it;
        }
        texts.erase(it);
    }

    void Leftovers(const Json& texts, const std::string& where)
    {
        for (auto& [key, value] : texts.items())
            m_problems.push_back(where + ": \"" + key + "\" names no text of the layout");
    }

private:
    void Items(Json& control, const Json& items, const std::string& where)
    {
        if (!control.contains("items") || !items.is_array() || items.size() != control["items"].size()) {
            m_problems.push_back(where + ": the translated list must have as many entries as the layout's");
            return;
        }
        control["items"] = items;
    }

    bool m_complete;
    std::vector<std::string>& m_problems;
};

void TranslateMenuItems(Json& items, Json& texts, Translator& translator, const std::string& where)
{
    for (Json& item : items) {
        std::string key = KeyOf(item, "command");
        translator.Text(item, "text", texts, key, where + " item \"" + key + "\"");
        if (item.contains("popup"))
            TranslateMenuItems(item["popup"], texts, translator, where);
    }
}

}  // namespace

Json ApplyTranslation(const Json& layout, const Json& translation, bool complete, std::vector<std::string>& problems)
{
    Json result = layout;
    Json remaining = translation;
    Translator translator(complete, problems);

    for (const char* section : {"strings", "dialogs", "menus"})
        if (!result.contains(section))
            result[section] = Json::object();

    Json strings = remaining.value("strings", Json::object());
    for (auto& [id, value] : result["strings"].items()) {
        Json holder = value.is_object() ? value : Json{{"text", value}};
        translator.Text(holder, "text", strings, id, "string " + id);
        value = value.is_object() ? holder : holder["text"];
    }
    translator.Leftovers(strings, "strings");

    Json dialogs = remaining.value("dialogs", Json::object());
    for (auto& [id, dialog] : result["dialogs"].items()) {
        std::string where = "dialog " + id;
        Json texts = dialogs.value(id, Json::object());
        Json controls = texts.value("controls", Json::object());
        texts.erase("controls");
        translator.Text(dialog, "caption", texts, "caption", where + " caption");
        for (Json& control : dialog["controls"]) {
            std::string key = KeyOf(control, "id");
            translator.Text(control, "text", controls, key, where + " control \"" + key + "\"");
        }
        translator.Leftovers(controls, where + " controls");
        translator.Leftovers(texts, where);
        dialogs.erase(id);
    }
    translator.Leftovers(dialogs, "dialogs");

    Json menus = remaining.value("menus", Json::object());
    for (auto& [id, menu] : result["menus"].items()) {
        Json texts = menus.value(id, Json::object());
        TranslateMenuItems(menu["items"], texts, translator, "menu " + id);
        translator.Leftovers(texts, "menu " + id);
        menus.erase(id);
    }
    translator.Leftovers(menus, "menus");

    remaining.erase("strings");
    remaining.erase("dialogs");
    remaining.erase("menus");
    translator.Leftovers(remaining, "translation");
    return result;
}

}  // namespace rc
