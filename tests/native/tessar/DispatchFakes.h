#pragma once
// Recording stand-ins for what the key actions and the key event handling
// ask of Windows, over the profile store fixture's machine.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeKeyboard.h"
#include "KeyActions.h"
#include "MacroKeyEvents.h"
#include "ProfileStoreFixture.h"

namespace tessar_test {

// Calls in order: "start <path>", "folder <dir>", "post 39", "pointer type 3", ...
struct FakeActionPlatform : tessar::IActionPlatform {
    std::vector<std::string> calls;
    std::map<int, std::string> folders = {{26, "C:\\Users\\u\\AppData\\Roaming"},
                                          {37, "C:\\Windows\\System32"},
                                          {38, "C:\\Program Files"},
                                          {42, "C:\\Program Files (x86)"},
                                          {5, "C:\\Users\\u\\Documents"}};
    std::map<int, std::string> otherFolders;
    std::set<std::string> inFront;
    std::map<std::string, int> startResults;  // default 42 (started)
    bool bound = true;
    int slideShowActive = 0;
    bool presenterRunning = false;
    int presenterAppearsAfterStarts = -1;  // the presenter shows up after this many starts
    int starts = 0;

    void ShowSettingsWindow() override { calls.push_back("show settings"); }
    std::string SpecialFolder(int csidl) override
    {
        auto it = folders.find(csidl);
        return it == folders.end() ? std::string() : it->second;
    }
    std::string FolderPath(int csidl) override
    {
        auto it = otherFolders.find(csidl);
        return it == otherFolders.end() ? std::string() : it->second;
    }
    void CreateFolder(const std::string& path) override { calls.push_back("mkdir " + path); }
    int Start(const std::string& path) override
    {
        calls.push_back("start " + path);
        ++starts;
        if (presenterAppearsAfterStarts == starts) presenterRunning = true;
        auto it = startResults.find(path);
        return it == startResults.end() ? 42 : it->second;
    }
    void OpenFolder(const std::string& folder) override { calls.push_back("folder " + folder); }
    bool IsClassInFront(const std::string& cls) override { return inFront.count(cls) > 0; }
    bool SlideShowBound() override { return bound; }
    int GetSlideShowActive() override
    {
        calls.push_back("slide show active?");
        return slideShowActive;
    }
    void SetPointerColor(std::uint32_t colour) override
    {
        calls.push_back("pointer colour " + std::to_string(colour));
    }
    void SetPointerType(int type) override { calls.push_back("pointer type " + std::to_string(type)); }
    bool PresenterRunning() override { return presenterRunning; }
    void PostToolbarCommand(int code) override { calls.push_back("post " + std::to_string(code)); }
    void Sleep(unsigned ms) override { calls.push_back("sleep " + std::to_string(ms)); }
    void DebugOutput(const std::string& text) override { calls.push_back("debug " + text); }
    void ShowPresenterMissing() override { calls.push_back("box Lumora not exist"); }
    std::uintptr_t OwnerWindow() override { return 0x1234; }
};

struct FakeLookup : tessar::IProgramLookup {
    std::map<std::string, std::string> appPaths;
    std::optional<std::string> installPath;
    std::map<std::string, std::vector<std::uint32_t>> processes;
    std::optional<std::string> FindAppPath(const std::string& name) override
    {
        auto it = appPaths.find(name);
        return it == appPaths.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::optional<std::string> FindInstallPath() override { return installPath; }
    std::vector<std::uint32_t> FindProcesses(const std::string& name) override
    {
        auto it = processes.find(name);
        return it == processes.end() ? std::vector<std::uint32_t>{} : it->second;
    }
};

// A machine with the tablet table of a 16-key top row (model 0x34) and one
// profile file; the OEM id is 0 unless a test writes another.
class DispatchTest : public ProfileStoreTest {
protected:
    static constexpr const char* kProfile = "Test";
    DispatchTest()
    {
        Init();
        ini.WriteInt(store.TabletTablePath(), "ControlPanel", "PID", 0x34);
        ini.WriteInt(store.TabletTablePath(), "MacroKey", "MacroSideOpen_0034", 3);
        ini.WriteInt(store.TabletTablePath(), "MacroKey", "MacroMax0034_UP", 8);
        ini.WriteInt(store.TabletTablePath(), "MacroKey", "MacroMax0034_BOTTOM", 4);
        store.LoadKeyCounts();
    }
    std::string Profile() { return store.ProfilePath(kProfile); }
    std::string Section() { return store.KeySection(); }
    void Key(int n, const std::string& command, int mode, int combo = -1, const std::string& hint = "")
    {
        store.WriteKey(kProfile, n, command, mode, hint, combo);
    }
    void Info(const std::string& key, const std::string& value)
    {
        ini.WriteString(Profile(), "FileInfo", key, value);
    }

    FakeKeyboard kb;
    tessar::CKeySequenceSender sender{kb};
    FakeActionPlatform platform;
    FakeLookup lookup;
    tessar::CKeyActionPerformer performer{store, platform, lookup, sender, kb};
};

}  // namespace tessar_test
