#include "Win32TabletPlatform.h"

#include <aclapi.h>
#include <shlobj.h>

#include "Strings.h"

namespace tessar {

namespace {

// Frees what the security functions hand back.
class ScopedLocal {
public:
    explicit ScopedLocal(HLOCAL h = nullptr) : h_(h) {}
    ~ScopedLocal()
    {
        if (h_) LocalFree(h_);
    }
    ScopedLocal(const ScopedLocal&) = delete;
    ScopedLocal& operator=(const ScopedLocal&) = delete;

private:
    HLOCAL h_;
};

class ScopedSid {
public:
    ScopedSid() = default;
    ~ScopedSid()
    {
        if (sid_) FreeSid(sid_);
    }
    ScopedSid(const ScopedSid&) = delete;
    ScopedSid& operator=(const ScopedSid&) = delete;
    PSID* Out() { return &sid_; }
    PSID Get() const { return sid_; }

private:
    PSID sid_ = nullptr;
};

std::string FromBuffer(const char* buf, UINT len, UINT cap)
{
    return len > 0 && len < cap ? std::string(buf, len) : std::string();
}

}  // namespace

std::string Win32SpecialFolders::CommonAppData()
{
    char buf[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buf, CSIDL_COMMON_APPDATA, TRUE)) return {};
    return buf;
}

std::string Win32SpecialFolders::SystemFolder()
{
    char buf[MAX_PATH] = {};
    return FromBuffer(buf, GetSystemDirectoryA(buf, MAX_PATH), MAX_PATH);
}

std::string Win32SpecialFolders::WindowsFolder()
{
    char buf[MAX_PATH] = {};
    return FromBuffer(buf, GetWindowsDirectoryA(buf, MAX_PATH), MAX_PATH);
}

void Win32AccessRights::GrantEveryone(const std::string& path)
{
    if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_ARCHIVE)) return;

    PACL oldDacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &oldDacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return;
    ScopedLocal descriptorGuard(descriptor);

    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    ScopedSid everyone;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, everyone.Out()))
        return;

    EXPLICIT_ACCESSA entry = {};
    entry.grfAccessPermissions = GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL;
    entry.grfAccessMode = GRANT_ACCESS;
    entry.grfInheritance = CONTAINER_INHERIT_ACE;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<LPSTR>(everyone.Get());

    PACL newDacl = nullptr;
    if (SetEntriesInAclA(1, &entry, oldDacl, &newDacl) != ERROR_SUCCESS) return;
    ScopedLocal newDaclGuard(newDacl);

    SetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                          nullptr, nullptr, newDacl, nullptr);
}

OsVersion Win32WindowsVersion::Version()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    // Deprecated, but its answer is what the shared files record and what the
    // default-profile choice was made for.
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)
#endif
    const BOOL ok = GetVersionExA(&info);
#ifdef _MSC_VER
#pragma warning(pop)
#endif
    if (!ok) return {};
    return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

void MessageBoxNotice::Show(const std::string& text, const std::string& caption)
{
    fw::MsgBoxText(owner_, text, caption.c_str(), MB_OK);
}

}  // namespace tessar
