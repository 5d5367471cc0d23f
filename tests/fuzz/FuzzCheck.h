#pragma once
// What the fuzz targets share: a check that stops the run with a message
// (a failed property is a finding like a sanitizer report), and a reader that
// takes small choices off the front of the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    size_t Left() const { return size_ - pos_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint32_t U32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{Byte()} << (8 * i);
        return v;
    }
    // Up to the next end byte (not included) or the end of the input.
    std::string Until(char end)
    {
        std::string s;
        while (pos_ < size_) {
            const char c = static_cast<char>(data_[pos_++]);
            if (c == end) break;
            s += c;
        }
        return s;
    }
    std::string Rest()
    {
        std::string s(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace fuzz
