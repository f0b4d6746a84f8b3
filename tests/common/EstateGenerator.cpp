// Purpose: builds the model text of a housing estate of mixed roofs, walls and fills.
#include "EstateGenerator.h"

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

namespace tevaro_test {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEaveLevel = 3.0;
constexpr double kChimneySide = 0.6;
constexpr double kSkylightSide = 0.9;

enum HouseKind { Gable, Hip, LHip, THip, UHip, Shed, GableWithChimney, KindCount };

struct House {
    HouseKind kind = Gable;
    double x = 0, y = 0;   // south-west corner
    double w = 12, d = 8;  // along x, along y
    double pitch = 35;     // degrees
    bool fill = false;     // a fill drawn along part of the front eave
};

struct Writer {
    std::ostringstream out;
    std::vector<std::string> ids;
    bool first = true;

    // Starts the next element of the list.
    void Next() {
        if (!first) out << ",\n";
        first = false;
    }
};

// Writes a plan point.
void Point2(std::ostringstream& o, double x, double y) { o << "[" << x << "," << y << "]"; }

// Writes a 3D point.
void Point3(std::ostringstream& o, double x, double y, double z) { o << "[" << x << "," << y << "," << z << "]"; }

// Writes a plan ring from a list of (x, y) offsets relative to the house corner.
void Ring2(std::ostringstream& o, const House& h, const std::vector<std::pair<double, double>>& pts) {
    o << "[";
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i) o << ",";
        Point2(o, h.x + pts[i].first, h.y + pts[i].second);
    }
    o << "]";
}

// A generated roof ("gable", "shed", "hip") over a plan footprint.
void GeneratedRoof(Writer& wr, const std::string& id, const char* shape, const House& h,
                   const std::vector<std::pair<double, double>>& footprint) {
    wr.Next();
    wr.out << R"({"type":"roof","id":")" << id << R"(","shape":")" << shape << R"(","footprint":)";
    Ring2(wr.out, h, footprint);
    wr.out << R"(,"pitch":)" << h.pitch << R"(,"eaveLevel":)" << kEaveLevel << "}";
    wr.ids.push_back(id);
}

// A straight wall over a plan rectangle, rising from the ground to the given height.
void Wall(Writer& wr, const std::string& id, const House& h, double x0, double y0, double x1, double y1, double height) {
    wr.Next();
    wr.out << R"({"type":"wall","id":")" << id << R"(","footprint":)";
    Ring2(wr.out, h, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
    wr.out << R"(,"bottomOffset":0,"height":)" << height << "}";
    wr.ids.push_back(id);
}

// A fill over a plan rectangle.
void Fill(Writer& wr, const std::string& id, const House& h, double x0, double y0, double x1, double y1) {
    wr.Next();
    wr.out << R"({"type":"fill","id":")" << id << R"(","polygon":)";
    Ring2(wr.out, h, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
    wr.out << "}";
    wr.ids.push_back(id);
}

// A gable written as two explicit planes: a chimney hole (with its wall) in the front plane and a
// skylight hole in the back plane.
void GableWithHoles(Writer& wr, const std::string& id, const House& h) {
    const double t = std::tan(h.pitch * kPi / 180.0);
    const double half = h.d / 2;
    const double ridge = kEaveLevel + half * t;
    auto front = [&](double y) { return kEaveLevel + y * t; };
    auto back = [&](double y) { return kEaveLevel + (h.d - y) * t; };
    const double cx = h.w * 0.3, cy = half * 0.4;
    const double sx = h.w * 0.6, sy = h.d - half * 0.6;
    wr.Next();
    std::ostringstream& o = wr.out;
    o << R"({"type":"roof","id":")" << id << R"(","thickness":0.3,"planes":[{"outer":[)";
    Point3(o, h.x, h.y, kEaveLevel); o << ",";
    Point3(o, h.x + h.w, h.y, kEaveLevel); o << ",";
    Point3(o, h.x + h.w, h.y + half, ridge); o << ",";
    Point3(o, h.x, h.y + half, ridge);
    o << R"(],"holes":[[)";
    Point3(o, h.x + cx, h.y + cy, front(cy)); o << ",";
    Point3(o, h.x + cx, h.y + cy + kChimneySide, front(cy + kChimneySide)); o << ",";
    Point3(o, h.x + cx + kChimneySide, h.y + cy + kChimneySide, front(cy + kChimneySide)); o << ",";
    Point3(o, h.x + cx + kChimneySide, h.y + cy, front(cy));
    o << R"(]]},{"outer":[)";
    Point3(o, h.x, h.y + h.d, kEaveLevel); o << ",";
    Point3(o, h.x, h.y + half, ridge); o << ",";
    Point3(o, h.x + h.w, h.y + half, ridge); o << ",";
    Point3(o, h.x + h.w, h.y + h.d, kEaveLevel);
    o << R"(],"holes":[[)";
    Point3(o, h.x + sx, h.y + sy, back(sy)); o << ",";
    Point3(o, h.x + sx + kSkylightSide, h.y + sy, back(sy)); o << ",";
    Point3(o, h.x + sx + kSkylightSide, h.y + sy - kSkylightSide, back(sy - kSkylightSide)); o << ",";
    Point3(o, h.x + sx, h.y + sy - kSkylightSide, back(sy - kSkylightSide));
    o << "]]}]}";
    wr.ids.push_back(id);
    Wall(wr, id + "-CH", h, cx, cy, cx + kChimneySide, cy + kChimneySide, ridge + 1.5);
}

// Writes one house: its roof and the walls and fills that meet it.
void WriteHouse(Writer& wr, const House& h, int n) {
    const std::string id = "H" + std::to_string(n);
    const double w = h.w, d = h.d;
    switch (h.kind) {
    case Gable:
        GeneratedRoof(wr, id, "gable", h, {{0, 0}, {w, 0}, {w, d}, {0, d}});
        break;
    case Hip:
        GeneratedRoof(wr, id, "hip", h, {{0, 0}, {w, 0}, {w, d}, {0, d}});
        break;
    case LHip:
        GeneratedRoof(wr, id, "hip", h, {{0, 0}, {w, 0}, {w, d}, {w - 6, d}, {w - 6, 6}, {0, 6}});
        break;
    case THip:
        GeneratedRoof(wr, id, "hip", h, {{0, d - 6}, {w / 2 - 3, d - 6}, {w / 2 - 3, 0}, {w / 2 + 3, 0},
                                          {w / 2 + 3, d - 6}, {w, d - 6}, {w, d}, {0, d}});
        break;
    case UHip:
        GeneratedRoof(wr, id, "hip", h, {{0, 0}, {6, 0}, {6, d - 6}, {w - 6, d - 6}, {w - 6, 0}, {w, 0},
                                          {w, d}, {0, d}});
        break;
    case Shed: {
        GeneratedRoof(wr, id, "shed", h, {{0, 0}, {w, 0}, {w, d}, {0, d}});
        // A fire wall along the middle of the high edge, its ends inside the edge.
        const double top = kEaveLevel + d * std::tan(h.pitch * kPi / 180.0) + 2.0;
        Wall(wr, id + "-FW", h, w * 0.25, d, w * 0.75, d + 0.3, top);
        break;
    }
    default:
        GableWithHoles(wr, id, h);
        break;
    }
    if (h.fill) Fill(wr, id + "-F", h, 1.0, -0.3, std::min(4.0, w - 1.0), 0.0);
}

}  // namespace

std::string EstateModel(const EstateOptions& options) {
    std::mt19937 rng(options.seed);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    const bool random = options.seed != 0;
    const int columns = std::max(1, int(std::ceil(std::sqrt(double(options.houses)))));

    Writer wr;
    wr.out.precision(17);
    wr.out << "{\"stories\":[{\"index\":0,\"level\":0.0}],\"elements\":[\n";
    double rowX = 0;
    for (int n = 0; n < options.houses; ++n) {
        House h;
        const int row = n / columns, col = n % columns;
        if (random) {
            h.kind = HouseKind(rng() % KindCount);
            h.w = std::round(uniform(13, 20));
            h.d = std::round(uniform(13, 18));
            h.pitch = std::round(uniform(25, 45));
            h.fill = rng() % 3 == 0;
        } else {
            h.kind = HouseKind(n % KindCount);
            h.w = 16;
            h.d = 14;
            h.fill = n % 5 == 0;
        }
        if (options.terraced) {
            // Gables side by side along a row, eaves in line: neighbouring verges overlap in part.
            if (col == 0) rowX = 0;
            h.kind = (random && rng() % 2 == 0) ? Gable : GableWithChimney;
            if (h.kind == Gable) h.d = std::min(h.d, h.w - 1);  // a generated gable's ridge runs along x
            h.pitch = 35;
            h.x = rowX;
            h.y = row * options.spacing;
            rowX += h.w;
        } else {
            h.x = col * options.spacing;
            h.y = row * options.spacing;
        }
        WriteHouse(wr, h, n);
    }
    wr.out << "\n],\"selection\":[";
    for (size_t i = 0; i < wr.ids.size(); ++i) wr.out << (i ? "," : "") << "\"" << wr.ids[i] << "\"";
    wr.out << "]}\n";
    return wr.out.str();
}

}  // namespace tevaro_test
