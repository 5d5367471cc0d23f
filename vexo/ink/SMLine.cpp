#include "SMLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Segment widths past the stroke's end are capped so that a heavy last
// pressure does not leave a blob.
constexpr int kLastSegmentWidthCap = 30;
// Above this width, closely bunched positions get dots so the stroke does
// not show gaps between short wide segments.
constexpr int kFillInDotWidth = 70;

bool Near(InkPoint a, int x, int y) { return std::abs(a.x - x) < 2 && std::abs(a.y - y) < 2; }

InkPoint Midpoint(InkPoint a, InkPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

}  // namespace

int CSMLine::SegmentWidth(int width, int maxPressure)
{
    if (width > maxPressure) width = maxPressure;
    return maxPressure > 256 ? width / 2 : width;
}

void CSMLine::DrawStep(IInkCanvas& canvas, int prevX, int prevY, int x, int y, int width, ColourRef colour,
                       int phase, int maxPressure)
{
    width = SegmentWidth(width, maxPressure);
    r_ = static_cast<uint16_t>(colour & 0xFF);
    g_ = static_cast<uint16_t>((colour >> 8) & 0xFF);
    b_ = static_cast<uint16_t>((colour >> 16) & 0xFF);

    const InkPoint here{x, y};
    if (phase == kFirstPoint) {
        started_ = false;
        startWidth_ = width;
        w0_ = width;
        q0_ = here;
        StampDot(canvas, x, y, width);
        return;
    }
    if (!started_) {
        // The second point only primes the smoothing.
        started_ = true;
        parity_ = 1;
        lastRaw_ = here;
        q0_ = {prevX, prevY};
        pendingWidth_ = width;
        return;
    }
    if (prevX == x && prevY == y) return;

    parity_ = (parity_ + 1) % 2;
    if (parity_ == 0) {
        if (phase != kLastPoint && Near(lastRaw_, x, y)) {
            parity_ = 1;
            return;
        }
        w2_ = w0_;
        w1_ = pendingWidth_;
        w0_ = width;
        q2_ = q0_;
        q1_ = lastRaw_;
        q0_ = here;
        if (phase == kLastPoint && width > kLastSegmentWidthCap) w0_ = kLastSegmentWidthCap;
    } else {
        if (phase != kLastPoint && Near(q0_, x, y)) {
            parity_ = 2;
            return;
        }
        pendingWidth_ = width;
        q0_ = Midpoint(q1_, here);
        lastRaw_ = here;
        if (q0_ == q1_ || q0_ == here) {
            parity_ = 2;
            return;
        }
        if (phase == kLastPoint) {
            q0_ = here;
            if (w0_ > kLastSegmentWidthCap) w0_ = kLastSegmentWidthCap;
        }
    }

    if (std::abs(q1_.x - q0_.x) < 3 && std::abs(q2_.x - q1_.x) < 3 && std::abs(q2_.y - q1_.y) < 3 &&
        std::abs(q1_.y - q0_.y) < 3 && w1_ > kFillInDotWidth) {
        StampDot(canvas, q2_.x, q2_.y, w2_);
        StampDot(canvas, q1_.x, q1_.y, w1_);
        StampDot(canvas, q0_.x, q0_.y, w0_);
        const InkPoint m1 = Midpoint(q2_, q1_);
        const InkPoint m2 = Midpoint(q0_, q1_);
        if (m1 != q2_ && m1 != q1_) StampDot(canvas, m1.x, m1.y, (w2_ + w1_) / 2);
        if (m2 != q1_ && m2 != q0_) StampDot(canvas, m2.x, m2.y, (w0_ + w1_) / 2);
    }

    // A zero coordinate marks an unknown previous position.
    const InkPoint from{prevX == 0 ? x : prevX, prevY == 0 ? y : prevY};
    canvas.SoftSegment(from, here, width, colour);
}

void CSMLine::StampDot(IInkCanvas& canvas, int x, int y, int width)
{
    // Softness falls as the dot widens, passes zero at width 383 and turns
    // negative beyond (the blend uses its magnitude). Zero is taken as the
    // hardest dot on the near side, and the radius never leaves the square.
    int softness = (255 - width) * 200 / 255 + 100;
    if (softness == 0) softness = 1;
    int radius = 255 / softness + 1;
    if (startWidth_ >= kFillInDotWidth) radius += startWidth_ / kFillInDotWidth;
    radius = std::clamp(radius, 0, kMaxDotRadius);

    // The whole square is read and written back at once; every pixel is
    // blended on its own, so the order within the square does not matter.
    const int side = 2 * radius + 1;
    ColourRef square[(2 * kMaxDotRadius + 1) * (2 * kMaxDotRadius + 1)];
    canvas.ReadPixels(x - radius, y - radius, side, side, square);
    ColourRef* pixel = square;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx, ++pixel) {
            int distance = 0;  // the centre
            if (dx != 0 || dy != 0) {
                const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                distance = static_cast<int>(d * static_cast<float>(softness));
            }
            *pixel = Blended(*pixel, distance);
        }
    }
    canvas.WritePixels(x - radius, y - radius, side, side, square);
}

void CSMLine::BlendPixel(IInkCanvas& canvas, int x, int y, int distance)
{
    const ColourRef blended = Blended(canvas.GetPixel(x, y), distance);
    if (blended != kInvalidPixel) canvas.SetPixel(x, y, blended);
}

ColourRef CSMLine::Blended(ColourRef current, int distance) const
{
    if (current == kInvalidPixel) return kInvalidPixel;
    int a = std::abs(distance) + (-3 * startWidth_) / 2;
    if (a < 0) {
        a = 0;
    } else if (a > 255) {
        return kInvalidPixel;
    }
    auto mix = [a](unsigned ink, unsigned now) { return (ink * (255u - a) + now * a) >> 8; };
    const unsigned red = mix(r_, current & 0xFF);
    const unsigned green = mix(g_, (current >> 8) & 0xFF);
    const unsigned blue = mix(b_, (current >> 16) & 0xFF);
    return red | (green << 8) | (blue << 16);
}
