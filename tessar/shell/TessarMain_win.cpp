#include <windows.h>

#include "TessarApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    CTessarApp app(instance);
    SetTheTessarApp(&app);
    const int code = app.InitInstance(commandLine ? commandLine : "");
    SetTheTessarApp(nullptr);
    return code;
}
