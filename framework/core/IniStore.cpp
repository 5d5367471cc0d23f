#include "IniStore.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

namespace fw {

namespace {

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One INI file as lines, so a write changes only the line it must.
class IniText {
public:
    explicit IniText(const std::string& text)
    {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t nl = text.find('\n', pos);
            std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines_.push_back(line);
            if (nl == std::string::npos) break;
            pos = nl + 1;
        }
    }

    std::string Text() const
    {
        std::string out;
        for (const auto& l : lines_) out += l + "\r\n";
        return out;
    }

    static std::optional<std::string> SectionOf(const std::string& line)
    {
        std::string t = Trim(line);
        if (t.size() < 2 || t[0] != '[') return std::nullopt;
        size_t close = t.find(']');
        if (close == std::string::npos) close = t.size();
        return Trim(t.substr(1, close - 1));
    }

    static bool IsComment(const std::string& line)
    {
        std::string t = Trim(line);
        return t.empty() || t[0] == ';';
    }

    static std::string KeyOf(const std::string& line)
    {
        size_t eq = line.find('=');
        return Trim(line.substr(0, eq));
    }

    // [first, last) line range of a section's body; first == npos when missing.
    std::pair<size_t, size_t> FindSection(const std::string& section) const
    {
        for (size_t i = 0; i < lines_.size(); ++i) {
            auto name = SectionOf(lines_[i]);
            if (name && SameName(*name, section)) {
                size_t end = i + 1;
                while (end < lines_.size() && !SectionOf(lines_[end])) ++end;
                return {i + 1, end};
            }
        }
        return {std::string::npos, std::string::npos};
    }

    size_t FindKey(const std::pair<size_t, size_t>& range, const std::string& key) const
    {
        if (range.first == std::string::npos) return std::string::npos;
        for (size_t i = range.first; i < range.second; ++i) {
            if (!IsComment(lines_[i]) && SameName(KeyOf(lines_[i]), key)) return i;
        }
        return std::string::npos;
    }

    std::optional<std::string> Get(const std::string& section, const std::string& key) const
    {
        size_t at = FindKey(FindSection(section), key);
        if (at == std::string::npos) return std::nullopt;
        const std::string& line = lines_[at];
        size_t eq = line.find('=');
        if (eq == std::string::npos) return std::string();
        std::string v = Trim(line.substr(eq + 1));
        if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
            v = v.substr(1, v.size() - 2);
        return v;
    }

    void Set(const std::string& section, const std::string& key, const std::string& value)
    {
        auto range = FindSection(section);
        std::string line = key + "=" + value;
        if (range.first == std::string::npos) {
            if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
            lines_.push_back("[" + section + "]");
            lines_.push_back(line);
            return;
        }
        size_t at = FindKey(range, key);
        if (at != std::string::npos) {
            lines_[at] = line;
            return;
        }
        // After the section's last entry, before any blank lines that separate it.
        size_t insert = range.second;
        while (insert > range.first && Trim(lines_[insert - 1]).empty()) --insert;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), line);
    }

    bool EraseKey(const std::string& section, const std::string& key)
    {
        size_t at = FindKey(FindSection(section), key);
        if (at == std::string::npos) return false;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
        return true;
    }

    bool EraseSection(const std::string& section)
    {
        auto range = FindSection(section);
        if (range.first == std::string::npos) return false;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range.first - 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range.second));
        return true;
    }

    std::vector<std::string> Sections() const
    {
        std::vector<std::string> out;
        for (const auto& l : lines_)
            if (auto name = SectionOf(l)) out.push_back(*name);
        return out;
    }

    std::vector<std::string> Keys(const std::string& section) const
    {
        std::vector<std::string> out;
        auto range = FindSection(section);
        if (range.first == std::string::npos) return out;
        for (size_t i = range.first; i < range.second; ++i)
            if (!IsComment(lines_[i])) out.push_back(KeyOf(lines_[i]));
        return out;
    }

private:
    std::vector<std::string> lines_;
};

IniText Load(IFileSystem& fs, const std::string& file)
{
    std::string text;
    fs.Read(file, text);
    return IniText(text);
}

}  // namespace

int ParseProfileInt(const std::string& value, int def)
{
    if (value.empty()) return def;
    size_t i = 0;
    while (i < value.size() && std::isspace(static_cast<unsigned char>(value[i]))) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    uint32_t result = 0;
    for (; i < value.size(); ++i) {
        int c = std::tolower(static_cast<unsigned char>(value[i]));
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else break;
        result = result * base + digit;
    }
    if (negative) result = 0u - result;
    return static_cast<int>(result);
}

int TextIniStore::GetInt(const std::string& file, const std::string& section,
                         const std::string& key, int def)
{
    // The platform reads the value into a 30-character buffer first.
    auto v = Load(fs_, file).Get(section, key);
    if (!v) return def;
    return ParseProfileInt(v->substr(0, 29), def);
}

std::string TextIniStore::GetString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& def, size_t bufSize)
{
    if (bufSize == 0) return std::string();
    auto v = Load(fs_, file).Get(section, key);
    std::string out = v ? *v : def;
    if (out.size() > bufSize - 1) out.resize(bufSize - 1);
    return out;
}

bool TextIniStore::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value)
{
    IniText ini = Load(fs_, file);
    ini.Set(section, key, value);
    return fs_.Write(file, ini.Text());
}

bool TextIniStore::DeleteKey(const std::string& file, const std::string& section,
                             const std::string& key)
{
    IniText ini = Load(fs_, file);
    if (!ini.EraseKey(section, key)) return true;
    return fs_.Write(file, ini.Text());
}

bool TextIniStore::DeleteSection(const std::string& file, const std::string& section)
{
    IniText ini = Load(fs_, file);
    if (!ini.EraseSection(section)) return true;
    return fs_.Write(file, ini.Text());
}

std::vector<std::string> TextIniStore::SectionNames(const std::string& file)
{
    return Load(fs_, file).Sections();
}

std::vector<std::string> TextIniStore::KeyNames(const std::string& file, const std::string& section)
{
    return Load(fs_, file).Keys(section);
}

}  // namespace fw
