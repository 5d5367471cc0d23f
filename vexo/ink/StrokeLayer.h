#pragma once
// What a recording layer does for its stroke list while the list plays back
// or is erased: the list owns no pictures and knows no earlier layers.
#include "InkCanvas.h"
#include "Line.h"

class CEraserMask;

class IStrokeLayer {
public:
    virtual ~IStrokeLayer() = default;
    // Area that the eraser touches in the layers this one continues, without
    // marking anything.
    virtual InkRect GetTouchedArea(const CEraserMask& eraser) = 0;
    // Puts the page back inside area and redraws the visible strokes among
    // the first count (all for 0) that meet it.
    virtual void RepaintArea(IInkCanvas& canvas, const InkRect& area, int count) = 0;
    // Puts the page picture back over everything.
    virtual void RestorePicture(IInkCanvas& canvas) = 0;
};
