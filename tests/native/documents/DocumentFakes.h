#pragma once
// Fakes for the document and recording tests: a file system whose writes can
// fail part-way, a picture library whose "JPEG" files are a short text of the
// picture, and a player surface that logs what it draws with the playback
// clock at that moment.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "Picture.h"
#include "PlaybackClock.h"

namespace docfake {

using Bytes = std::vector<uint8_t>;

inline std::string Str(const Bytes& b) { return std::string(b.begin(), b.end()); }
inline Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Little-endian byte builder for hand-made vectors.
struct ByteWriter {
    Bytes out;
    ByteWriter& u16(uint16_t v) { return raw(v, 2); }
    ByteWriter& u32(uint32_t v) { return raw(v, 4); }
    ByteWriter& i32(int32_t v) { return raw(static_cast<uint32_t>(v), 4); }
    ByteWriter& point(int16_t x, int16_t y, int16_t w, uint32_t t)
    {
        return u16(static_cast<uint16_t>(x)).u16(static_cast<uint16_t>(y)).u16(static_cast<uint16_t>(w)).u32(t);
    }
    // A stroke record's fixed part.
    ByteWriter& stroke(uint32_t points, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour,
                       uint16_t kind, uint32_t eraseTime)
    {
        return u32(points).i32(l).i32(t).i32(r).i32(b).u32(colour).u16(kind).u32(eraseTime);
    }
    ByteWriter& bytes(const std::string& s)
    {
        out.insert(out.end(), s.begin(), s.end());
        return *this;
    }
    ByteWriter& raw(uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
};

// Writes to one path stop after a given number of bytes and fail, the way a
// full disk or a device error cuts a file.
class FailingWrites : public fw::MemoryFileSystem {
public:
    std::string failPathSuffix;  // writes to paths ending so fail
    size_t keepBytes = 0;        // what such a write leaves in the file
    bool replaceFails = false;

    bool Write(const std::string& path, const std::string& data) override
    {
        if (!failPathSuffix.empty() && path.size() >= failPathSuffix.size() &&
            path.compare(path.size() - failPathSuffix.size(), failPathSuffix.size(), failPathSuffix) == 0) {
            MemoryFileSystem::Write(path, data.substr(0, keepBytes));
            return false;
        }
        return MemoryFileSystem::Write(path, data);
    }
    bool Replace(const std::string& from, const std::string& to) override
    {
        return !replaceFails && MemoryFileSystem::Replace(from, to);
    }
};

struct FakePicture : vexo::IPicture {
    FakePicture(int w, int h, uint32_t c) : width(w), height(h), colour(c) {}
    int Width() const override { return width; }
    int Height() const override { return height; }
    int width, height;
    uint32_t colour;   // the one colour it is filled with
    bool inked = false;
};

constexpr uint32_t kUnpainted = 0xDEAD;

// "JPEG" files of the form "FAKEJPEG w h colour"; anything else is not a picture.
class FakePictures : public vexo::IPictureLibrary {
public:
    explicit FakePictures(fw::IFileSystem& fs) : fs_(fs) {}
    bool writes = true;
    int written = 0;

    void WriteJpeg(const vexo::IPicture& picture, const std::string& path) override
    {
        if (!writes) return;
        const auto& p = static_cast<const FakePicture&>(picture);
        char text[64];
        std::snprintf(text, sizeof text, "FAKEJPEG %d %d %u", p.width, p.height, p.colour);
        fs_.Write(path, text);
        ++written;
    }
    std::unique_ptr<vexo::IPicture> ReadPictureFile(const std::string& path) override
    {
        std::string data;
        int w = 0, h = 0;
        unsigned c = 0;
        if (!fs_.Read(path, data) || std::sscanf(data.c_str(), "FAKEJPEG %d %d %u", &w, &h, &c) != 3)
            return nullptr;
        return std::make_unique<FakePicture>(w, h, c);
    }
    std::unique_ptr<vexo::IPicture> NewPicture(int w, int h) override
    {
        return std::make_unique<FakePicture>(w, h, kUnpainted);
    }

private:
    fw::IFileSystem& fs_;
};

// What the player drew, with the playback clock at that moment.
struct Drawn {
    enum Kind { kPicture, kSolid, kMarker, kSoft } kind;
    uint32_t clock;
    InkPoint to;          // a segment's end; a picture's area top-left
    InkRect area;         // pictures: the area put back
    uint32_t colour;      // segments: ink; pictures: the picture's colour
};

class LoggingSurface : public vexo::IPlaybackSurface {
public:
    std::vector<Drawn> log;

    void PutPicture(const vexo::IPicture& picture, const InkRect& rect, const InkRect& area) override
    {
        log.push_back({Drawn::kPicture, PlaybackClock(), {area.left, area.top}, area,
                       static_cast<const FakePicture&>(picture).colour});
    }
    void SolidLine(InkPoint, InkPoint to, int, ColourRef colour) override
    {
        log.push_back({Drawn::kSolid, PlaybackClock(), to, {}, colour});
    }
    void MarkerCurve(const InkPoint (&p)[4], int, ColourRef colour) override
    {
        log.push_back({Drawn::kMarker, PlaybackClock(), p[3], {}, colour});
    }
    void SoftSegment(InkPoint, InkPoint to, int, ColourRef colour) override
    {
        log.push_back({Drawn::kSoft, PlaybackClock(), to, {}, colour});
    }
    ColourRef GetPixel(int, int) override { return 0xFFFFFF; }
    void SetPixel(int, int, ColourRef) override {}

    std::vector<Drawn> Of(Drawn::Kind kind, uint32_t colour) const
    {
        std::vector<Drawn> out;
        for (const Drawn& d : log)
            if (d.kind == kind && d.colour == colour) out.push_back(d);
        return out;
    }
};

// The clock thread, made exact: every sleep of timed drawing advances the
// playback clock by what it waits.
inline void AdvanceClockSleeper(uint32_t ms) { AdvancePlaybackClock(ms); }

}  // namespace docfake
