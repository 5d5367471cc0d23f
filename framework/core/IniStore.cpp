#include "IniStore.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

namespace fw {

namespace {

// The private-profile calls count ^Z (a DOS end of file) as a blank too.
bool IsBlank(char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == ' '; }

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string TrimLeft(const std::string& s)
{
    size_t b = 0;
    while (b < s.size() && IsBlank(s[b])) ++b;
    return s.substr(b);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One line of the file as the platform reads it.
struct IniLine {
    enum Kind { kBlank, kSection, kEntry } kind = kBlank;
    std::string text;   // as written, for writing the file back
    std::string name;   // section or key name, blanks dropped
    bool hasValue = false;
    std::string value;  // after "=", blanks dropped
};

IniLine ParseLine(const std::string& raw)
{
    IniLine line;
    line.text = raw;
    const std::string t = Trim(raw);
    if (t.empty()) return line;
    // A section header runs to the line's last "]"; a "[" without one is an
    // entry of the section before.
    const size_t close = t.rfind(']');
    if (t[0] == '[' && close != std::string::npos) {
        line.kind = IniLine::kSection;
        line.name = Trim(t.substr(1, close - 1));
        return line;
    }
    line.kind = IniLine::kEntry;
    const size_t eq = t.find('=');
    if (eq == std::string::npos) {
        line.name = t;
        return line;
    }
    line.name = Trim(t.substr(0, eq));
    line.hasValue = true;
    line.value = TrimLeft(t.substr(eq + 1));
    return line;
}

// One INI file as lines, so a write changes only the lines it must. The
// lines before the first header form the unnamed section "".
class IniText {
public:
    explicit IniText(std::string text)
    {
        // A UTF-8 byte-order mark is not part of the first line.
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            bom_ = true;
            text.erase(0, 3);
        }
        // Lines end at CR LF, a lone CR or a lone LF; blank lines are kept
        // for writing the file back.
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find_first_of("\r\n", pos);
            if (end == std::string::npos) end = text.size();
            lines_.push_back(ParseLine(text.substr(pos, end - pos)));
            pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }

    std::string Text() const
    {
        std::string out = bom_ ? "\xEF\xBB\xBF" : "";
        for (const auto& l : lines_) out += l.text + "\r\n";
        return out;
    }

    // Body line range [first, last) of the n-th section in file order
    // (0 = the unnamed one before the first header).
    struct Range {
        size_t header;  // npos for the unnamed section
        size_t first;
        size_t last;
    };

    std::vector<Range> Sections() const
    {
        std::vector<Range> out{{std::string::npos, 0, 0}};
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].kind != IniLine::kSection) continue;
            out.back().last = i;
            out.push_back({i, i + 1, 0});
        }
        out.back().last = lines_.size();
        return out;
    }

    std::string NameOf(const Range& r) const
    {
        return r.header == std::string::npos ? std::string() : lines_[r.header].name;
    }

    // The first section of that name: a lookup goes no further, even when a
    // later section has the same name.
    std::optional<Range> FindSection(const std::string& name) const
    {
        for (const Range& r : Sections())
            if (SameName(NameOf(r), name)) return r;
        return std::nullopt;
    }

    size_t FindKey(const Range& r, const std::string& key) const
    {
        for (size_t i = r.first; i < r.last; ++i)
            if (lines_[i].kind == IniLine::kEntry && SameName(lines_[i].name, key)) return i;
        return std::string::npos;
    }

    const IniLine* Find(const std::string& section, const std::string& key) const
    {
        auto r = FindSection(section);
        if (!r) return nullptr;
        size_t at = FindKey(*r, key);
        return at == std::string::npos ? nullptr : &lines_[at];
    }

    bool Set(const std::string& section, const std::string& key, const std::string& value)
    {
        const IniLine line = ParseLine(key + "=" + value);
        auto r = FindSection(section);
        if (!r) {
            if (!lines_.empty()) lines_.push_back(ParseLine(""));
            lines_.push_back(ParseLine("[" + section + "]"));
            lines_.push_back(line);
            return true;
        }
        const size_t at = FindKey(*r, key);
        if (at != std::string::npos) {
            if (lines_[at].hasValue && lines_[at].value == value) return false;
            // The key keeps the name it was written with.
            const std::string text = lines_[at].name + "=" + value;
            lines_[at] = ParseLine(text);
            return true;
        }
        // After the section's last entry, before the blank lines that
        // separate it from the next.
        size_t insert = r->last;
        while (insert > r->first && lines_[insert - 1].kind == IniLine::kBlank) --insert;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), line);
        return true;
    }

    // Deleting looks in every section of the name until the key is found,
    // and compares names as given.
    bool EraseKey(const std::string& section, const std::string& key)
    {
        for (const Range& r : Sections()) {
            if (!SameName(NameOf(r), section)) continue;
            size_t at = FindKey(r, key);
            if (at == std::string::npos) continue;
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
            return true;
        }
        return false;
    }

    bool EraseSection(const std::string& section)
    {
        for (const Range& r : Sections()) {
            if (!SameName(NameOf(r), section)) continue;
            const size_t from = r.header == std::string::npos ? r.first : r.header;
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(from),
                         lines_.begin() + static_cast<std::ptrdiff_t>(r.last));
            return true;
        }
        return false;
    }

    std::vector<std::string> SectionNames() const
    {
        std::vector<std::string> out;
        for (const auto& l : lines_)
            if (l.kind == IniLine::kSection && !l.name.empty()) out.push_back(l.name);
        return out;
    }

    // The names of the first section of that name with a value: lines
    // without "=" and comments are left out, and the list ends at an
    // entry without a name (the platform's list is zero-separated).
    std::vector<std::string> KeyNames(const std::string& section) const
    {
        std::vector<std::string> out;
        auto r = FindSection(section);
        if (!r) return out;
        for (size_t i = r->first; i < r->last; ++i) {
            const IniLine& l = lines_[i];
            if (l.kind != IniLine::kEntry || !l.hasValue || l.name[0] == ';') continue;
            if (l.name.empty()) break;
            out.push_back(l.name);
        }
        return out;
    }

private:
    bool bom_ = false;
    std::vector<IniLine> lines_;
};

IniText Load(IFileSystem& fs, const std::string& file)
{
    std::string text;
    if (!fs.Read(file, text)) text.clear();
    return IniText(std::move(text));
}

// What the platform copies into a buffer of bufSize characters: one pair of
// matching quotes dropped, but the closing one only when the whole rest
// fits, so a cut value keeps the opening quote's text.
std::string CopyEntry(const std::string& value, size_t bufSize)
{
    if (bufSize == 0) return std::string();
    std::string v = value;
    bool quoted = false;
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) {
        quoted = true;
        v.erase(0, 1);
    }
    std::string out = v.substr(0, std::min(v.size(), bufSize - 1));
    if (quoted && bufSize >= v.size() && !out.empty()) out.pop_back();
    return out;
}

// A default loses its trailing spaces (only spaces), keeping its first
// character.
std::string TrimDefault(const std::string& def)
{
    size_t end = def.size();
    while (end > 1 && def[end - 1] == ' ') --end;
    return def.substr(0, end);
}

}  // namespace

int ParseProfileInt(const std::string& value, int def)
{
    if (value.empty()) return def;
    size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ') ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        switch (value[i + 1]) {
        case 'b': base = 2; break;
        case 'o': base = 8; break;
        case 'x': base = 16; break;
        default: break;
        }
        if (base != 10) i += 2;
    }
    uint32_t result = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
        else break;
        if (digit >= base) break;
        result = result * base + digit;
    }
    if (negative) result = 0u - result;
    return static_cast<int>(result);
}

int TextIniStore::GetInt(const std::string& file, const std::string& section,
                         const std::string& key, int def)
{
    // The platform reads the value into a 30-character buffer first.
    return ParseProfileInt(GetString(file, section, key, "", 30), def);
}

std::string TextIniStore::GetString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& def, size_t bufSize)
{
    if (bufSize == 0) return std::string();
    const IniText ini = Load(fs_, file);
    const IniLine* line = ini.Find(Trim(section), Trim(key));
    return CopyEntry(line && line->hasValue ? line->value : TrimDefault(def), bufSize);
}

bool TextIniStore::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value)
{
    IniText ini = Load(fs_, file);
    if (!ini.Set(Trim(section), Trim(key), TrimLeft(value)) && fs_.FileExists(file)) return true;
    return fs_.Write(file, ini.Text());
}

// Windows creates an empty file when a delete finds no file (Wine does not);
// the call succeeds either way.
bool TextIniStore::LeaveFile(const std::string& file)
{
    if (!fs_.FileExists(file)) fs_.Write(file, "");
    return true;
}

bool TextIniStore::DeleteKey(const std::string& file, const std::string& section,
                             const std::string& key)
{
    IniText ini = Load(fs_, file);
    if (!ini.EraseKey(section, key)) return LeaveFile(file);
    return fs_.Write(file, ini.Text());
}

bool TextIniStore::DeleteSection(const std::string& file, const std::string& section)
{
    IniText ini = Load(fs_, file);
    if (!ini.EraseSection(section)) return LeaveFile(file);
    return fs_.Write(file, ini.Text());
}

std::vector<std::string> TextIniStore::SectionNames(const std::string& file)
{
    return Load(fs_, file).SectionNames();
}

std::vector<std::string> TextIniStore::KeyNames(const std::string& file, const std::string& section)
{
    return Load(fs_, file).KeyNames(section);
}

}  // namespace fw
