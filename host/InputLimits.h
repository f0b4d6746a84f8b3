// Purpose: the limits every number, count and file from outside must keep, and the checks that
// hold them, in one place: model files, session lines, point answers and catalogue files call
// these instead of checking on their own. Standard library only, so any module may include it.
// Each limit is documented in docs/model-format.md ("Limits").
#pragma once

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace host {

// ---- Limits ---------------------------------------------------------------------------------

// Largest distance (metres) of a model point from the origin along any axis: farther is a typo or
// a unit mistake, and the roof geometry's tolerances no longer hold out there.
constexpr double kMaxCoordinate = 1e6;
// Largest hand move or drag (metres) along an axis: across the whole coordinate range and no more.
constexpr double kMaxMoveDistance = 2 * kMaxCoordinate;
// Largest magnitude a real-number field of a dialog takes (lengths, angles, ratios alike).
constexpr double kMaxDialogNumber = 1e9;
// Points of one ring (a plane's outline, a hole, a wall footprint, a fill polygon).
constexpr size_t kMaxRingPoints = 5000;
// Top planes of one roof, and holes of one plane.
constexpr size_t kMaxPlanesPerRoof = 1000;
constexpr size_t kMaxHolesPerPlane = 1000;
// Elements of one model (roofs, walls, fills, objects and hotspots together).
constexpr size_t kMaxElementsPerModel = 20000;
// Footprint and hole points of one hip roof generated through the straight skeleton.
constexpr size_t kMaxSkeletonPoints = 200;
// Rows or columns of one array parameter, and values (rows x columns) of one array parameter.
constexpr int64_t kMaxParamDim = 1 << 20;
constexpr int64_t kMaxParamCells = 1 << 20;
// Nesting of arrays and objects in a JSON input (a model file nests about seven deep).
constexpr int kMaxJsonDepth = 64;
// Size of an input file: a model file, and a session script or catalogue file.
constexpr uint64_t kMaxModelFileBytes = uint64_t(256) << 20;
constexpr uint64_t kMaxTextFileBytes = uint64_t(16) << 20;
// Lines the report window keeps (older ones are released) and closed dialogs the host remembers.
constexpr size_t kMaxReportLines = 10000;
constexpr size_t kMaxClosedDialogs = 64;
// Host call records, rubber lines and point-input records a session keeps.
constexpr size_t kMaxKeptRecords = 10000;

// ---- Checks ---------------------------------------------------------------------------------

// True for a finite number whose magnitude is at most `maxMagnitude`.
inline bool FiniteWithin(double v, double maxMagnitude) { return std::isfinite(v) && std::fabs(v) <= maxMagnitude; }

// A model coordinate: finite and within kMaxCoordinate of the origin.
inline bool CoordinateOk(double v) { return FiniteWithin(v, kMaxCoordinate); }

// Reads a whole number written in decimal, with nothing after it, in [lo, hi]. No wrap: a text
// beyond the range of int64_t is refused, not clamped. False with `error` saying why.
inline bool ParseWholeNumber(const std::string& text, int64_t lo, int64_t hi, int64_t& out, std::string& error) {
    if (text.empty()) return (error = "expected a whole number", false);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    // something other than digits follows, or nothing was read at all
    if (end == text.c_str() || *end != 0) return (error = "\"" + text + "\" is not a whole number", false);
    // the text overflowed int64_t, or lies outside the range asked for
    if (errno == ERANGE || v < lo || v > hi)
        return (error = text + " is out of range (" + std::to_string(lo) + " to " + std::to_string(hi) + ")", false);
    out = int64_t(v);
    return true;
}

// Reads a finite decimal number with nothing after it, whose magnitude is at most `maxMagnitude`.
// nan, inf and numbers that overflow a double are refused. False with `error` saying why.
inline bool ParseFiniteNumber(const std::string& text, double maxMagnitude, double& out, std::string& error) {
    if (text.empty()) return (error = "expected a number", false);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    // something other than a number follows, or nothing was read at all
    if (end == text.c_str() || *end != 0) return (error = "\"" + text + "\" is not a number", false);
    if (!std::isfinite(v)) return (error = text + " is not a finite number", false);
    if (std::fabs(v) > maxMagnitude) {
        char limit[32];
        std::snprintf(limit, sizeof limit, "%g", maxMagnitude);
        return (error = text + " is out of range (at most " + limit + " in size)", false);
    }
    out = v;
    return true;
}

// Reads a regular file of at most `maxBytes` into `text`. Folders, devices, pipes, missing and
// unreadable files and files beyond the limit are refused with `error` naming the path.
bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& text, std::string& error);

// The first thing a text holds that no text file does (a zero byte), as a message; empty when none.
std::string BinaryContentProblem(const std::string& text);

}  // namespace host
