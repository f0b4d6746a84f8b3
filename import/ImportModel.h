// Purpose: the records that healing and the model check work on: every building's roof planes
// and the walls around them, read out of a model, plus the notes (changes, warnings, errors)
// that healing and the check report back with element, plane and position.
#pragma once

#include <string>
#include <vector>

namespace import {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
using Ring = std::vector<Vec3>;  // open: the first point is not repeated

// One top plane of a roof: an outer ring and its holes, with the plane's number in the input.
struct Face {
    Ring outer;
    std::vector<Ring> holes;
    int source = 0;  // 1-based plane number in the file, for the report
};

// One roof element: its planes, as read; `explicitPlanes` is false for generated shapes (healing
// leaves those alone, they are exact by construction).
struct Roof {
    std::string id;
    int element = 0;  // 1-based element number in the file
    std::vector<Face> faces;
    bool explicitPlanes = true;
    bool changed = false;  // healing changed a plane: the file's planes are written anew
};

// A wall: its plan polygon (open, z unused) and the levels of its foot and its top.
struct Wall {
    std::string id;
    int element = 0;
    Ring footprint;
    double bottom = 0, top = 0;
};

// A tile surface placed in the model: where it stands in plan and the direction it is turned to.
// A tiling run puts each on a corner of its roof plane, turned along the plane's level line.
struct PlacedTileSurface {
    Vec3 at;
    double angle = 0;  // radians
};

struct Scene {
    std::vector<Roof> roofs;
    std::vector<Wall> walls;
    std::vector<PlacedTileSurface> tileSurfaces;
};

// Info: what an import read (no repair); Change: what healing repaired.
enum class Severity { Info, Change, Warning, Error };

// One line of the healing report or of the model check. The text is the string row `row` of the
// program's user texts, with %1 %2 standing for `value` and `value2` and %3 for `other`.
struct Note {
    Severity severity = Severity::Warning;
    int row = 0;
    std::string element;  // element ID, empty for the model as a whole
    int plane = 0;        // 1-based plane number in the file, 0 for none
    bool hasAt = false;
    Vec3 at;
    double value = 0, value2 = 0;
    std::string other;
};

struct Report {
    std::vector<Note> notes;
    std::vector<std::string> readerLines;  // what a format's reader reports as it reads (IFC), as written
    int Count(Severity s) const {
        int n = 0;
        for (const Note& note : notes) n += note.severity == s ? 1 : 0;
        return n;
    }
};

// Adds a note about a plane at a position.
inline void AddNote(Report& report, Severity severity, int row, const std::string& element, int plane, const Vec3* at,
                    double value = 0, double value2 = 0, const std::string& other = "") {
    Note n;
    n.severity = severity;
    n.row = row;
    n.element = element;
    n.plane = plane;
    n.hasAt = at != nullptr;
    if (at != nullptr) n.at = *at;
    n.value = value;
    n.value2 = value2;
    n.other = other;
    report.notes.push_back(n);
}

}  // namespace import
