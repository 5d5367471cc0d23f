#pragma once
// What the file named on the command line opens: the toolbar loads a
// document at the end of its initialisation, the player shows itself and
// plays a recording at the end of its own.
#include "VexoSettings.h"

namespace vexo {

enum class StartupOpen { kNothing, kDocument, kRecording };

inline StartupOpen StartupOpenFor(const CommandLineInfo& commandLine)
{
    if (!commandLine.openFile) return StartupOpen::kNothing;
    return FileKindOf(commandLine.fileName) == kFileKindDocument ? StartupOpen::kDocument : StartupOpen::kRecording;
}

}  // namespace vexo
