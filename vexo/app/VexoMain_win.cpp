#include <windows.h>

#include "VexoApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    CVexoApp app(instance);
    SetTheVexoApp(&app);
    app.InitInstance(commandLine ? commandLine : "");
    SetTheVexoApp(nullptr);
    return 0;
}
