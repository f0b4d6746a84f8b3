// Purpose: writes small IFC4 files as STEP text for the import's tests: a project with units, a
// 3D context with true north, site, building and one storey, and elements whose bodies are
// faceted breps (optionally through a mapped item), contained, aggregated and voided.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ifctest {

using P3 = std::array<double, 3>;

// A closed prism: a ring counter-clockwise seen from the side `up` points to, swept by `up`.
struct Prism {
    std::vector<P3> ring;
    P3 up;
};

// What the file's frame holds.
struct StepFrame {
    const char* lengthPrefix = nullptr;  // "MILLI" for millimetres, nullptr for metres
    P3 siteOrigin = {0, 0, 0};           // the site's placement (file units)
    double trueNorth[2] = {0, 1};        // direction of true north in the context
    double storeyZ = 0;                  // the storey's placement height (file units)
    bool storeyElevation = true;         // write the storey's Elevation (= storeyZ), or leave it unset
    std::string storeyName = "Erdgeschoss";
};

// One IFC4 STEP file under construction.
class StepFile {
public:
    explicit StepFile(const StepFrame& frame);
    // Adds an entity line "IFCXXX(...)" and returns its id.
    int Add(const std::string& entity);
    // A faceted brep body of one or more prisms: its IfcProductDefinitionShape.
    int BrepShape(const std::vector<Prism>& prisms);
    // A body that maps `prisms` (a representation map) moved by `offset`.
    int MappedShape(const std::vector<Prism>& prisms, const P3& offset);
    // An element: `type` "IFCSLAB", "IFCROOF", "IFCWALL", ...; `shape` 0 for none; `tail` the
    // attributes after Representation (e.g. "$,.ROOF." for a slab). Contained in the storey
    // unless `contained` is false. Returns its id.
    int Element(const std::string& type, const std::string& name, int shape, const std::string& tail,
                bool contained = true);
    // The same with the name written as raw UTF-8 bytes, as some exporters do.
    int ElementRawName(const std::string& type, const std::string& name, int shape, const std::string& tail);
    // Relations.
    void Aggregate(int whole, const std::vector<int>& parts);
    void Void(int host, int opening);
    // The file's text.
    std::string Text() const;
    // A quoted IFC text with non-ASCII characters as \X2\ escapes.
    static std::string Quote(const std::string& utf8);

    int context = 0;

private:
    int Point(const P3& p);
    int Prisms(const std::vector<Prism>& prisms, std::vector<int>& items);
    std::string Guid();
    int ElementQuoted(const std::string& type, const std::string& quotedName, int shape, const std::string& tail,
                      bool contained);
    std::vector<std::string> lines_;
    std::vector<int> contained_;
    int storey_ = 0, placement_ = 0, guidCount_ = 0;
    bool finished_ = false;
};

// The prism of a roof slab whose top surface is `top` (counter-clockwise seen from above),
// `thickness` thick below it, measured along the plane's normal.
Prism SlabUnder(const std::vector<P3>& top, double thickness);
// A box from corner a to corner b.
Prism Box(const P3& a, const P3& b);

}  // namespace ifctest
