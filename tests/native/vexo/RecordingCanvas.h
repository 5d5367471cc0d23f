#pragma once
// A canvas that records the segments and curves drawn on it and keeps a small
// pixel raster (white at first) for the soft renderer's dots.
#include <ostream>
#include <vector>

#include "InkCanvas.h"

struct DrawnShape {
    enum Kind { kSolid, kMarker, kSoft } kind;
    std::vector<InkPoint> points;
    int width;
    ColourRef colour;

    bool operator==(const DrawnShape& o) const
    {
        return kind == o.kind && points == o.points && width == o.width && colour == o.colour;
    }
};

inline std::ostream& operator<<(std::ostream& os, const DrawnShape& s)
{
    static const char* const kNames[] = {"solid", "marker", "soft"};
    os << kNames[s.kind] << " w" << s.width << " c" << std::hex << s.colour << std::dec;
    for (const InkPoint& p : s.points) os << " (" << p.x << "," << p.y << ")";
    return os;
}

class RecordingCanvas : public IInkCanvas {
public:
    static constexpr ColourRef kWhite = 0xFFFFFF;

    RecordingCanvas(int width = 64, int height = 64)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), kWhite)
    {
    }

    void SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        shapes.push_back({DrawnShape::kSolid, {from, to}, width, colour});
    }
    void MarkerCurve(const InkPoint (&p)[4], int width, ColourRef colour) override
    {
        shapes.push_back({DrawnShape::kMarker, {p[0], p[1], p[2], p[3]}, width, colour});
    }
    void SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour) override
    {
        shapes.push_back({DrawnShape::kSoft, {from, to}, width, colour});
    }
    void Flush() override { shapesAtFlush.push_back(shapes.size()); }
    ColourRef GetPixel(int x, int y) override { return Inside(x, y) ? pixels_[Index(x, y)] : kInvalidPixel; }
    void SetPixel(int x, int y, ColourRef colour) override
    {
        ++pixelWrites;
        if (Inside(x, y)) pixels_[Index(x, y)] = colour;
    }

    ColourRef Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    // Pixels that are no longer white.
    std::vector<InkPoint> Painted() const
    {
        std::vector<InkPoint> out;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (pixels_[Index(x, y)] != kWhite) out.push_back({x, y});
        return out;
    }
    std::vector<DrawnShape> Shapes(DrawnShape::Kind kind) const
    {
        std::vector<DrawnShape> out;
        for (const auto& s : shapes)
            if (s.kind == kind) out.push_back(s);
        return out;
    }

    std::vector<DrawnShape> shapes;
    std::vector<size_t> shapesAtFlush;  // how many shapes each Flush found
    int pixelWrites = 0;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    size_t Index(int x, int y) const { return static_cast<size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<ColourRef> pixels_;
};
