#include "InkCoverage.h"

#include <algorithm>
#include <array>
#include <cmath>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define INK_COVERAGE_SSE2 1
#endif

namespace {

// Coverage of a pixel whose centre lies d inside an edge (negative outside),
// on the 0..255 scale.
inline int EdgeCover(double d)
{
    if (d <= -0.5) return 0;
    if (d >= 0.5) return 255;
    return static_cast<int>((d + 0.5) * 255.0 + 0.5);
}

// Rounding for values known to lie within the int range.
inline int FloorInt(double v)
{
    const int i = static_cast<int>(v);
    return i - (v < i);
}
inline int CeilInt(double v)
{
    const int i = static_cast<int>(v);
    return i + (v > i);
}

// Gamma-corrected blending works on light, not on the stored values: the
// stored value v stands for (v / 255) ^ 2.2.
constexpr double kGamma = 2.2;

// Light back to stored values in steps of four: the table then stays in the
// processor's nearest cache, at the cost of telling apart only the three
// darkest values.
constexpr int kLightStep = 2;  // bits

struct GammaTables {
    std::array<uint16_t, 256> toLight{};
    std::array<uint8_t, (65536 >> kLightStep)> fromLight{};

    GammaTables()
    {
        for (int v = 0; v < 256; ++v)
            toLight[v] = static_cast<uint16_t>(std::lround(std::pow(v / 255.0, kGamma) * 65535.0));
        for (size_t i = 0; i < fromLight.size(); ++i) {
            const double light = ((i << kLightStep) + (1 << kLightStep) / 2.0) / 65535.0;
            fromLight[i] = static_cast<uint8_t>(std::lround(std::pow(std::min(light, 1.0), 1.0 / kGamma) * 255.0));
        }
    }
};

const GammaTables& Gamma()
{
    static const GammaTables tables;  // built once, read-only afterwards
    return tables;
}

// One channel: ink over the stored value with weight a (0..255).
inline uint32_t BlendChannel(const GammaTables& g, uint32_t ink, uint32_t stored, uint32_t a)
{
    const uint32_t light = (g.toLight[ink] * a + g.toLight[stored] * (255 - a) + 127) / 255;
    return g.fromLight[light >> kLightStep];
}

// Disc dots of these diameters are stamped from a table; larger ones are
// computed pixel by pixel.
constexpr int kMaxStampDiameter = 64;
// Stamp rows are laid over coverage rows in blocks of this many pixels.
constexpr int kBlock = 16;

struct DiscStamp {
    int half = 0;  // the stamp is (2 * half + 1) pixels square
    int rowBytes = 0;  // a whole number of blocks, zeros past the stamp
    std::vector<uint8_t> cover;
};

const DiscStamp& Stamp(int diameter)
{
    static const std::vector<DiscStamp> stamps = [] {
        std::vector<DiscStamp> made(kMaxStampDiameter + 1);
        for (int d = 1; d <= kMaxStampDiameter; ++d) {
            const double r = d / 2.0;
            DiscStamp& s = made[d];
            s.half = static_cast<int>(std::ceil(r + 0.5));
            const int side = 2 * s.half + 1;
            s.rowBytes = (side + kBlock - 1) / kBlock * kBlock;
            s.cover.assign(static_cast<size_t>(s.rowBytes) * side, 0);
            for (int y = -s.half; y <= s.half; ++y)
                for (int x = -s.half; x <= s.half; ++x)
                    s.cover[(y + s.half) * s.rowBytes + x + s.half] =
                        static_cast<uint8_t>(EdgeCover(r - std::sqrt(double(x * x + y * y))));
        }
        return made;
    }();
    return stamps[diameter];
}

// Keeps the larger coverage of each of a block of pixels.
inline void MaxBlock(uint8_t* to, const uint8_t* from)
{
#ifdef INK_COVERAGE_SSE2
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_max_epu8(a, b));
#else
    for (int i = 0; i < kBlock; ++i) to[i] = std::max(to[i], from[i]);
#endif
}

// A convex quadrilateral, walked row by row over the pixels its edges may
// cover. Edges flagged in wholePixels (bit i: from corner i to the next) take
// a pixel whole when its centre lies on their inner side, or not at all; a
// centre on such a line belongs to the side that starts there (the right of
// an upright line, below a level one), so that two quadrilaterals sharing the
// line share out its pixels. The other edges give smooth coverage.
class QuadRows {
public:
    QuadRows(const InkVec (&v)[4], unsigned wholePixels, const InkBox& limit)
    {
        if (limit.Empty()) return;
        double signedArea = 0;
        for (int i = 0; i < 4; ++i) signedArea += v[i].x * v[(i + 1) % 4].y - v[(i + 1) % 4].x * v[i].y;
        if (std::abs(signedArea) < 1e-9) return;  // no area: nothing to fill
        const double turn = signedArea > 0 ? 1.0 : -1.0;

        double top = v[0].y, bottom = v[0].y;
        for (const InkVec& p : v) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        firstRow_ = std::max(FloorInt(std::max(top - 0.5, -1e9)), limit.top);
        endRow_ = std::min(CeilInt(std::min(bottom + 0.5, 1e9)) + 1, limit.bottom);
        left_ = limit.left;
        right_ = limit.right - 1;

        for (int i = 0; i < 4; ++i) {
            const InkVec& a = v[i];
            const InkVec& b = v[(i + 1) % 4];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double len = std::sqrt(dx * dx + dy * dy);
            if (len < 1e-12) continue;  // a corner given twice
            // The edge's value at a pixel centre: its distance inside the
            // edge, plus half a pixel for a smooth edge (its coverage across
            // that edge before clamping).
            const double ex = -dy / len * turn, ey = dx / len * turn;
            const bool whole = (wholePixels >> i) & 1;
            const double ec = (whole ? 0.0 : 0.5) - (ex * a.x + ey * a.y);
            if (!whole)
                smooth_[smoothCount_++] = {static_cast<float>(ex), static_cast<float>(ey), static_cast<float>(ec)};
            // Per row, the first column is the ceiling of the largest start
            // bound and the last the ceiling of the smallest end bound, each
            // shifted: a smooth start may reach one pixel further left, and
            // a whole-pixel end stops before a centre on its line.
            if (ex > 1e-12) {  // faces right: the run starts at -(ey y + ec) / ex
                starts_[startCount_++] = {-ey / ex, -ec / ex - (whole ? 0 : 1)};
            } else if (ex < -1e-12) {
                ends_[endCount_++] = {-ey / ex, -ec / ex - (whole ? 1 : 0)};
            } else if (ey > 0) {  // level, inside below: rows from -ec / ey
                const double from = -ec / ey;
                firstRow_ = std::max(firstRow_, whole ? CeilInt(Clamp(from)) : FloorInt(Clamp(from)) + 1);
            } else {  // level, inside above
                const double to = ec / -ey;
                endRow_ = std::min(endRow_, CeilInt(Clamp(to)));
            }
        }
        empty_ = firstRow_ >= endRow_;
    }

    bool Empty() const { return empty_; }
    int FirstRow() const { return firstRow_; }
    int EndRow() const { return endRow_; }

    // Calls row(y, x0, x1) for each row with columns that may be covered,
    // then pixel(x, coverage 1..255) for each covered pixel of that row.
    template <typename Row, typename Pixel>
    void Walk(Row row, Pixel pixel) const
    {
        // A parallelogram, the common shape, has two edges of each kind.
        if (startCount_ <= 2 && endCount_ <= 2 && smoothCount_ <= 2) WalkWith<2>(row, pixel);
        else WalkWith<4>(row, pixel);
    }

private:
    static double Clamp(double v) { return std::clamp(v, -1e9, 1e9); }

    // Unused entries up to kEdges are the ones that never limit anything.
    template <int kEdges, typename Row, typename Pixel>
    void WalkWith(Row row, Pixel pixel) const
    {
        const double lowest = left_, highest = right_ + 1.0;
        for (int y = firstRow_; y < endRow_; ++y) {
            const double fy = y;
            double from = lowest, to = highest;
            for (int e = 0; e < kEdges; ++e) {
                from = std::max(from, starts_[e].slope * fy + starts_[e].at);
                to = std::min(to, ends_[e].slope * fy + ends_[e].at);
            }
            if (from > to) continue;
            const int x0 = CeilInt(from), x1 = std::min(CeilInt(to), right_);
            if (x0 > x1) continue;
            row(y, x0, x1);
            const float fx0 = static_cast<float>(x0), fyf = static_cast<float>(y);
            float at[kEdges];
            for (int e = 0; e < kEdges; ++e) at[e] = smooth_[e].nx * fx0 + smooth_[e].ny * fyf + smooth_[e].c;
            for (int x = x0; x <= x1; ++x) {
                float k = 1.0f;
                for (int e = 0; e < kEdges; ++e) {
                    k *= std::clamp(at[e], 0.0f, 1.0f);
                    at[e] += smooth_[e].nx;
                }
                const int value = static_cast<int>(k * 255.0f + 0.5f);
                if (value) pixel(x, value);
            }
        }
    }

    // Entries an edge does not fill never limit the row or the coverage.
    struct Bound {
        double slope = 0, at = 0;
    };
    struct Smooth {
        float nx = 0, ny = 0, c = 2;
    };
    bool empty_ = true;
    int firstRow_ = 0, endRow_ = 0, left_ = 0, right_ = 0;
    Bound starts_[4] = {{0, -1e18}, {0, -1e18}, {0, -1e18}, {0, -1e18}};
    Bound ends_[4] = {{0, 1e18}, {0, 1e18}, {0, 1e18}, {0, 1e18}};
    Smooth smooth_[4];
    int startCount_ = 0, endCount_ = 0, smoothCount_ = 0;
};

struct Ink {
    uint32_t r, g, b, pixel;

    explicit Ink(ColourRef colour)
        : r(colour & 0xFF), g((colour >> 8) & 0xFF), b((colour >> 16) & 0xFF), pixel((r << 16) | (g << 8) | b)
    {
    }
};

// One pixel: the ink over it with weight a (0..255).
inline void BlendInto(uint32_t& p, const Ink& ink, uint32_t a, const GammaTables& g)
{
    if (a >= 255) {
        p = ink.pixel;
    } else if (a > 0 && (p & 0xFFFFFF) != ink.pixel) {
        p = (BlendChannel(g, ink.r, (p >> 16) & 0xFF, a) << 16) | (BlendChannel(g, ink.g, (p >> 8) & 0xFF, a) << 8) |
            BlendChannel(g, ink.b, p & 0xFF, a);
    }
}

// Blending one ink over pixels that mostly hold the same few colours (paper,
// or this ink blended once before) at the same weight: the last result is
// kept and used again.
class CBlender {
public:
    CBlender(ColourRef colour, int alpha) : ink_(colour), alpha_(static_cast<uint32_t>(alpha)), g_(Gamma()) {}

    void Blend(uint32_t& p, uint32_t coverage)
    {
        if (coverage == 255 && alpha_ == 255) {  // opaque ink, whole pixel
            p = ink_.pixel;
            return;
        }
        const uint32_t a = (coverage * alpha_ + 127) / 255;
        if (p == lastIn_ && a == lastA_) {
            p = lastOut_;
            return;
        }
        lastIn_ = p;
        lastA_ = a;
        BlendInto(p, ink_, a, g_);
        lastOut_ = p;
    }

private:
    const Ink ink_;
    const uint32_t alpha_;
    const GammaTables& g_;
    uint32_t lastIn_ = 0xFFFFFFFF;  // no stored pixel has all 32 bits set and this weight
    uint32_t lastA_ = 0xFFFFFFFF;
    uint32_t lastOut_ = 0;
};

}  // namespace

InkBox InkBox::Intersect(const InkBox& o) const
{
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
}

InkBox InkBox::Unite(const InkBox& o) const
{
    if (o.Empty()) return *this;
    if (Empty()) return o;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
}

void CInkCoverage::Begin(const InkBox& limit)
{
    limit_ = limit;
    if (limit_.Empty()) return;
    // Rows are padded by a block so that a stamp's last block stays in its row.
    stride_ = static_cast<size_t>(limit_.right - limit_.left) + kBlock;
    const size_t h = static_cast<size_t>(limit_.bottom - limit_.top);
    // The buffer is kept clear between shapes, so only growing costs.
    if (cover_.size() < stride_ * h) cover_.assign(stride_ * h, 0);
    touched_ = {};
}

void CInkCoverage::Touch(int x0, int y0, int x1, int y1)
{
    touched_ = touched_.Unite({x0, y0, x1 + 1, y1 + 1});
}

void CInkCoverage::Cover(int x, int y, int value)
{
    const size_t row = static_cast<size_t>(y - limit_.top);
    uint8_t& c = cover_[row * stride_ + (x - limit_.left)];
    if (value > c) c = static_cast<uint8_t>(value);
    Touch(x, y, x, y);
}

void CInkCoverage::StampDisc(int cx, int cy, int diameter)
{
    const DiscStamp& s = Stamp(diameter);
    const int side = 2 * s.half + 1;
    const int y0 = std::max(cy - s.half, limit_.top), y1 = std::min(cy + s.half + 1, limit_.bottom);
    const int x0 = std::max(cx - s.half, limit_.left), x1 = std::min(cx + s.half + 1, limit_.right);
    if (x0 >= x1 || y0 >= y1) return;
    const uint8_t* from = &s.cover[static_cast<size_t>(y0 - cy + s.half) * s.rowBytes + (x0 - cx + s.half)];
    const size_t firstRow = static_cast<size_t>(y0 - limit_.top);
    uint8_t* to = &cover_[firstRow * stride_ + (x0 - limit_.left)];
    // A whole stamp row goes in blocks: the zeros past its end change
    // nothing. A stamp cut by a side goes pixel by pixel, so that nothing
    // lands in the padding.
    const int width = x1 - x0;
    const bool whole = width == side;
    if (whole) {
        for (int y = y0; y < y1; ++y, from += s.rowBytes, to += stride_)
            for (int b = 0; b < s.rowBytes; b += kBlock) MaxBlock(to + b, from + b);
    } else {
        for (int y = y0; y < y1; ++y, from += s.rowBytes, to += stride_)
            for (int i = 0; i < width; ++i) to[i] = std::max(to[i], from[i]);
    }
    Touch(x0, y0, x1 - 1, y1 - 1);
}

void CInkCoverage::Dot(int x, int y, int diameter)
{
    if (limit_.Empty() || diameter <= 0) return;
    if (diameter <= kMaxStampDiameter) StampDisc(x, y, diameter);
    else Disc({double(x), double(y)}, diameter / 2.0);
}

void CInkCoverage::Disc(InkVec centre, double r)
{
    if (limit_.Empty() || !(r > 0)) return;
    const int diameter = static_cast<int>(std::lround(2 * r));
    if (std::abs(2 * r - diameter) < 1e-9 && diameter <= kMaxStampDiameter && centre.x == std::floor(centre.x) &&
        centre.y == std::floor(centre.y) && std::abs(centre.x) < 1e9 && std::abs(centre.y) < 1e9) {
        StampDisc(static_cast<int>(centre.x), static_cast<int>(centre.y), diameter);
        return;
    }
    const double reach = r + 0.5;
    const int y0 = std::max(static_cast<int>(std::floor(centre.y - reach)), limit_.top);
    const int y1 = std::min(static_cast<int>(std::ceil(centre.y + reach)) + 1, limit_.bottom);
    for (int y = y0; y < y1; ++y) {
        const double dy = y - centre.y;
        if (std::abs(dy) >= reach) continue;
        const double half = std::sqrt(reach * reach - dy * dy);
        const int x0 = std::max(static_cast<int>(std::floor(centre.x - half)), limit_.left);
        const int x1 = std::min(static_cast<int>(std::ceil(centre.x + half)) + 1, limit_.right);
        for (int x = x0; x < x1; ++x) {
            const double dx = x - centre.x;
            const int c = EdgeCover(r - std::sqrt(dx * dx + dy * dy));
            if (c) Cover(x, y, c);
        }
    }
}

void CInkCoverage::Quad(const InkVec (&v)[4], unsigned wholePixelEdges)
{
    const QuadRows quad(v, wholePixelEdges, limit_);
    if (quad.Empty()) return;
    uint8_t* cover = nullptr;
    quad.Walk(
        [&](int y, int x0, int x1) {
            const size_t row = static_cast<size_t>(y - limit_.top);
            cover = &cover_[row * stride_];
            Touch(x0, y, x1, y);
        },
        [&](int x, int value) {
            uint8_t& c = cover[x - limit_.left];
            if (value > c) c = static_cast<uint8_t>(value);
        });
}

void CInkCoverage::Composite(const InkSurface& surface, ColourRef colour, int alpha)
{
    if (limit_.Empty()) return;
    if (touched_.Empty()) return;
    CBlender blender(colour, alpha);
    for (int y = touched_.top; y < touched_.bottom; ++y) {
        const size_t row = static_cast<size_t>(y - limit_.top);
        uint8_t* cover = &cover_[row * stride_ + (touched_.left - limit_.left)];
        uint32_t* pixels = surface.Row(y) + touched_.left;
        const int width = touched_.right - touched_.left;
        int x = 0;
#ifdef INK_COVERAGE_SSE2
        // Most of a shape's box is empty: blocks without coverage are passed
        // over whole.
        for (; x + kBlock <= width; x += kBlock) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cover + x));
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128())) == 0xFFFF) continue;
            for (int i = x; i < x + kBlock; ++i) {
                if (!cover[i]) continue;
                blender.Blend(pixels[i], cover[i]);
                cover[i] = 0;
            }
        }
#endif
        for (; x < width; ++x) {
            if (!cover[x]) continue;
            blender.Blend(pixels[x], cover[x]);
            cover[x] = 0;
        }
    }
}

void BlendQuad(const InkSurface& surface, const InkBox& limit, const InkVec (&v)[4], ColourRef colour, int alpha,
               unsigned wholePixelEdges)
{
    const QuadRows quad(v, wholePixelEdges, limit);
    if (quad.Empty()) return;
    CBlender blender(colour, alpha);
    uint32_t* pixels = nullptr;
    quad.Walk([&](int y, int, int) { pixels = surface.Row(y); },
              [&](int x, int value) { blender.Blend(pixels[x], static_cast<uint32_t>(value)); });
}
