// Purpose: the add-on's resource numbers, shared by the add-on, the host stand-in, the program
// and the tests: string lists, menu commands and their prompts, dialogs, the built-in library.
//
// A menu command is known by its menu string resource: the host hands that number to the menu
// handler, so the command identifiers below are the menu resource numbers themselves.
#pragma once

#include <cstdint>

// String lists.
constexpr int16_t kAddOnNameResId = 32000;   // row 1 the add-on's name, row 2 its description
constexpr int16_t kMessageTableResId = 130;  // the 92-row message table
constexpr int16_t kUserTextsResId = 140;     // user texts added after the first build, in blocks

// The five menu commands (menu string resources 32500-32504).
enum CommandId : int16_t {
    PlaceTiles = 32500,
    PlaceAccessories = 32501,
    PlaceSolarCollector = 32502,
    PlaceSolarPanel = 32503,
    DeleteAccessories = 32504,
};
constexpr int16_t kFirstMenuResId = PlaceTiles;
constexpr int16_t kMenuCommandCount = 5;
constexpr int16_t kPromptResIdOffset = 10;  // a command's prompt string: its menu resource + 10

// Dialog resources.
constexpr int16_t kTileDialogResId = 32501;             // the main tiling dialog
constexpr int16_t kDeleteAccessoriesDialogResId = 32503; // accessories to delete
constexpr int16_t kAccessoryDialogResId = 32507;        // accessory placement
constexpr int16_t kSolarCollectorDialogResId = 32508;   // solar collector placement
constexpr int16_t kSolarPanelDialogResId = 32509;       // solar panel placement
constexpr int16_t kFaultyElementDialogResId = 32510;    // fault dialog of the roof extraction
constexpr int16_t kEdgePaletteResId = 32511;            // the modeless edge palette

// The add-on's built-in library (the edge setter), resource LIBP 128.
constexpr int32_t kBuiltInLibraryResId = 128;

// Rows of the user-text list (resource 140) of the program frame's block, 281-320.
enum ProgramFrameTextRow : int32_t {
    kTextHostTableRefused = 281,  // the host's function table is too short or of no known version
};
