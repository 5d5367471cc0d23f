#include "ReplayScript.h"

#include <cerrno>
#include <cstdlib>

namespace wtstandin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits a line (comment removed) into its blank-separated words.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A decimal number within [low, high]: the whole word, nothing else.
bool ParseNumber(const std::string& word, long long low, long long high, long long& value)
{
    if (word.empty() || word.size() > 12) return false;
    size_t i = (word[0] == '-' || word[0] == '+') ? 1 : 0;
    if (i == word.size()) return false;
    for (size_t k = i; k < word.size(); ++k)
        if (word[k] < '0' || word[k] > '9') return false;
    errno = 0;
    value = std::strtoll(word.c_str(), nullptr, 10);
    return errno == 0 && value >= low && value <= high;
}

}  // namespace

ReplayScript ParseReplay(const std::string& text, uint32_t maxPressure)
{
    static const char* const kNames[] = {"time", "cursor", "buttons", "x", "y", "pressure"};
    const long long kU32 = UINT32_MAX, kI32Low = INT32_MIN, kI32High = INT32_MAX;
    const long long low[] = {0, 0, 0, kI32Low, kI32Low, 0};
    const long long high[] = {kU32, kU32, kU32, kI32High, kI32High, maxPressure};

    ReplayScript script;
    uint32_t lastTime = 0;
    int lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        std::string content = line.substr(0, line.find('#'));
        while (!line.empty() && line.back() == '\r') line.pop_back();

        std::vector<std::string> words = Words(content);
        if (words.empty()) continue;
        auto fail = [&](const std::string& why) {
            script.errors.push_back({lineNo, why + ": \"" + line + "\""});
        };
        if (words.size() != 6) {
            fail("expected 6 numbers (time cursor buttons x y pressure), found " +
                 std::to_string(words.size()));
            continue;
        }
        long long v[6];
        int bad = -1;
        for (int k = 0; k < 6 && bad < 0; ++k)
            if (!ParseNumber(words[k], low[k], high[k], v[k])) bad = k;
        if (bad >= 0) {
            fail(std::string("bad ") + kNames[bad] + " \"" + words[bad] + "\" (expected " +
                 std::to_string(low[bad]) + " to " + std::to_string(high[bad]) + ")");
            continue;
        }
        const uint32_t time = static_cast<uint32_t>(v[0]);
        if (!script.packets.empty() && time < lastTime) {
            fail("time " + std::to_string(time) + " is before the previous packet's " +
                 std::to_string(lastTime));
            continue;
        }
        lastTime = time;
        ReplayPacket p;
        p.time = time;
        p.cursor = static_cast<uint32_t>(v[1]);
        p.buttons = static_cast<uint32_t>(v[2]);
        p.x = static_cast<int32_t>(v[3]);
        p.y = static_cast<int32_t>(v[4]);
        p.pressure = static_cast<uint32_t>(v[5]);
        script.packets.push_back(p);
    }
    return script;
}

}  // namespace wtstandin
