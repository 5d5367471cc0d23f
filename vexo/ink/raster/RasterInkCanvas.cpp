#include "RasterInkCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSolidAlpha = 255;
constexpr int kMarkerAlpha = 200;

// Collected segments are blended once their box would pass this area, which
// bounds the coverage buffer when strokes far apart share a pen.
constexpr long long kMaxRunArea = 512 * 512;

// Where a round end already covers a short segment's end, its body adds only
// slivers along the sides, as thick as the bulge; thinner ones are left out.
constexpr double kMaxSkippedBulge = 0.1;

// Curves are cut into straight pieces that stray at most this far.
constexpr double kFlatness = 1.0;
constexpr int kMaxCurvePieces = 32;

constexpr double kPi = 3.14159265358979323846;

// Flattened pieces that turn by less than this (cosine of 60 degrees) meet
// at a mitre; sharper turns get round joins.
constexpr double kMinMitreCosine = 0.5;
// A marker piece's corners go start edge, end cap, far edge, start cap; the
// caps take pixels whole, so that pieces and curves meeting on one line
// share its pixels without a seam.
constexpr unsigned kCapEdges = (1u << 1) | (1u << 3);

// A width-0 pen still draws a pixel-wide line.
double HalfWidth(int width) { return std::max(width, 1) / 2.0; }

InkVec Add(InkVec a, InkVec b) { return {a.x + b.x, a.y + b.y}; }
InkVec Sub(InkVec a, InkVec b) { return {a.x - b.x, a.y - b.y}; }
InkVec Scale(InkVec a, double s) { return {a.x * s, a.y * s}; }
double Length(InkVec a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// The marker's nib: a round pen of the stroke's width in its own space, which
// reaches the page through the pen transform (1 0 / 1 2, after a vertical
// scale of 2): the pen-space vector (a, b) is the page vector (a + 2b, 4b).
InkVec NibToPage(InkVec v) { return {v.x + 2 * v.y, 4 * v.y}; }
InkVec PageToNib(InkVec v) { return {v.x - v.y / 2, v.y / 4}; }

ColourRef FromPixel(uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }
uint32_t ToPixel(ColourRef c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// The straight part of a segment between its two ends, flat at both.
void AddBody(CInkCoverage& coverage, InkVec a, InkVec b, double r)
{
    const InkVec along = Sub(b, a);
    const double len = Length(along);
    if (len < 1e-9) return;
    const InkVec n = {-along.y / len * r, along.x / len * r};
    const InkVec corners[4] = {Add(a, n), Add(b, n), Sub(b, n), Sub(a, n)};
    coverage.Quad(corners);
}

bool BulgeIsVisible(InkVec a, InkVec b, double r)
{
    const double half = Length(Sub(b, a)) / 2;
    return half >= r || r - std::sqrt(r * r - half * half) > kMaxSkippedBulge;
}

// The round join of the nib at a corner of a flattened curve: the nib-space
// disc around it is covered by the two pieces except for a wedge on the outer
// side of the turn, filled as a fan of quadrilaterals close to its arc.
void AddNibJoin(CInkCoverage& coverage, InkVec corner, InkVec nibNormalIn, InkVec nibNormalOut, double r)
{
    const double from = std::atan2(nibNormalIn.y, nibNormalIn.x);
    double sweep = std::atan2(nibNormalOut.y, nibNormalOut.x) - from;
    while (sweep > kPi) sweep -= 2 * kPi;
    while (sweep < -kPi) sweep += 2 * kPi;
    if (std::abs(sweep) < 1e-6) return;
    // The normals point to one side; when the turn is toward that side the
    // wedge opens on the other.
    const double side = sweep > 0 ? kPi : 0.0;
    const int steps = static_cast<int>(std::ceil(std::abs(sweep) / (kPi / 4)));
    for (int i = 0; i < steps; ++i) {
        const double a0 = from + side + sweep * i / steps;
        const double a1 = from + side + sweep * (i + 1) / steps;
        const double am = (a0 + a1) / 2;
        const InkVec corners[4] = {
            corner,
            Add(corner, NibToPage({r * std::cos(a0), r * std::sin(a0)})),
            Add(corner, NibToPage({r * std::cos(am), r * std::sin(am)})),
            Add(corner, NibToPage({r * std::cos(a1), r * std::sin(a1)})),
        };
        coverage.Quad(corners);
    }
}

InkVec BezierPoint(const InkVec (&p)[4], double t)
{
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y};
}

int CurvePieces(const InkVec (&p)[4])
{
    // The curve keeps within three quarters of its inner control points'
    // distance from the chord; a curve as good as straight is one piece.
    const InkVec chord = Sub(p[3], p[0]);
    const double len = Length(chord);
    const auto offChord = [&](InkVec q) {
        const InkVec d = Sub(q, p[0]);
        return len < 1e-9 ? Length(d) : std::abs(d.x * chord.y - d.y * chord.x) / len;
    };
    if (0.75 * std::max(offChord(p[1]), offChord(p[2])) <= kFlatness) return 1;
    const double bend = std::max(Length(Add(Sub(p[0], Scale(p[1], 2)), p[2])),
                                 Length(Add(Sub(p[1], Scale(p[2], 2)), p[3])));
    const int pieces = static_cast<int>(std::ceil(std::sqrt(0.75 * bend / kFlatness)));
    return std::clamp(pieces, 1, kMaxCurvePieces);
}

}  // namespace

CRasterInkCanvas::CRasterInkCanvas(const InkSurface& surface, const InkBox& clip, int offsetX, int offsetY)
    : surface_(surface),
      clip_(clip.Intersect({0, 0, surface.width, surface.height})),
      offsetX_(offsetX),
      offsetY_(offsetY)
{
}

CRasterInkCanvas::~CRasterInkCanvas() { Flush(); }

void CRasterInkCanvas::Flush() { DrawPendingSegments(); }

void CRasterInkCanvas::AddSegment(Ends ends, InkPoint from, InkPoint to, int width, ColourRef colour)
{
    const Segment s{{from.x + offsetX_, from.y + offsetY_}, {to.x + offsetX_, to.y + offsetY_}};
    // The pen reaches half its width, plus a pixel of smooth edge.
    const int reach = (std::max(width, 1) + 1) / 2 + 1;
    const InkBox box = {std::min(s.from.x, s.to.x) - reach, std::min(s.from.y, s.to.y) - reach,
                        std::max(s.from.x, s.to.x) + reach + 1, std::max(s.from.y, s.to.y) + reach + 1};
    if (runOpen_) {
        const bool samePen = ends == runEnds_ && width == runWidth_ && colour == runColour_;
        if (!samePen || runBox_.Unite(box).Area() > kMaxRunArea) DrawPendingSegments();
    }
    runEnds_ = ends;
    runWidth_ = width;
    runColour_ = colour;
    runBox_ = runOpen_ ? runBox_.Unite(box) : box;
    runOpen_ = true;
    // A segment that cannot reach the clip still counts for where the run
    // ends, so that every band of a page ends it at the same segment, but it
    // is not kept: none of its pixels, and none of the round end it gives
    // the segment before it, lie inside.
    if (!box.Intersect(clip_).Empty()) run_.push_back(s);
}

void CRasterInkCanvas::DrawPendingSegments()
{
    runOpen_ = false;
    if (run_.empty()) return;
    const double r = HalfWidth(runWidth_);
    const int diameter = std::max(runWidth_, 1);
    coverage_.Begin(runBox_.Intersect(clip_));
    const InkPoint* lastDot = nullptr;
    const auto dot = [&](const InkPoint& at) {
        if (lastDot && *lastDot == at) return;  // already there
        coverage_.Dot(at.x, at.y, diameter);
        lastDot = &at;
    };
    for (size_t i = 0; i < run_.size(); ++i) {
        const Segment& s = run_[i];
        dot(s.from);
        // A segment's end is round when the pen has round ends, or when the
        // next segment starts there with its round start.
        const bool roundEnd = runEnds_ == Ends::kRoundBoth || (i + 1 < run_.size() && run_[i + 1].from == s.to);
        if (runEnds_ == Ends::kRoundBoth) dot(s.to);
        const InkVec from = {double(s.from.x), double(s.from.y)}, to = {double(s.to.x), double(s.to.y)};
        if (!roundEnd || BulgeIsVisible(from, to, r)) AddBody(coverage_, from, to, r);
    }
    coverage_.Composite(surface_, runColour_, kSolidAlpha);
    run_.clear();
}

void CRasterInkCanvas::SolidLine(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    AddSegment(Ends::kRoundStartFlatEnd, from, to, width, colour);
}

void CRasterInkCanvas::SoftSegment(InkPoint from, InkPoint to, int width, ColourRef colour)
{
    AddSegment(Ends::kRoundBoth, from, to, width, colour);
}

void CRasterInkCanvas::MarkerCurve(const InkPoint (&points)[4], int width, ColourRef colour)
{
    DrawPendingSegments();  // keep the order of drawing
    InkVec p[4];
    for (int i = 0; i < 4; ++i) p[i] = {double(points[i].x) + offsetX_, double(points[i].y) + offsetY_};
    const double r = HalfWidth(width);

    // The page reach of the nib, for the curve's box.
    const InkVec nibX = NibToPage({r, 0}), nibY = NibToPage({0, r});
    const double reachX = std::sqrt(nibX.x * nibX.x + nibY.x * nibY.x) + 1;
    const double reachY = std::sqrt(nibX.y * nibX.y + nibY.y * nibY.y) + 1;
    double left = p[0].x, top = p[0].y, right = p[0].x, bottom = p[0].y;
    for (const InkVec& v : p) {
        left = std::min(left, v.x);
        right = std::max(right, v.x);
        top = std::min(top, v.y);
        bottom = std::max(bottom, v.y);
    }
    const InkBox box = {static_cast<int>(std::floor(left - reachX)), static_cast<int>(std::floor(top - reachY)),
                        static_cast<int>(std::ceil(right + reachX)) + 1,
                        static_cast<int>(std::ceil(bottom + reachY)) + 1};
    const InkBox limit = box.Intersect(clip_);
    if (limit.Empty()) return;

    // The curve as straight pieces, and each piece's nib-space normal.
    const int pieces = CurvePieces(p);
    InkVec corners[kMaxCurvePieces + 1];
    InkVec normals[kMaxCurvePieces];  // unit length
    int count = 0;
    corners[0] = p[0];
    for (int i = 1; i <= pieces; ++i) {
        const InkVec end = i == pieces ? p[3] : BezierPoint(p, double(i) / pieces);
        const InkVec nibAlong = PageToNib(Sub(end, corners[count]));
        const double len = Length(nibAlong);
        if (len < 1e-9) continue;
        normals[count] = {-nibAlong.y / len, nibAlong.x / len};
        corners[++count] = end;
    }
    if (count == 0) return;

    // Pieces that turn gently meet on the line halfway between their nibs,
    // which both take as their end, so each pixel near a corner is blended
    // once: a mitred corner, as close to the round join as a flattened
    // curve's corners need. The curve's own ends are flat.
    bool gentle = true;
    for (int k = 1; k < count; ++k) {
        const double turnCosine = normals[k - 1].x * normals[k].x + normals[k - 1].y * normals[k].y;
        gentle = gentle && turnCosine > kMinMitreCosine;
    }
    if (gentle) {
        for (int k = 0; k < count; ++k) {
            const InkVec n = normals[k];
            const auto capReach = [&](InkVec mitre) {
                // Along the cap line, as far as the piece's edges lie from its middle.
                return NibToPage(Scale(mitre, r / (mitre.x * n.x + mitre.y * n.y)));
            };
            const auto between = [](InkVec a, InkVec b) {
                const InkVec m = Add(a, b);
                return Scale(m, 1 / Length(m));
            };
            const InkVec atStart = capReach(k == 0 ? n : between(normals[k - 1], n));
            const InkVec atEnd = capReach(k + 1 == count ? n : between(n, normals[k + 1]));
            const InkVec quad[4] = {Add(corners[k], atStart), Add(corners[k + 1], atEnd), Sub(corners[k + 1], atEnd),
                                    Sub(corners[k], atStart)};
            BlendQuad(surface_, limit, quad, colour, kMarkerAlpha, kCapEdges);
        }
        return;
    }

    // Sharp turns: the pieces with round joins, united before blending.
    coverage_.Begin(limit);
    for (int k = 0; k < count; ++k) {
        const InkVec normal = Scale(normals[k], r);
        if (k > 0) AddNibJoin(coverage_, corners[k], Scale(normals[k - 1], r), normal, r);
        const InkVec n = NibToPage(normal);
        const InkVec quad[4] = {Add(corners[k], n), Add(corners[k + 1], n), Sub(corners[k + 1], n),
                                Sub(corners[k], n)};
        coverage_.Quad(quad, kCapEdges);
    }
    coverage_.Composite(surface_, colour, kMarkerAlpha);
}

bool CRasterInkCanvas::Inside(int x, int y) const
{
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
}

ColourRef CRasterInkCanvas::GetPixel(int x, int y)
{
    Flush();
    x += offsetX_;
    y += offsetY_;
    return Inside(x, y) ? FromPixel(surface_.Row(y)[x]) : kInvalidPixel;
}

void CRasterInkCanvas::SetPixel(int x, int y, ColourRef colour)
{
    Flush();
    x += offsetX_;
    y += offsetY_;
    if (Inside(x, y)) surface_.Row(y)[x] = ToPixel(colour);
}

void CRasterInkCanvas::ReadPixels(int left, int top, int width, int height, ColourRef* out)
{
    Flush();
    for (int y = top + offsetY_; y < top + offsetY_ + height; ++y)
        for (int x = left + offsetX_; x < left + offsetX_ + width; ++x)
            *out++ = Inside(x, y) ? FromPixel(surface_.Row(y)[x]) : kInvalidPixel;
}

void CRasterInkCanvas::WritePixels(int left, int top, int width, int height, const ColourRef* in)
{
    Flush();
    for (int y = top + offsetY_; y < top + offsetY_ + height; ++y)
        for (int x = left + offsetX_; x < left + offsetX_ + width; ++x, ++in)
            if (*in != kInvalidPixel && Inside(x, y)) surface_.Row(y)[x] = ToPixel(*in);
}
