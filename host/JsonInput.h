// Purpose: JSON text from outside parsed within the input limits: bounded size and nesting, so
// that nothing read can exhaust the stack of code that walks the document recursively.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/InputLimits.h"

namespace host {

// Parses `text` into `out` (nlohmann::json or ordered_json); false with `error` (no source name:
// the caller adds where) for bad syntax, numbers out of range, too deep nesting or too many bytes.
template <typename JsonT>
bool ParseJsonWithinLimits(const std::string& text, JsonT& out, std::string& error) {
    if (text.size() > kMaxModelFileBytes) {
        error = "the text is too large (" + std::to_string(text.size()) + " bytes, at most " +
                std::to_string(kMaxModelFileBytes) + ")";
        return false;
    }
    struct TooDeep {};
    // Called as each value starts and ends; depth counts the lists and objects around it.
    auto limitDepth = [](int depth, typename JsonT::parse_event_t event, JsonT&) {
        // a list or an object opens deeper than the limit
        if ((event == JsonT::parse_event_t::object_start || event == JsonT::parse_event_t::array_start) &&
            depth >= kMaxJsonDepth)
            throw TooDeep{};
        return true;
    };
    try {
        out = JsonT::parse(text, limitDepth);
    } catch (const TooDeep&) {
        error = "lists and objects nest more than " + std::to_string(kMaxJsonDepth) + " deep";
        return false;
    } catch (const nlohmann::json::exception& e) {  // syntax errors and numbers out of range
        error = std::string("not valid JSON (") + e.what() + ")";
        return false;
    }
    return true;
}

}  // namespace host
