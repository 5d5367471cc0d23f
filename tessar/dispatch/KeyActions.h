#pragma once
// What a macro key does once it may act: by its MacroKeyMode it types a key
// sequence, starts a program, commands the slide-show pointer, starts inking
// in an Office program, calls a named handler, opens a shell folder or runs a
// Quick Launch shortcut. Keys of the presenter profile go to Vexo instead,
// which is started first when it does not run.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "KeySequenceSender.h"
#include "ProfileStore.h"

namespace tessar {

// Shell folder ids (CSIDL values) the actions use.
enum Csidl : int {
    kCsidlPersonal = 5,
    kCsidlMyMusic = 13,
    kCsidlAppData = 26,
    kCsidlSystem = 37,
    kCsidlProgramFiles = 38,
    kCsidlMyPictures = 39,
    kCsidlProgramFilesX86 = 42,
};

// Vexo's toolbar window class and its command message.
inline constexpr char kPresenterClass[] = "LUMORA";
inline constexpr unsigned kWmToolbarCommand = 0x464;
inline constexpr int kToolBrushCommand = 40;
inline constexpr int kPresenterWaitTries = 15;
inline constexpr int kPresenterWaitMs = 500;

// The program folder without a trailing " (x86)": where a 32-bit program on
// a 64-bit Windows finds the native programs.
std::string NativeProgramFiles(const std::string& programFiles);

// App Paths: (subkey name, its default value) pairs; the path of the first
// whose name equals fileName without regard to case.
std::optional<std::string> MatchAppPath(const std::string& fileName,
                                        const std::vector<std::pair<std::string, std::string>>& entries);

// The lookups the event handling uses as well.
class IProgramLookup {
public:
    virtual ~IProgramLookup() = default;
    // App Paths entry of a file name.
    virtual std::optional<std::string> FindAppPath(const std::string& fileName) = 0;
    // The pen software's install folder (ends with a backslash).
    virtual std::optional<std::string> FindInstallPath() = 0;
    // Ids of the running processes of that name (image name without extension).
    virtual std::vector<std::uint32_t> FindProcesses(const std::string& name) = 0;
};

class IActionPlatform {
public:
    virtual ~IActionPlatform() = default;
    virtual void ShowSettingsWindow() = 0;
    // A shell folder by CSIDL, created when missing; empty when unknown.
    virtual std::string SpecialFolder(int csidl) = 0;
    // The same through the other shell call; empty when unknown.
    virtual std::string FolderPath(int csidl) = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    // Starts a program or document; the shell's result (above 32: started).
    virtual int Start(const std::string& path) = 0;
    virtual void OpenFolder(const std::string& folder) = 0;
    // A window of that class exists and is the foreground window.
    virtual bool IsClassInFront(const std::string& className) = 0;
    // The slide-show library: bound (all four functions found) and its calls.
    virtual bool SlideShowBound() = 0;
    virtual int GetSlideShowActive() = 0;
    virtual void SetPointerColor(std::uint32_t colour) = 0;
    virtual void SetPointerType(int type) = 0;
    // Vexo's toolbar window.
    virtual bool PresenterRunning() = 0;
    virtual void PostToolbarCommand(int code) = 0;
    virtual void Sleep(unsigned ms) = 0;
    virtual void DebugOutput(const std::string& text) = 0;
    // "Lumora not exist", a plain box owned by the settings window.
    virtual void ShowPresenterMissing() = 0;
    // The settings window, for the named handlers.
    virtual std::uintptr_t OwnerWindow() = 0;
};

// A named handler: called with (settings window, 5, 0, parameter).
struct NamedHandler {
    std::string name;
    void (*callback)(std::uintptr_t window, int code, int arg, std::uint32_t parameter) = nullptr;
    std::uint32_t parameter = 0;
};
inline constexpr std::size_t kMaxNamedHandlers = 51;

class CKeyActionPerformer {
public:
    CKeyActionPerformer(ProfileStore& store, IActionPlatform& platform, IProgramLookup& lookup,
                        CKeySequenceSender& sender, ISendPlatform& sendPlatform);

    // Key n of the active profile; the profile's name is the settings
    // window's selection at the moment of the call.
    void PerformKeyAction(const std::string& profile, int keyNumber);
    // Key n of the presenter profile, handed to Vexo.
    void HandPresenterKey(const std::string& profile, int keyNumber);

    // Nothing registers handlers yet; the table is kept for them.
    bool AddNamedHandler(NamedHandler handler);

private:
    void SendHotKey(const KeyRecord& key);
    void RunProgram(const std::string& command);
    void PresenterPointer(const std::string& command);
    void OfficeInk(const std::string& command);
    void CallNamedHandler(const std::string& command);
    void OpenFolder(const std::string& command);
    bool StartPresenter(int csidl, const char* notice);

    ProfileStore& store_;
    IActionPlatform& platform_;
    IProgramLookup& lookup_;
    CKeySequenceSender& sender_;
    ISendPlatform& sendPlatform_;
    std::vector<NamedHandler> handlers_;
};

}  // namespace tessar
