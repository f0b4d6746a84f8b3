// Purpose: the identities of the library parts the add-on places and recognises, shared by the
// add-on, the host stand-in, the object library and the program: the tile surface and the ridge
// (in TevaroTmp.lib) and the edge setter (the add-on's own built-in library).
//
// A part's unique identifier is "{main}-{revision}"; parts are recognised by the main identifier,
// its first kMainIdLength characters. The library files (objectlib/TevaroTmp.lib.json,
// resources/LIBP_128.json) carry the same identifiers; a test holds them to these.
#pragma once

#include <cstddef>

constexpr const char* kTileSurfaceMainId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMainId = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";
constexpr const char* kEdgeSetterMainId = "{D88B1698-0142-4569-A5BB-E1AD93EE8909}";
constexpr size_t kMainIdLength = 38;  // "{" 8-4-4-4-12 "}"
