#pragma once
// Stored strokes drawn by our rasteriser on all of the machine's cores: the
// clip is cut into bands of rows, and each band gets its own pass over the
// strokes, with its own canvas and soft renderer, on its own thread. Each
// pixel still sees the same drawing in the same order as in one pass, so the
// bands meet without a seam.
#include <vector>

#include "RasterGeometry.h"

class CLine;


// Draws the strokes in order, whether hidden or not: the caller chooses them
// (CLines::StrokesToDraw). At most maxBands bands (0: as many as helps).
void RasterDraw(const std::vector<const CLine*>& strokes, const InkTarget& target, int maxBands = 0);
