#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "Gdi.h"
#include "Handle.h"
#include "PrivateProfileIni.h"
#include "VexoApp.h"
#include "WintabPressure.h"

namespace {

// A scratch folder under %TEMP% with a settings file path in it.
class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "lumora-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const char* name : {"Vexo.ini", "template.ini"}) DeleteFileA(File(name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const char* name) const { return path_ + "\\" + name; }

private:
    static inline int counter_ = 0;
    std::string path_;
};

class ScopedWindowClass {
public:
    explicit ScopedWindowClass(const char* name) : name_(name)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    ~ScopedWindowClass() { UnregisterClassA(name_, GetModuleHandleA(nullptr)); }

private:
    const char* name_;
};

class ScopedWindow {
public:
    ScopedWindow(const char* cls, const char* title)
        : hwnd_(CreateWindowExA(0, cls, title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~ScopedWindow() { DestroyWindow(hwnd_); }
    explicit operator bool() const { return hwnd_ != nullptr; }

private:
    HWND hwnd_;
};

class VexoAppTest : public ::testing::Test {
protected:
    void SetUp() override { app.SetSettingsPath(folder.File("Vexo.ini")); }
    void Write(const char* section, const char* key, const std::string& value)
    {
        WritePrivateProfileStringA(section, key, value.c_str(), app.SettingsPath().c_str());
    }

    TempFolder folder;
    CVexoApp app{GetModuleHandleA(nullptr)};
};

TEST_F(VexoAppTest, SettingsPathIsInTheCommonAppDataFolder)
{
    CVexoApp fresh(GetModuleHandleA(nullptr));
    char common[MAX_PATH];
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, common, CSIDL_COMMON_APPDATA, FALSE));
    EXPECT_EQ(fresh.SettingsPath(), std::string(common) + "\\Vexo.ini");
    const std::string program = CVexoApp::GetProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_NE(program.back(), '\\');
}

TEST_F(VexoAppTest, MissingSettingsGiveDefaults)
{
    app.LoadSettings();
    EXPECT_EQ(app.Settings().style, 0);
    EXPECT_EQ(app.Settings().transparent, 0);
    EXPECT_EQ(app.Settings().htmlHelp, 0);
    EXPECT_EQ(app.Title(), "Lumora");  // string 103
}

TEST_F(VexoAppTest, TemplateIsCopiedOnlyWhenNoSettingsFileExists)
{
    const std::string templ = folder.File("template.ini");
    WritePrivateProfileStringA("UI", "Style", "2", templ.c_str());

    CVexoApp::EnsureSettingsFile(app.SettingsPath(), folder.File("missing.ini"));
    EXPECT_EQ(GetFileAttributesA(app.SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);

    CVexoApp::EnsureSettingsFile(app.SettingsPath(), templ);
    app.LoadSettings();
    EXPECT_EQ(app.Settings().style, 2);

    // The user's own file is never replaced by the template.
    Write("UI", "Style", "0");
    CVexoApp::EnsureSettingsFile(app.SettingsPath(), templ);
    app.LoadSettings();
    EXPECT_EQ(app.Settings().style, 0);
}

TEST_F(VexoAppTest, CompactStyleForcesTransparent)
{
    Write("UI", "Style", "1");
    Write("UI", "TRANSPARENT", "0");
    app.LoadSettings();
    EXPECT_EQ(app.Settings().transparent, 1);
}

TEST_F(VexoAppTest, OtherInstanceNeedsTheOverlayWindow)
{
    ScopedWindowClass overlayClass("MyWnd");
    ScopedWindowClass toolbarClass("LumoraTestToolbar");
    ScopedWindow toolbar("LumoraTestToolbar", "Lumora");
    ASSERT_TRUE(toolbar);
    EXPECT_FALSE(app.CheckOtherInstance());
    {
        ScopedWindow overlay("MyWnd", "");
        ASSERT_TRUE(overlay);
        EXPECT_TRUE(app.CheckOtherInstance());
    }
    EXPECT_FALSE(app.CheckOtherInstance());
}

TEST_F(VexoAppTest, LongTitleIsCutTo63CharactersForTheSearch)
{
    const std::string longTitle = std::string(63, 'A') + "BCDEFGHIJKLMNOPQ";
    Write("Name", "Title", longTitle);
    EXPECT_EQ(app.Title(), longTitle.substr(0, 63));

    ScopedWindowClass overlayClass("MyWnd");
    ScopedWindowClass toolbarClass("LumoraTestToolbar");
    ScopedWindow overlay("MyWnd", "");
    ScopedWindow fullTitle("LumoraTestToolbar", longTitle.c_str());
    EXPECT_FALSE(app.CheckOtherInstance());
    ScopedWindow cutTitle("LumoraTestToolbar", longTitle.substr(0, 63).c_str());
    EXPECT_TRUE(app.CheckOtherInstance());
}

TEST(VexoServices, LaunchProgramReportsStartAndWait)
{
    CVexoApp app(GetModuleHandleA(nullptr));
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string cmd = std::string(system) + "\\cmd.exe";
    EXPECT_TRUE(app.LaunchProgram(cmd, "/c exit 3", true));
    EXPECT_FALSE(app.LaunchProgram(std::string(system) + "\\no-such-program.exe", "", true));
}

TEST(VexoServices, DrawTextAtDrawsInTheColourAndRestoresTheDC)
{
    HDC screen = GetDC(nullptr);
    fw::ScopedMemDC dc(screen);
    fw::ScopedBitmap bitmap(CreateCompatibleBitmap(screen, 120, 40));
    ReleaseDC(nullptr, screen);
    fw::ScopedSelect select(dc, bitmap);
    RECT all = {0, 0, 120, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, OPAQUE);

    CVexoApp::DrawTextAt(dc, 2, 2, "00:12:34", RGB(255, 0, 0), 16);

    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
    EXPECT_GT(red, 20);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
}

TEST(VexoServices, PressureRangeComesFromTheInstalledWintab)
{
    // The installation puts the tablet driver's wintab32.dll in the system folder.
    CWintabPressureQuery query;
    EXPECT_EQ(query.QueryMaxPressure(), 2047);
}

// The real program, as installed: a second start of the same executable ends
// while the first keeps its toolbar.
TEST(VexoProcess, SecondStartOfTheSameExecutableEnds)
{
    char programFiles[MAX_PATH];
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, programFiles, CSIDL_PROGRAM_FILES, FALSE));
    std::string exe = std::string(programFiles) + "\\Lumora\\" VEXO_EXE_NAME;
    ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
    ASSERT_EQ(FindWindowA(CVexoApp::kToolbarClass, nullptr), nullptr) << "a Vexo is already running";

    auto start = [&](PROCESS_INFORMATION& pi) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string cmd = "\"" + exe + "\"";
        return CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &pi) != 0;
    };
    PROCESS_INFORMATION first = {};
    ASSERT_TRUE(start(first));
    fw::ScopedHandle firstProcess(first.hProcess), firstThread(first.hThread);
    HWND toolbar = nullptr;
    for (int i = 0; i < 400 && !toolbar; ++i, Sleep(50))
        toolbar = FindWindowA(CVexoApp::kToolbarClass, nullptr);
    ASSERT_NE(toolbar, nullptr);

    PROCESS_INFORMATION second = {};
    ASSERT_TRUE(start(second));
    fw::ScopedHandle secondProcess(second.hProcess), secondThread(second.hThread);
    EXPECT_EQ(WaitForSingleObject(secondProcess, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(firstProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindow(toolbar));

    PostMessageA(toolbar, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(firstProcess, 20000), WAIT_OBJECT_0);
}

}  // namespace
