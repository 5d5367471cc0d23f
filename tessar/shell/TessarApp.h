#pragma once
// Tessar's application object: one copy per user; a second start hands over
// to the running copy; the settings window runs for the life of the program.
#include <windows.h>

#include <string>

class CTessarDlg;

class CTessarApp {
public:
    explicit CTessarApp(HINSTANCE instance);

    // The whole program: returns when the settings window has ended, or at
    // once for a second start.
    int InitInstance(const char* commandLine);

    // The executable's name; the caption of the application's message boxes.
    const std::string& Title() const { return title_; }
    int MessageBoxFromTable(HWND owner, UINT textId, UINT flags) const;

    HINSTANCE Instance() const { return instance_; }
    // The settings window while it runs, else null.
    HWND MainWindow() const;
    CTessarDlg* MainDialog() const { return mainDlg_; }

    // The flag shared by every process of this executable file.
    static LONG StartFlag();

private:
    void RegisterTessarClass() const;

    HINSTANCE instance_;
    std::string title_;
    CTessarDlg* mainDlg_ = nullptr;
};

CTessarApp& TheTessarApp();
void SetTheTessarApp(CTessarApp* app);
