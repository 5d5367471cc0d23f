#include "KeyActions.h"

#include <cctype>

namespace tessar {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The slide-show pointer's colour for command "1": red 100, green 155, blue 155.
constexpr std::uint32_t kPointerColour = 0x009B9B64;

struct OfficeTarget {
    const char* className;
    const char* ribbonKey;
};
constexpr OfficeTarget kOfficeTargets[] = {
    {"OpusApp", "%r"},        {"PP11FrameClass", "%r"}, {"PP12FrameClass", "%r"},
    {"XLMAIN", "%r"},         {"rctrl_renwnd32", "%h"},
};

}  // namespace

std::string NativeProgramFiles(const std::string& programFiles)
{
    if (EndsWith(programFiles, " (x86)")) return programFiles.substr(0, programFiles.size() - 6);
    if (EndsWith(programFiles, "(x86)")) return programFiles.substr(0, programFiles.size() - 5);
    return programFiles;
}

std::optional<std::string> MatchAppPath(const std::string& fileName,
                                        const std::vector<std::pair<std::string, std::string>>& entries)
{
    for (const auto& [key, path] : entries)
        if (EqualNoCase(key, fileName)) return path;
    return std::nullopt;
}

CKeyActionPerformer::CKeyActionPerformer(ProfileStore& store, IActionPlatform& platform,
                                         IProgramLookup& lookup, CKeySequenceSender& sender,
                                         ISendPlatform& sendPlatform)
    : store_(store), platform_(platform), lookup_(lookup), sender_(sender), sendPlatform_(sendPlatform)
{
}

bool CKeyActionPerformer::AddNamedHandler(NamedHandler handler)
{
    if (handlers_.size() >= kMaxNamedHandlers) return false;
    handlers_.push_back(std::move(handler));
    return true;
}

void CKeyActionPerformer::PerformKeyAction(const std::string& profile, int keyNumber)
{
    const KeyRecord key = store_.ReadKey(profile, keyNumber);
    switch (static_cast<MacroKeyMode>(key.mode)) {
    case MacroKeyMode::HotKey: SendHotKey(key); break;
    case MacroKeyMode::RunProgram: RunProgram(key.command); break;
    case MacroKeyMode::PresenterPointer: PresenterPointer(key.command); break;
    case MacroKeyMode::OfficeInk: OfficeInk(key.command); break;
    case MacroKeyMode::NamedHandler: CallNamedHandler(key.command); break;
    case MacroKeyMode::OpenFolder: OpenFolder(key.command); break;
    case MacroKeyMode::QuickLaunch:
        platform_.Start(platform_.SpecialFolder(kCsidlAppData) +
                        "\\Microsoft\\Internet Explorer\\Quick Launch\\" + key.command);
        break;
    case MacroKeyMode::Off:
    default:
        break;
    }
}

void CKeyActionPerformer::SendHotKey(const KeyRecord& key)
{
    std::string text = key.command;
    // The editor stores letters as the key list shows them, in capitals;
    // typed as they stand they would come with Shift.
    if (key.comboIndex >= 0 && key.comboIndex <= 25)
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    sender_.SendKeySequence(text, false);
}

void CKeyActionPerformer::RunProgram(const std::string& command)
{
    if (command == "Klavrun.exe") {
        platform_.ShowSettingsWindow();
        return;
    }
    if (command == "wincal.exe") {
        platform_.Start(platform_.SpecialFolder(kCsidlProgramFiles) + "\\Windows Calendar\\wincal.exe");
        return;
    }
    const std::optional<std::string> located = lookup_.FindAppPath(command);
    const std::string nativePf = NativeProgramFiles(platform_.SpecialFolder(kCsidlProgramFiles));
    if (command == "WindowsPhotoGallery.exe")
        platform_.Start(nativePf + "\\Windows Photo Gallery\\WindowsPhotoGallery.exe");
    else if (command == "wmplayer.exe")
        platform_.Start(nativePf + "\\Windows Media Player\\wmplayer.exe");
    else if (command == "Journal.exe")
        platform_.Start(nativePf + "\\Windows Journal\\Journal.exe");
    else if (located)
        platform_.Start(*located);
    else if (command == "SnippingTool.exe" || command == "StikyNot.exe")
        platform_.Start(platform_.SpecialFolder(kCsidlSystem) + "\\" + command);
    else
        platform_.Start(command);
}

void CKeyActionPerformer::PresenterPointer(const std::string& command)
{
    if (!platform_.SlideShowBound()) return;
    if (command == "1") {
        if (platform_.GetSlideShowActive() != 0) {
            platform_.SetPointerColor(kPointerColour);
            platform_.SetPointerType(3);
        }
    } else if (command == "2") {
        platform_.SetPointerType(5);
    } else if (command == "3") {
        platform_.SetPointerType(0);
    }
}

void CKeyActionPerformer::OfficeInk(const std::string& command)
{
    if (command != "1") return;
    for (const OfficeTarget& target : kOfficeTargets) {
        if (!platform_.IsClassInFront(target.className)) continue;
        // A sender of its own: the settings window's default delay stays out of it.
        CKeySequenceSender sender(sendPlatform_);
        sender.SendKeySequence(target.ribbonKey, false);
        sender.SendKeySequence("k", false);
        return;
    }
}

void CKeyActionPerformer::CallNamedHandler(const std::string& command)
{
    for (const NamedHandler& handler : handlers_) {
        if (handler.name != command) continue;
        if (handler.callback) handler.callback(platform_.OwnerWindow(), 5, 0, handler.parameter);
        return;
    }
}

void CKeyActionPerformer::OpenFolder(const std::string& command)
{
    const int csidl = ParseDecimal(command);
    std::string folder = platform_.SpecialFolder(csidl);
    if (folder.empty()) folder = platform_.FolderPath(csidl);
    if (folder.empty() && (csidl == kCsidlMyMusic || csidl == kCsidlMyPictures)) {
        // Systems without these folders keep them under the documents folder;
        // without that either there is nowhere sensible to make one.
        const std::string documents = platform_.SpecialFolder(kCsidlPersonal);
        if (documents.empty()) return;
        folder = documents + (csidl == kCsidlMyMusic ? "\\My Music" : "\\My Pictures");
        platform_.CreateFolder(folder);
    }
    platform_.OpenFolder(folder);
}

bool CKeyActionPerformer::StartPresenter(int csidl, const char* notice)
{
    if (platform_.Start(platform_.SpecialFolder(csidl) + "\\Lumora\\Vexo.exe") <= 31) return false;
    for (int i = 0; i < kPresenterWaitTries; ++i) {
        if (platform_.PresenterRunning()) {
            platform_.DebugOutput(notice);
            platform_.PostToolbarCommand(kToolBrushCommand);
            return true;
        }
        platform_.Sleep(kPresenterWaitMs);
    }
    return true;
}

void CKeyActionPerformer::HandPresenterKey(const std::string& profile, int keyNumber)
{
    platform_.DebugOutput("Lumora");
    if (platform_.PresenterRunning()) {
        platform_.PostToolbarCommand(store_.ReadKey(profile, keyNumber).comboIndex);
        return;
    }
    if (keyNumber == 16 || keyNumber == 32) return;
    if (StartPresenter(kCsidlProgramFiles, "Execute Lumora and Send Hotkey x86")) return;
    if (StartPresenter(kCsidlProgramFilesX86, "Execute Lumora and Send Hotkey x64")) return;
    platform_.ShowPresenterMissing();
}

}  // namespace tessar
