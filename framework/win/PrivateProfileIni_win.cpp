#include "PrivateProfileIni.h"

#include <windows.h>

namespace fw {

namespace {
// Splits a double-zero-terminated list of names.
std::vector<std::string> SplitNames(const std::vector<char>& buf, DWORD len)
{
    std::vector<std::string> out;
    for (DWORD i = 0; i < len;) {
        std::string name(&buf[i]);
        if (name.empty()) break;
        i += static_cast<DWORD>(name.size()) + 1;
        out.push_back(std::move(name));
    }
    return out;
}

std::vector<std::string> ReadNames(const char* section, const std::string& file)
{
    std::vector<char> buf(4096);
    for (;;) {
        DWORD len = GetPrivateProfileStringA(section, nullptr, "", buf.data(),
                                             static_cast<DWORD>(buf.size()), file.c_str());
        if (len < buf.size() - 2) return SplitNames(buf, len);
        buf.resize(buf.size() * 4);
    }
}
}  // namespace

int PrivateProfileIni::GetInt(const std::string& file, const std::string& section,
                              const std::string& key, int def)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, file.c_str()));
}

std::string PrivateProfileIni::GetString(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& def,
                                         size_t bufSize)
{
    if (bufSize == 0) return std::string();
    std::string buf(bufSize, '\0');
    DWORD len = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), &buf[0],
                                         static_cast<DWORD>(bufSize), file.c_str());
    buf.resize(len);
    return buf;
}

bool PrivateProfileIni::WriteString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

bool PrivateProfileIni::DeleteKey(const std::string& file, const std::string& section,
                                  const std::string& key)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
}

bool PrivateProfileIni::DeleteSection(const std::string& file, const std::string& section)
{
    return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) != 0;
}

std::vector<std::string> PrivateProfileIni::SectionNames(const std::string& file)
{
    return ReadNames(nullptr, file);
}

std::vector<std::string> PrivateProfileIni::KeyNames(const std::string& file,
                                                     const std::string& section)
{
    return ReadNames(section.c_str(), file);
}

IIniStore& Ini()
{
    static PrivateProfileIni ini;
    return ini;
}

}  // namespace fw
