// The eraser mask against a plain reference: the path drawn pixel by pixel
// on a grid holding all of it, the outside flood-filled from the corner, and
// a segment's touch found by trying every covered pixel. Paths run partly
// off the limit the mask is kept within; what the mask reports within the
// limit must equal the reference there.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "EraserMask.h"
#include "FuzzCheck.h"
#include "InkArea.h"

namespace {

constexpr int kLo = -48, kHi = 96;  // the reference grid, beyond every point by the margin
constexpr int kSide = kHi - kLo;

// The same one-pixel line as the mask's.
template <typename Visit>
void Walk(InkPoint a, InkPoint b, Visit visit)
{
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy, x = a.x, y = a.y;
    for (;;) {
        visit(x, y);
        if (x == b.x && y == b.y) return;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

struct Reference {
    std::vector<uint8_t> cell = std::vector<uint8_t>(kSide * kSide, 2);  // 0 outside, 1 path, 2 enclosed
    uint8_t& At(int x, int y) { return cell[static_cast<size_t>((y - kLo) * kSide + (x - kLo))]; }

    explicit Reference(const std::vector<PointRecord>& path)
    {
        auto mark = [this](int x, int y) { At(x, y) = 1; };
        Walk({path[0].x, path[0].y}, {path[0].x, path[0].y}, mark);
        for (size_t i = 1; i < path.size(); ++i) Walk({path[i - 1].x, path[i - 1].y}, {path[i].x, path[i].y}, mark);
        std::vector<InkPoint> stack{{kLo, kLo}};
        At(kLo, kLo) = 0;
        while (!stack.empty()) {
            const InkPoint p = stack.back();
            stack.pop_back();
            const InkPoint next[] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
            for (const InkPoint& n : next) {
                if (n.x < kLo || n.x >= kHi || n.y < kLo || n.y >= kHi || At(n.x, n.y) != 2) continue;
                At(n.x, n.y) = 0;
                stack.push_back(n);
            }
        }
    }
};

int Coord(fuzz::Input& in) { return static_cast<int>(in.Byte() % 120) - 38; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const int l = Coord(in), t = Coord(in);
    const InkRect limit{l, t, l + 1 + in.Byte() % 80, t + 1 + in.Byte() % 80};
    const size_t n = 1 + in.Byte() % 24;
    std::vector<PointRecord> path;
    for (size_t i = 0; i < n; ++i) path.push_back({static_cast<int16_t>(Coord(in)), static_cast<int16_t>(Coord(in)), 0, 0});

    const CEraserMask mask(path, limit);
    Reference ref(path);
    InkRect covered;
    for (int y = kLo; y < kHi; ++y) {
        for (int x = kLo; x < kHi; ++x) {
            const bool inLimit = x >= limit.left && x < limit.right && y >= limit.top && y < limit.bottom;
            const bool expected = inLimit && ref.At(x, y) != 0;
            FUZZ_CHECK(mask.Covers(x, y) == expected);
            if (expected) covered = UnionArea(covered, {x, y, x + 1, y + 1});
        }
    }

    // Segments against the mask: any covered pixel clearly within the pen
    // must be found, and none may be reported without one nearly within it.
    while (in.Left() >= 7) {
        const InkPoint a{Coord(in), Coord(in)}, b{Coord(in), Coord(in)};
        const double radius = (in.Byte() % 24) / 4.0;
        const double shift = in.Byte() % 2 ? -0.5 : 0.0;
        const int cl = Coord(in);
        const InkRect clip{cl, kLo, cl + 60, kHi};
        const bool touched = mask.SegmentTouches(a, b, radius, clip, shift);
        const InkRect area = IntersectArea(IntersectArea(clip, mask.Rect()), covered);
        bool must = false, may = false;
        const int64_t steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        const int64_t span = int64_t{area.right} - area.left + area.bottom - area.top;
        const bool walked = radius <= 0.5 && steps <= 4 * span + 64;
        if (walked) {
            Walk(a, b, [&](int x, int y) {
                if (x >= area.left && x < area.right && y >= area.top && y < area.bottom && ref.At(x, y) != 0)
                    must = may = true;
            });
        } else if (!IsEmptyArea(area)) {
            const double r = std::max(radius, 0.5), s = radius <= 0.5 ? 0.0 : shift;
            const double ax = a.x + s, ay = a.y + s, vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
            for (int y = area.top; y < area.bottom; ++y) {
                for (int x = area.left; x < area.right; ++x) {
                    if (ref.At(x, y) == 0) continue;
                    const double wx = x - ax, wy = y - ay;
                    const double u = len2 > 0 ? std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0) : 0.0;
                    const double d2 = (wx - u * vx) * (wx - u * vx) + (wy - u * vy) * (wy - u * vy);
                    must = must || d2 < r * r - 1e-6;
                    may = may || d2 <= r * r + 1e-6;
                }
            }
        }
        if (must) FUZZ_CHECK(touched);
        if (touched) FUZZ_CHECK(may);
    }
    return 0;
}
