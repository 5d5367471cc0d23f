#pragma once
// IIniStore over the platform's private-profile calls.
#include "IniStore.h"

namespace fw {

class PrivateProfileIni : public IIniStore {
public:
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
};

// The process's INI store.
IIniStore& Ini();

}  // namespace fw
