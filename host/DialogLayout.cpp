// Purpose: the dialog manager's reading of dialog resources (format in resources/README.md):
// the statements of a layout, item kinds and options, and the item names session lines use.
#include <cstdlib>
#include <sstream>

#include "host/DialogManagerParts.h"
#include "host/Host.h"

namespace host {
namespace {

// An item kind and its resource word.
struct KindName {
    ItemKind kind;
    const char* name;
};
const KindName kKindNames[] = {
    {ItemKind::Button, "button"},     {ItemKind::IconButton, "iconbutton"}, {ItemKind::Text, "text"},
    {ItemKind::Picture, "picture"},   {ItemKind::Icon, "icon"},             {ItemKind::Separator, "separator"},
    {ItemKind::RollDown, "rolldown"}, {ItemKind::Radio, "radio"},           {ItemKind::IconRadio, "iconradio"},
    {ItemKind::CheckBox, "checkbox"}, {ItemKind::PopUp, "popup"},           {ItemKind::List, "list"},
    {ItemKind::IntEdit, "intedit"},   {ItemKind::RealEdit, "realedit"},     {ItemKind::TextEdit, "textedit"},
    {ItemKind::UserControl, "usercontrol"},
};

// The characters a name may hold besides lower-case letters: digits and hyphens.
bool NameCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; }

// True for a word that can name an item: lower-case letters, digits and hyphens, a letter first
// (so that a name is never taken for an item number).
bool ValidItemName(const std::string& name) {
    if (name.empty() || name[0] < 'a' || name[0] > 'z') return false;
    for (char c : name)
        if (!NameCharacter(c)) return false;
    return true;
}

// The item another item of the layout already gave `name` to, unless both are radios of one group
// (a group shares its name); nullptr when the name is free for it.
const DialogItem* NameClash(const DialogLayout& layout, const DialogItem& item) {
    for (const DialogItem& other : layout.items) {
        if (other.name != item.name) continue;
        // Both are radio buttons, of the same group, and that is a real group (0 is none).
        const bool sameGroup = dm::IsRadio(other) && dm::IsRadio(item) && other.group == item.group && item.group != 0;
        if (!sameGroup) return &other;
    }
    return nullptr;
}

// Splits a resource line into words; a double-quoted text is one word (escapes \n \" \\ undone).
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::vector<bool>& quoted) {
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') { ++i; continue; }
        if (line[i] == '"') {
            std::string w;
            ++i;
            bool closedQuote = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    const char c = line[i + 1];
                    w += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
                    i += 2;
                    continue;
                }
                if (line[i] == '"') { closedQuote = true; ++i; break; }
                w += line[i++];
            }
            if (!closedQuote) return false;
            words.push_back(w);
            quoted.push_back(true);
            continue;
        }
        size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
        words.push_back(line.substr(i, end - i));
        quoted.push_back(false);
        i = end;
    }
    return true;
}

// Reads one `item` line (its words) of a layout into `it`, checked against the items read so far;
// false with the problem when it does not fit.
bool ParseItemLine(const std::vector<std::string>& w, const std::vector<bool>& quoted, const DialogLayout& layout,
                   DialogItem& it, std::string& problem) {
    long n = 0, x = 0, y = 0, wd = 0, ht = 0;
    // Seven words at least, and the number and the four coordinates are whole numbers.
    if (w.size() < 7 || !dm::ToInt(w[1], n) || !dm::ToInt(w[3], x) || !dm::ToInt(w[4], y) || !dm::ToInt(w[5], wd) ||
        !dm::ToInt(w[6], ht)) {
        problem = "item needs NUMBER KIND X Y W H";
        return false;
    }
    bool known = false;
    for (const KindName& k : kKindNames)
        if (w[2] == k.name) { it.kind = k.kind; known = true; }
    if (!known) { problem = "unknown item kind \"" + w[2] + "\""; return false; }
    it.number = int16_t(n);
    it.x = int16_t(x); it.y = int16_t(y); it.w = int16_t(wd); it.h = int16_t(ht);
    for (size_t k = 7; k < w.size(); ++k) {
        long v = 0;
        if (quoted[k]) it.text = w[k];
        else if (w[k].rfind("icon=", 0) == 0 && dm::ToInt(w[k].substr(5), v)) it.icon = int32_t(v);
        else if (w[k].rfind("group=", 0) == 0 && dm::ToInt(w[k].substr(6), v)) it.group = int16_t(v);
        else if (w[k].rfind("value=", 0) == 0 && dm::ToInt(w[k].substr(6), v)) it.value = int32_t(v);
        else if (w[k].rfind("name=", 0) == 0) {
            it.name = w[k].substr(5);
            if (!ValidItemName(it.name)) {
                problem = "item name \"" + it.name + "\" must be lower-case letters, digits and hyphens, a letter first";
                return false;
            }
        }
        else if (w[k] == "disabled") it.enabled = false;
        else if (w[k] == "hidden") it.visible = false;
        else { problem = "unknown item option \"" + w[k] + "\""; return false; }
    }
    for (const DialogItem& other : layout.items)
        if (other.number == it.number) { problem = "item " + std::to_string(n) + " given twice"; return false; }
    if (const DialogItem* other = it.name.empty() ? nullptr : NameClash(layout, it)) {
        problem = "the name \"" + it.name + "\" is item " + std::to_string(other->number) + "'s already";
        return false;
    }
    return true;
}

}  // namespace

namespace dm {

// The resource word of an item kind.
const char* KindText(ItemKind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind) return k.name;
    return "?";
}

// Reads a whole number word; false when it is not one.
bool ToInt(const std::string& s, long& value) {
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtol(s.c_str(), &end, 10);
    return end != nullptr && *end == 0;
}

}  // namespace dm

bool ParseDialogLayout(const std::string& text, int16_t resID, DialogLayout& layout, std::string& error) {
    DialogLayout out;
    out.resID = resID;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    const std::string where = "dialog resource " + std::to_string(resID) + " line ";
    while (std::getline(in, line)) {
        ++lineNo;
        std::vector<std::string> w;
        std::vector<bool> quoted;
        if (!SplitWords(line, w, quoted)) { error = where + std::to_string(lineNo) + ": unclosed quote"; return false; }
        if (w.empty() || (!quoted[0] && w[0][0] == '#')) continue;
        long a = 0, b = 0;
        if (w[0] == "title") {
            out.title = w.size() > 1 ? w[1] : "";
            for (size_t k = 2; k < w.size(); ++k) out.title += " " + w[k];
        } else if (w[0] == "size") {
            if (w.size() != 3 || !dm::ToInt(w[1], a) || !dm::ToInt(w[2], b)) {
                error = where + std::to_string(lineNo) + ": size needs WIDTH HEIGHT";
                return false;
            }
            out.width = int16_t(a);
            out.height = int16_t(b);
        } else if (w[0] == "item") {
            DialogItem it;
            std::string problem;
            if (!ParseItemLine(w, quoted, out, it, problem)) {
                error = where + std::to_string(lineNo) + ": " + problem;
                return false;
            }
            out.items.push_back(std::move(it));
        } else {
            error = where + std::to_string(lineNo) + ": unknown line \"" + w[0] + "\"";
            return false;
        }
    }
    layout = std::move(out);
    return true;
}

bool LoadDialogLayout(int16_t resID, DialogLayout& layout, std::string& error) {
    const unsigned char* data = nullptr;
    uint32_t size = 0;
    if (!FindResource(ResType_Dialog, resID, &data, &size)) {
        error = "the add-on has no dialog resource " + std::to_string(resID);
        return false;
    }
    return ParseDialogLayout(std::string(reinterpret_cast<const char*>(data), size), resID, layout, error);
}

std::vector<int16_t> ItemsNamed(const DialogLayout& layout, const std::string& name) {
    std::vector<int16_t> numbers;
    for (const DialogItem& it : layout.items)
        if (!name.empty() && it.name == name) numbers.push_back(it.number);
    return numbers;
}

}  // namespace host
