#include "tests/support/ResourceTemplates.h"

#include "tools/console/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string kSourceRoot = CALVANTER_SOURCE_DIR;
constexpr const char* kMainScript = "res/Calvanter.rc";

using Defines = std::map<std::string, int>;

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(kSourceRoot + "/" + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The path of an #include "path" line; empty for any other line.
std::string includedPath(const std::string& line)
{
    const std::string text = trimmed(line);
    if (text.rfind("#include \"", 0) != 0)
        return {};
    const std::size_t end = text.find('"', 10);
    return end == std::string::npos ? std::string() : text.substr(10, end - 10);
}

void readDefines(const std::string& path, Defines& defines)
{
    for (const std::string& line : readLines(path)) {
        std::istringstream words(trimmed(line));
        std::string directive, name, value;
        if (words >> directive >> name >> value && directive == "#define") {
            char* end = nullptr;
            const long number = std::strtol(value.c_str(), &end, 0);
            if (end && *end == '\0')
                defines[name] = static_cast<int>(number);
        }
    }
}

// The arguments of a statement split at top-level commas, quoted strings kept whole (with
// "" standing for one quote).
std::vector<std::string> arguments(const std::string& text)
{
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                parts.back() += "\"\"";
                ++i;
                continue;
            }
            quoted = !quoted;
            parts.back() += c;
        } else if (c == ',' && !quoted) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    for (std::string& part : parts)
        part = trimmed(part);
    return parts;
}

std::string unquoted(const std::string& text)
{
    if (text.size() < 2 || text.front() != '"')
        return text;
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '"' && text[i + 1] == '"')
            ++i;
        if (text[i] == '\\' && text[i + 1] == 'n') {
            value += '\n';
            ++i;
            continue;
        }
        value += text[i];
    }
    return fromUtf8(value);
}

int number(const std::string& text, const Defines& defines)
{
    static const Defines kSystem = {{"IDOK", 1}, {"IDCANCEL", 2}, {"IDC_STATIC", -1}};
    if (auto it = defines.find(text); it != defines.end())
        return it->second;
    if (auto it = kSystem.find(text); it != kSystem.end())
        return it->second;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
}

// Whether a style argument from the index on names one of the sorting styles.
bool sorted(const std::vector<std::string>& parts, std::size_t from)
{
    return std::any_of(parts.begin() + static_cast<std::ptrdiff_t>(std::min(from, parts.size())), parts.end(),
                       [](const std::string& part) {
                           return part.find("CBS_SORT") != std::string::npos ||
                                  part.find("LBS_SORT") != std::string::npos ||
                                  part.find("LBS_STANDARD") != std::string::npos;
                       });
}

ControlRect rectAt(const std::vector<std::string>& parts, std::size_t at, const Defines& defines)
{
    if (parts.size() < at + 4)
        return {};
    return {number(parts[at], defines), number(parts[at + 1], defines), number(parts[at + 2], defines),
            number(parts[at + 3], defines)};
}

std::optional<ControlDeclaration> control(const std::string& keyword, const std::vector<std::string>& parts,
                                          const Defines& defines)
{
    // Statements with a text first: keyword "text", id, x, y, w, h [, style].
    static const std::map<std::string, ControlKind> kTexted = {
        {"LTEXT", ControlKind::Static},          {"RTEXT", ControlKind::Static},
        {"CTEXT", ControlKind::Static},          {"GROUPBOX", ControlKind::Static},
        {"PUSHBUTTON", ControlKind::Button},     {"DEFPUSHBUTTON", ControlKind::Button},
        {"CHECKBOX", ControlKind::CheckBox},     {"AUTOCHECKBOX", ControlKind::CheckBox},
        {"RADIOBUTTON", ControlKind::CheckBox},  {"AUTORADIOBUTTON", ControlKind::CheckBox},
        {"ICON", ControlKind::Static}};
    // Statements without a text: keyword id, x, y, w, h [, style].
    static const std::map<std::string, ControlKind> kUntexted = {
        {"EDITTEXT", ControlKind::Edit}, {"COMBOBOX", ControlKind::ComboBox}, {"LISTBOX", ControlKind::ListBox}};
    if (auto it = kTexted.find(keyword); it != kTexted.end() && parts.size() >= 6)
        return ControlDeclaration{number(parts[1], defines), it->second, false, unquoted(parts[0]),
                                  rectAt(parts, 2, defines)};
    if (auto it = kUntexted.find(keyword); it != kUntexted.end() && parts.size() >= 5) {
        return ControlDeclaration{number(parts[0], defines), it->second, sorted(parts, 5), {},
                                  rectAt(parts, 1, defines)};
    }
    // CONTROL "text", id, "class", style, x, y, w, h
    if (keyword == "CONTROL" && parts.size() >= 8) {
        const std::string className = unquoted(parts[2]);
        const std::string& style = parts[3];
        ControlKind kind = ControlKind::Static;
        if (className == "Static" && style.find("SS_BITMAP") != std::string::npos)
            kind = ControlKind::Picture;
        else if (className == "Button")
            kind = style.find("CHECKBOX") != std::string::npos || style.find("RADIO") != std::string::npos
                       ? ControlKind::CheckBox
                       : ControlKind::Button;
        else if (className == "Edit")
            kind = ControlKind::Edit;
        else if (className == "ComboBox")
            kind = ControlKind::ComboBox;
        else if (className == "ListBox")
            kind = ControlKind::ListBox;
        return ControlDeclaration{number(parts[1], defines), kind, style.find("_SORT") != std::string::npos,
                                  unquoted(parts[0]), rectAt(parts, 4, defines)};
    }
    return std::nullopt;
}

// The first word of a statement and the rest of it.
std::pair<std::string, std::string> statement(const std::string& line)
{
    const std::string text = trimmed(line);
    const std::size_t space = text.find_first_of(" \t");
    if (space == std::string::npos)
        return {text, {}};
    return {text.substr(0, space), trimmed(text.substr(space))};
}

void readFragment(const std::string& path, std::vector<DialogTemplate>& templates)
{
    Defines defines;
    const std::vector<std::string> lines = readLines(path);
    for (const std::string& line : lines) {
        const std::string header = includedPath(line);
        if (!header.empty() && header.size() > 2 && header.substr(header.size() - 2) == ".h")
            readDefines(header, defines);
    }
    readDefines(path, defines);

    DialogTemplate* open = nullptr;
    bool inBody = false;
    for (const std::string& line : lines) {
        auto [keyword, rest] = statement(line);
        if (keyword.empty() || keyword.rfind("//", 0) == 0 || keyword[0] == '#')
            continue;
        if (!open) {
            std::istringstream words(trimmed(line));
            std::string name, kind;
            if (words >> name >> kind && (kind == "DIALOG" || kind == "DIALOGEX")) {
                templates.push_back({});
                open = &templates.back();
                open->id = number(name, defines);
                std::string geometry;
                std::getline(words, geometry);
                open->rect = rectAt(arguments(geometry), 0, defines);
            }
            continue;
        }
        if (!inBody) {
            if (keyword == "CAPTION")
                open->caption = unquoted(rest);
            else if (keyword == "BEGIN")
                inBody = true;
            continue;
        }
        if (keyword == "END") {
            open = nullptr;
            inBody = false;
            continue;
        }
        if (auto declared = control(keyword, arguments(rest), defines))
            open->controls.push_back({keyword, std::move(*declared)});
    }
}

std::vector<DialogTemplate> readAllTemplates()
{
    std::vector<DialogTemplate> templates;
    for (const std::string& line : readLines(kMainScript)) {
        const std::string fragment = includedPath(line);
        if (fragment.size() > 3 && fragment.substr(fragment.size() - 3) == ".rc")
            readFragment(fragment, templates);
    }
    return templates;
}

} // namespace

const std::vector<DialogTemplate>& resourceTemplates()
{
    static const std::vector<DialogTemplate> templates = readAllTemplates();
    return templates;
}

std::optional<DialogTemplate> resourceTemplate(int dialogId)
{
    const auto& templates = resourceTemplates();
    auto found = std::find_if(templates.begin(), templates.end(), [&](const auto& t) { return t.id == dialogId; });
    return found == templates.end() ? std::nullopt : std::optional<DialogTemplate>(*found);
}
