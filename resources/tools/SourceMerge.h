#pragma once
// Build-time assembly of a resource module's source: the shared layout files joined into
// one document, and a language's texts laid over it by resource id.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace rc {

// Joins the sections of several source files; an id defined twice is an error. A dialog
// with "like" becomes a copy of the one it names, with its own caption and "texts".
nlohmann::json JoinSources(const std::vector<std::string>& paths);

// Replaces the texts of `layout` by those of `translation`. Every key of the translation
// must name a text of the layout; with `complete`, every translatable text must be given.
nlohmann::json ApplyTranslation(const nlohmann::json& layout, const nlohmann::json& translation, bool complete,
                                std::vector<std::string>& problems);

// The part of another module's translation that names resources of `layout`: a module that
// carries some of the program's dialogs takes their translations from the program's files.
nlohmann::json TranslationForLayout(const nlohmann::json& layout, const nlohmann::json& shared);

nlohmann::json ReadJsonFile(const std::string& path);

}  // namespace rc
