// Purpose: the dialog manager's text picture of a dialog, for the shell and for tests: every item
// with its number, name, kind, text, value, state, pop-up entries and list rows.
#include <cstdio>
#include <sstream>

#include "host/DialogManagerParts.h"

namespace host {

std::string DumpDialog(const OpenDialog& d) {
    std::ostringstream out;
    out << "Dialog " << d.layout.resID << " \"" << d.layout.title << "\" " << d.layout.width << "x" << d.layout.height
        << (d.modal ? " (modal)" : " (palette)") << "\n";
    for (const DialogItem& it : d.layout.items) {
        char head[64];
        std::snprintf(head, sizeof head, "%4d %-11s", it.number, dm::KindText(it.kind));
        out << head;
        if (!it.name.empty()) out << " (" << it.name << ")";
        if (!it.text.empty()) {
            std::string t = it.text;
            for (size_t p = 0; (p = t.find_first_of("\r\n", p)) != std::string::npos;) t.replace(p, 1, " | ");
            out << " \"" << t << "\"";
        }
        switch (it.kind) {
        case ItemKind::CheckBox: case ItemKind::Radio: case ItemKind::IconRadio: case ItemKind::RollDown:
        case ItemKind::IntEdit: case ItemKind::UserControl:
            out << " value=" << it.value;
            break;
        default:
            break;
        }
        if (it.icon != 0) out << " icon=" << it.icon;
        if (!it.enabled) out << " [disabled]";
        if (!it.visible) out << " [hidden]";
        if (it.kind == ItemKind::PopUp) {
            out << " selected=" << it.selected;
            for (size_t k = 0; k < it.entries.size(); ++k)
                out << "\n        " << (int(k + 1) == it.selected ? "*" : " ") << (k + 1) << " " << it.entries[k].text
                    << (it.entries[k].icon != 0 ? " (icon " + std::to_string(it.entries[k].icon) + ")" : "");
        }
        if (it.kind == ItemKind::List) {
            out << " selected=" << it.selected;
            for (size_t k = 0; k < it.rows.size(); ++k) {
                out << "\n        " << (int(k + 1) == it.selected ? "*" : " ") << (k + 1);
                const ListRow& r = it.rows[k];
                const size_t fields = r.texts.size() > r.images.size() ? r.texts.size() : r.images.size();
                for (size_t f = 0; f < fields; ++f) {
                    out << " |";
                    if (f < r.images.size() && r.images[f] != 0) out << " [" << r.images[f] << "]";
                    if (f < r.texts.size()) out << " " << r.texts[f];
                }
            }
        }
        out << "\n";
    }
    return out.str();
}

}  // namespace host
