// Mail program stand-in: Vexo hands it a picture to mail as
//   Posterly.exe Subject]Name.jpg]C:\path\to\picture]
// It composes a standard MIME message with the picture attached, saves it as
// an .eml file in the user's documents under "Lumora Mail" and opens it with
// the system's handler for .eml files, where the user addresses and sends it.
// It reads the picture whole before it returns, so the caller may delete it
// as soon as the process has ended.
//
// With LUMORA_POSTERLY_SILENT set, nothing is shown and nothing opened: texts
// go to standard output instead (the scripted tests read them there).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wincrypt.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "MailRequest.h"
#include "MimeMessage.h"
#include "Strings.h"
#include "resource.h"

namespace posterly {

namespace {

constexpr int kExitMailed = 0;
constexpr int kExitBadArguments = 2;
constexpr int kExitPictureUnreadable = 3;
constexpr int kExitNotSaved = 4;

constexpr DWORD kPictureMax = 64u << 20;
constexpr const char* kSender = "Lumora <lumora@localhost>";
constexpr const char* kMailFolder = "Lumora Mail";
constexpr int kNameTries = 100;

bool Silent() { return std::getenv("LUMORA_POSTERLY_SILENT") != nullptr; }

std::string Formatted(UINT id, const std::string& value)
{
    const std::string format = fw::LoadStr(id);
    std::string text;
    const std::size_t at = format.find("%s");
    if (at == std::string::npos) return format;
    return format.substr(0, at) + value + format.substr(at + 2);
}

void Tell(const std::string& text, UINT icon)
{
    if (Silent()) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        return;
    }
    fw::MsgBoxText(nullptr, text, fw::LoadStr(IDS_POSTERLY_CAPTION).c_str(), MB_OK | icon);
}

bool ReadPicture(const std::string& path, std::string& bytes, bool& tooLarge)
{
    tooLarge = false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok && size.QuadPart > kPictureMax) {
        tooLarge = true;
        ok = false;
    }
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

std::string Base64(const std::string& bytes)
{
    if (bytes.empty()) return {};
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    const BYTE* data = reinterpret_cast<const BYTE*>(bytes.data());
    DWORD length = 0;
    if (!CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, nullptr, &length)) return {};
    std::string text(length, '\0');
    if (!CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, &text[0], &length)) return {};
    // Line breaks are the message's business; some encoders add them anyway.
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n' && c != '\0') out += c;
    return out;
}

std::string MailDate(const SYSTEMTIME& now)
{
    TIME_ZONE_INFORMATION zone{};
    const DWORD kind = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (kind == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (kind == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    return FormatMailDate(now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond,
                          -static_cast<int>(bias));
}

std::string Charset()
{
    char name[32];
    std::snprintf(name, sizeof name, "windows-%u", GetACP());
    return name;
}

std::string TitleOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// A new file in "<documents>\Lumora Mail", never overwriting an older message.
bool SaveMessage(const std::string& message, const std::string& title, const SYSTEMTIME& now, std::string& path)
{
    char documents[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                documents))) {
        path = kMailFolder;
        return false;
    }
    const std::string folder = std::string(documents) + "\\" + kMailFolder;
    path = folder;
    CreateDirectoryA(folder.c_str(), nullptr);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u.%02u.%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    const std::string base = folder + "\\" + SafeFileName(title, "Picture") + " " + stamp;
    for (int n = 1; n <= kNameTries; ++n) {
        const std::string candidate = base + (n == 1 ? std::string() : " (" + std::to_string(n) + ")") + ".eml";
        HANDLE file = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return false;
        }
        DWORD written = 0;
        const bool ok = WriteFile(file, message.data(), static_cast<DWORD>(message.size()), &written, nullptr) &&
                        written == message.size();
        const bool closed = CloseHandle(file) != 0;
        if (!ok || !closed) {
            DeleteFileA(candidate.c_str());
            return false;
        }
        path = candidate;
        return true;
    }
    return false;
}

int Run()
{
    MailRequest request;
    const std::string arguments = ArgumentsOfCommandLine(GetCommandLineA());
    switch (ParseMailArguments(arguments, request)) {
    case ArgumentError::None:
        break;
    case ArgumentError::TooLong:
        Tell(fw::LoadStr(IDS_ARGUMENTS_TOO_LONG), MB_ICONSTOP);
        return kExitBadArguments;
    default:
        Tell(Formatted(IDS_BAD_ARGUMENTS, fw::LoadStr(IDS_USAGE)), MB_ICONSTOP);
        return kExitBadArguments;
    }

    std::string picture;
    bool tooLarge = false;
    if (!ReadPicture(request.picturePath, picture, tooLarge)) {
        Tell(Formatted(tooLarge ? IDS_PICTURE_TOO_LARGE : IDS_PICTURE_UNREADABLE, request.picturePath),
             MB_ICONSTOP);
        return kExitPictureUnreadable;
    }

    SYSTEMTIME now{};
    GetLocalTime(&now);
    char unique[64];
    std::snprintf(unique, sizeof unique, "%04u%02u%02u%02u%02u%02u.%lu.%lu", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond, GetCurrentProcessId(), GetTickCount());
    MailParts parts;
    parts.from = kSender;
    parts.subject = request.subject;
    parts.charset = Charset();
    parts.bodyText = Formatted(IDS_MAIL_BODY, request.attachmentName);
    parts.attachmentName = request.attachmentName;
    parts.attachmentBytes = picture;
    parts.date = MailDate(now);
    parts.messageId = std::string(unique) + "@posterly.localhost";
    // Base64 text and our own text part never hold "=_".
    parts.boundary = std::string("=_Posterly_") + unique;
    const std::string message = ComposeMessage(parts, Base64);

    std::string saved;
    if (!SaveMessage(message, TitleOf(request.attachmentName), now, saved)) {
        Tell(Formatted(IDS_MESSAGE_NOT_SAVED, saved), MB_ICONSTOP);
        return kExitNotSaved;
    }
    if (Silent()) {
        std::printf("%s\n", saved.c_str());
        return kExitMailed;
    }
    const HINSTANCE opened = ShellExecuteA(nullptr, "open", saved.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) <= 32) Tell(Formatted(IDS_MESSAGE_SAVED_NO_HANDLER, saved), MB_ICONINFORMATION);
    return kExitMailed;
}

}  // namespace

}  // namespace posterly

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return posterly::Run();
}
