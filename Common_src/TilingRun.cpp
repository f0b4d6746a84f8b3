// Purpose: the tiling run: from the selected roofs, walls and fills to edge setters and the palette.
#include "Common_src/TilingRun.h"

void DoTiles() {
    // The run is assembled from extraction, the topology engine, the junctions and the edge setters.
}
