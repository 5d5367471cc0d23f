// The INI store over a file of any text: reads never fail or run over their
// buffer, and a write or delete changes only what it names. The input is the
// file's text up to the first NUL, then operations, one byte each followed by
// their names and values.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "FileSystem.h"
#include "FuzzCheck.h"
#include "IniStore.h"

namespace {

constexpr const char kFile[] = "C:\\t.ini";
constexpr int kMaxOps = 12;

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A name or value the platform keeps as written: letters and digits, with
// inner blanks in values.
std::string Plain(const std::string& raw, bool value)
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string s;
    for (char c : raw.substr(0, 24)) {
        const unsigned u = static_cast<unsigned char>(c);
        s += value && u % 11 == 0 && !s.empty() ? ' ' : kAlphabet[u % 62];
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s.empty() ? "k" : s;
}

using Values = std::map<std::pair<std::string, std::string>, std::string>;  // (section, key) as listed

Values ReadAll(fw::TextIniStore& ini)
{
    Values all;
    for (const std::string& section : ini.SectionNames(kFile))
        for (const std::string& key : ini.KeyNames(kFile, section))
            all[{section, key}] = ini.GetString(kFile, section, key, "\x01", 4096);
    return all;
}

// Every value except those of the named key (or the whole section when key
// is empty) reads as it did.
void CheckOthersKept(const Values& before, const Values& after, const std::string& section, const std::string& key)
{
    for (const auto& [name, value] : before) {
        if (Lower(name.first) == Lower(section) && (key.empty() || Lower(name.second) == Lower(key))) continue;
        const auto it = after.find(name);
        FUZZ_CHECK(it != after.end());
        FUZZ_CHECK(it->second == value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    fw::MemoryFileSystem fs;
    fs.MakeDir("C:");
    fw::TextIniStore ini(fs);
    fs.Write(kFile, in.Until('\0'));

    for (int op = 0; op < kMaxOps && !in.Empty(); ++op) {
        const uint8_t kind = in.Byte();
        const size_t bufSize = 1 + in.Byte();
        const std::string section = in.Until('\n');
        const std::string key = in.Until('\n');
        const std::string value = in.Until('\n');
        switch (kind % 6) {
        case 0: {
            const std::string got = ini.GetString(kFile, section, key, value, bufSize);
            FUZZ_CHECK(got.size() < bufSize);
            break;
        }
        case 1:
            ini.GetInt(kFile, section, key, static_cast<int>(in.U32()));
            fw::ParseProfileInt(value, 7);
            break;
        case 2: {
            const std::string s = Plain(section, false), k = Plain(key, false), v = Plain(value, true);
            const Values before = ReadAll(ini);
            FUZZ_CHECK(ini.WriteString(kFile, s, k, v));
            FUZZ_CHECK(ini.GetString(kFile, s, k, "\x01", 4096) == v);
            CheckOthersKept(before, ReadAll(ini), s, k);
            break;
        }
        case 3: {
            const std::string s = Plain(section, false), k = Plain(key, false);
            const Values before = ReadAll(ini);
            ini.DeleteKey(kFile, s, k);
            FUZZ_CHECK(ini.GetString(kFile, s, k, "\x01", 4096) == "\x01");
            CheckOthersKept(before, ReadAll(ini), s, k);
            break;
        }
        case 4: {
            // Like the platform, a delete takes the first section of that
            // name; as many deletes as there are sections take them all.
            const std::string s = Plain(section, false);
            const Values before = ReadAll(ini);
            const size_t sections = ini.SectionNames(kFile).size();
            for (size_t i = 0; i <= sections && !ini.KeyNames(kFile, s).empty(); ++i) ini.DeleteSection(kFile, s);
            FUZZ_CHECK(ini.KeyNames(kFile, s).empty());
            CheckOthersKept(before, ReadAll(ini), s, "");
            break;
        }
        default:
            // Hostile names in writes: whatever happens, reads go on.
            ini.WriteString(kFile, section, key, value);
            ini.KeyNames(kFile, section);
            break;
        }
    }
    return 0;
}
