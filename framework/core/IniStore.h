#pragma once
// INI access as the platform's private-profile calls provide it. On Windows it
// is backed by GetPrivateProfile*A / WritePrivateProfileStringA; the portable
// TextIniStore follows the same rules over an IFileSystem for native tests.
#include <cstddef>
#include <string>
#include <vector>

#include "FileSystem.h"

namespace fw {

class IIniStore {
public:
    virtual ~IIniStore() = default;
    // GetPrivateProfileIntA: def when the key is missing or empty, otherwise the
    // leading number of the value (0 when there is none).
    virtual int GetInt(const std::string& file, const std::string& section,
                       const std::string& key, int def) = 0;
    // GetPrivateProfileStringA into a buffer of bufSize characters: the value
    // (or def when the key is missing) cut to bufSize - 1 characters.
    virtual std::string GetString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& def,
                                  size_t bufSize) = 0;
    // WritePrivateProfileStringA; creates the file and the section as needed.
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    virtual bool DeleteKey(const std::string& file, const std::string& section,
                           const std::string& key) = 0;
    virtual bool DeleteSection(const std::string& file, const std::string& section) = 0;
    virtual std::vector<std::string> SectionNames(const std::string& file) = 0;
    virtual std::vector<std::string> KeyNames(const std::string& file, const std::string& section) = 0;

    // Integers are stored as decimal text.
    bool WriteInt(const std::string& file, const std::string& section,
                  const std::string& key, int value)
    {
        return WriteString(file, section, key, std::to_string(value));
    }
};

// The integer rule of GetPrivateProfileIntA applied to a value that was found:
// leading blanks and control characters, an optional sign, then decimal
// digits, or a lower-case 0b, 0o or 0x prefix and binary, octal or hex
// digits; reading stops at the first other character; 32-bit wrap-around.
// def when the value is empty.
int ParseProfileInt(const std::string& value, int def);

// Reads and writes INI text the way the private-profile calls do: lines end at
// CR or LF, a UTF-8 byte-order mark is skipped, a header runs to its line's
// last "]", names compare without regard to case, blanks around names and
// values are dropped, a line without "=" is a key without a value, one pair
// of matching quotes around a value is dropped. Writes keep comments, blank
// lines and order. tests/shared/IniCases.h holds the behaviour, checked
// against the platform under Wine.
class TextIniStore : public IIniStore {
public:
    explicit TextIniStore(IFileSystem& fs) : fs_(fs) {}

    int GetInt(const std::string& file, const std::string& section, const std::string& key,
               int def) override;
    std::string GetString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& def, size_t bufSize) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool DeleteKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool DeleteSection(const std::string& file, const std::string& section) override;
    std::vector<std::string> SectionNames(const std::string& file) override;
    std::vector<std::string> KeyNames(const std::string& file, const std::string& section) override;

private:
    bool LeaveFile(const std::string& file);
    IFileSystem& fs_;
};

}  // namespace fw
