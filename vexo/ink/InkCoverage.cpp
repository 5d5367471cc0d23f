#include "InkCoverage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Coverage of a pixel whose centre lies d inside an edge (negative outside),
// on the 0..255 scale.
inline int EdgeCover(double d)
{
    if (d <= -0.5) return 0;
    if (d >= 0.5) return 255;
    return static_cast<int>((d + 0.5) * 255.0 + 0.5);
}

inline double Clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

// Gamma-corrected blending works on light, not on the stored values: the
// stored value v stands for (v / 255) ^ 2.2.
constexpr double kGamma = 2.2;

struct GammaTables {
    std::array<uint16_t, 256> toLight{};
    std::vector<uint8_t> fromLight = std::vector<uint8_t>(65536);

    GammaTables()
    {
        for (int v = 0; v < 256; ++v)
            toLight[v] = static_cast<uint16_t>(std::lround(std::pow(v / 255.0, kGamma) * 65535.0));
        for (int l = 0; l < 65536; ++l)
            fromLight[l] = static_cast<uint8_t>(std::lround(std::pow(l / 65535.0, 1.0 / kGamma) * 255.0));
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
    return g.fromLight[light];
}

// Disc dots of these diameters are stamped from a table; larger ones are
// computed pixel by pixel.
constexpr int kMaxStampDiameter = 64;

struct DiscStamp {
    int half = 0;  // the stamp is (2 * half + 1) pixels square
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
            s.cover.resize(static_cast<size_t>(side) * side);
            for (int y = -s.half; y <= s.half; ++y)
                for (int x = -s.half; x <= s.half; ++x)
                    s.cover[(y + s.half) * side + x + s.half] =
                        static_cast<uint8_t>(EdgeCover(r - std::sqrt(double(x * x + y * y))));
        }
        return made;
    }();
    return stamps[diameter];
}

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
    const size_t w = static_cast<size_t>(limit_.right - limit_.left);
    const size_t h = static_cast<size_t>(limit_.bottom - limit_.top);
    // The buffer is kept clear between shapes, so only growing costs.
    if (cover_.size() < w * h) cover_.assign(w * h, 0);
    spanLeft_.assign(h, limit_.right);
    spanRight_.assign(h, limit_.left - 1);
}

void CInkCoverage::Cover(int x, int y, int value)
{
    const size_t row = static_cast<size_t>(y - limit_.top);
    uint8_t& c = cover_[row * static_cast<size_t>(limit_.right - limit_.left) + (x - limit_.left)];
    if (value > c) c = static_cast<uint8_t>(value);
    spanLeft_[row] = std::min(spanLeft_[row], x);
    spanRight_[row] = std::max(spanRight_[row], x);
}

void CInkCoverage::StampDisc(int cx, int cy, int diameter)
{
    const DiscStamp& s = Stamp(diameter);
    const int side = 2 * s.half + 1;
    const int y0 = std::max(cy - s.half, limit_.top), y1 = std::min(cy + s.half + 1, limit_.bottom);
    const int x0 = std::max(cx - s.half, limit_.left), x1 = std::min(cx + s.half + 1, limit_.right);
    if (x0 >= x1) return;
    const size_t width = static_cast<size_t>(limit_.right - limit_.left);
    for (int y = y0; y < y1; ++y) {
        const uint8_t* from = &s.cover[(y - cy + s.half) * side + (x0 - cx + s.half)];
        const size_t row = static_cast<size_t>(y - limit_.top);
        uint8_t* to = &cover_[row * width + (x0 - limit_.left)];
        for (int i = 0; i < x1 - x0; ++i) to[i] = std::max(to[i], from[i]);
        spanLeft_[row] = std::min(spanLeft_[row], x0);
        spanRight_[row] = std::max(spanRight_[row], x1 - 1);
    }
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

void CInkCoverage::Quad(const InkVec (&v)[4])
{
    if (limit_.Empty()) return;
    double signedArea = 0;
    for (int i = 0; i < 4; ++i) {
        const InkVec& a = v[i];
        const InkVec& b = v[(i + 1) % 4];
        signedArea += a.x * b.y - b.x * a.y;
    }
    if (std::abs(signedArea) < 1e-9) return;  // no area: nothing to fill
    const double turn = signedArea > 0 ? 1.0 : -1.0;

    // Each edge as a line whose value at a pixel centre is its distance
    // inside the edge plus half a pixel: the coverage across that edge before
    // clamping. A corner given twice leaves an edge that covers everything.
    float nx[4], ny[4], c[4];
    double top = v[0].y, bottom = v[0].y;
    // Per row, the columns where every edge's value is positive: those from
    // edges facing right start the run, those facing left end it.
    double startSlope[4], startAt[4], endSlope[4], endAt[4];
    int starts = 0, ends = 0;
    struct Flat {
        double ny, c;
    } flats[4];
    int flatCount = 0;
    for (int i = 0; i < 4; ++i) {
        const InkVec& a = v[i];
        const InkVec& b = v[(i + 1) % 4];
        top = std::min(top, a.y);
        bottom = std::max(bottom, a.y);
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::sqrt(dx * dx + dy * dy);
        if (len < 1e-12) {
            nx[i] = ny[i] = 0;
            c[i] = 2;
            continue;
        }
        const double ex = -dy / len * turn, ey = dx / len * turn;
        const double ec = 0.5 - (ex * a.x + ey * a.y);
        nx[i] = static_cast<float>(ex);
        ny[i] = static_cast<float>(ey);
        c[i] = static_cast<float>(ec);
        // ex * x + ey * y + ec > 0
        if (ex > 1e-12) {
            startSlope[starts] = -ey / ex;
            startAt[starts++] = -ec / ex;
        } else if (ex < -1e-12) {
            endSlope[ends] = -ey / ex;
            endAt[ends++] = -ec / ex;
        } else {
            flats[flatCount++] = {ey, ec};
        }
    }

    const int y0 = std::max(static_cast<int>(std::floor(top - 0.5)), limit_.top);
    const int y1 = std::min(static_cast<int>(std::ceil(bottom + 0.5)) + 1, limit_.bottom);
    const size_t stride = static_cast<size_t>(limit_.right - limit_.left);
    for (int y = y0; y < y1; ++y) {
        bool outside = false;
        for (int f = 0; f < flatCount; ++f) outside |= flats[f].ny * y + flats[f].c <= 0;
        if (outside) continue;
        double left = limit_.left, right = limit_.right - 1;
        for (int e = 0; e < starts; ++e) left = std::max(left, startSlope[e] * y + startAt[e]);
        for (int e = 0; e < ends; ++e) right = std::min(right, endSlope[e] * y + endAt[e]);
        const int x0 = static_cast<int>(std::floor(left)) + 1 > limit_.left ? static_cast<int>(std::floor(left))
                                                                           : limit_.left;
        const int x1 = std::min(static_cast<int>(std::ceil(right)), limit_.right - 1);
        if (x0 > x1) continue;

        const size_t row = static_cast<size_t>(y - limit_.top);
        uint8_t* cover = &cover_[row * stride + (x0 - limit_.left)];
        const float fy = static_cast<float>(y);
        const float a0 = nx[0] * x0 + ny[0] * fy + c[0], a1 = nx[1] * x0 + ny[1] * fy + c[1];
        const float a2 = nx[2] * x0 + ny[2] * fy + c[2], a3 = nx[3] * x0 + ny[3] * fy + c[3];
        for (int i = 0; i <= x1 - x0; ++i) {
            const float fi = static_cast<float>(i);
            const float k = std::clamp(a0 + nx[0] * fi, 0.0f, 1.0f) * std::clamp(a1 + nx[1] * fi, 0.0f, 1.0f) *
                            std::clamp(a2 + nx[2] * fi, 0.0f, 1.0f) * std::clamp(a3 + nx[3] * fi, 0.0f, 1.0f);
            const uint8_t value = static_cast<uint8_t>(k * 255.0f + 0.5f);
            cover[i] = std::max(cover[i], value);
        }
        spanLeft_[row] = std::min(spanLeft_[row], x0);
        spanRight_[row] = std::max(spanRight_[row], x1);
    }
}

void CInkCoverage::Composite(const InkSurface& surface, ColourRef ink, int alpha)
{
    if (limit_.Empty()) return;
    const GammaTables& g = Gamma();
    const uint32_t inkR = ink & 0xFF, inkG = (ink >> 8) & 0xFF, inkB = (ink >> 16) & 0xFF;
    const uint32_t inkPixel = (inkR << 16) | (inkG << 8) | inkB;
    const size_t width = static_cast<size_t>(limit_.right - limit_.left);
    for (int y = limit_.top; y < limit_.bottom; ++y) {
        const size_t row = static_cast<size_t>(y - limit_.top);
        const int x0 = spanLeft_[row], x1 = spanRight_[row];
        if (x0 > x1) continue;
        uint8_t* cover = &cover_[row * width];
        uint32_t* pixels = surface.Row(y);
        for (int x = x0; x <= x1; ++x) {
            uint8_t& c = cover[x - limit_.left];
            if (!c) continue;
            const uint32_t a = (c * static_cast<uint32_t>(alpha) + 127) / 255;
            c = 0;
            uint32_t& p = pixels[x];
            if (a >= 255) {
                p = inkPixel;
            } else if (a > 0 && (p & 0xFFFFFF) != inkPixel) {
                p = (BlendChannel(g, inkR, (p >> 16) & 0xFF, a) << 16) |
                    (BlendChannel(g, inkG, (p >> 8) & 0xFF, a) << 8) | BlendChannel(g, inkB, p & 0xFF, a);
            }
        }
    }
}
