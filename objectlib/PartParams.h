// Purpose: reading a placed part's parameters (numbers, texts, arrays) and mapping a point of
// the part's own frame into the plan, shared by the tile-surface and ridge scripts.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "host/Host.h"
#include "Common_src/ParamNames.h"
#include "host/ParamLists.h"

namespace objectlib {

// The first number of a parameter, or `fallback` when the part has no such number.
inline double NumberOr(const host::Element& object, const char* name, double fallback) {
    const host::ParamValue* p = host::FindParam(object.params, name);
    if (p == nullptr || host::IsTextParam(*p) || p->numbers.empty()) return fallback;
    return p->numbers[0];
}

// The first text of a parameter as UTF-8 ("" when the part has no such text).
inline std::string TextOf(const host::Element& object, const char* name) {
    const host::ParamValue* p = host::FindParam(object.params, name);
    if (p == nullptr || !host::IsTextParam(*p) || p->texts.empty()) return "";
    return host::Utf16ToUtf8(p->texts[0]);
}

// Text `row` of a text array parameter as UTF-8 ("" when missing).
inline std::string TextAt(const host::Element& object, const char* name, size_t row) {
    const host::ParamValue* p = host::FindParam(object.params, name);
    if (p == nullptr || !host::IsTextParam(*p) || row >= p->texts.size()) return "";
    return host::Utf16ToUtf8(p->texts[row]);
}

// A point of the part's own frame in the plan: x runs along the part's angle, y across it; `ySlope`
// is the slope that y is measured on (0 for a plan frame), so y shrinks by its cosine in plan.
inline API_Coord ToPlan(const host::Element& object, double x, double y, double ySlope = 0) {
    const double a = object.rec.object.angle;
    const double yPlan = y * std::cos(ySlope);
    API_Coord c;
    c.x = object.rec.object.pos.x + x * std::cos(a) - yPlan * std::sin(a);
    c.y = object.rec.object.pos.y + x * std::sin(a) + yPlan * std::cos(a);
    return c;
}

// Appends a quantity line when its amount is not zero.
inline void AddQuantity(std::vector<host::QuantityLine>& out, const std::string& item, const std::string& code,
                        const char* unit, double amount) {
    if (amount == 0) return;
    host::QuantityLine line;
    line.name = item;
    line.code = code;
    line.unit = unit;
    line.amount = amount;
    out.push_back(std::move(line));
}

// A product code with its colour code ("KUPA/NV"), or the code alone when there is no colour.
inline std::string WithColour(const std::string& code, const std::string& colour) {
    return colour.empty() ? code : code + "/" + colour;
}

// A loss multiplier fit for counting: one when the parameter is missing, not positive or no number.
inline double LossMultiplier(const host::Element& object) {
    const double loss = NumberOr(object, kParamLossMultiplier, 1.0);
    return loss > 0 && std::isfinite(loss) ? loss : 1.0;
}

// Whole pieces that cover `exact` pieces' worth: rounded up, but a count that is whole within
// the rounding noise of the lengths it came from is not raised by one.
inline double WholePieces(double exact) {
    constexpr double kWholeCountTol = 1e-6;
    if (!(exact > kWholeCountTol)) return 0;
    return std::ceil(exact - kWholeCountTol);
}

}  // namespace objectlib
