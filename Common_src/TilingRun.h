// Purpose: the tiling run: from the selected roofs, walls and fills to edge setters and the palette.
#pragma once

// Body of a tile-placement command when no tile surface was selected.
void DoTiles();
