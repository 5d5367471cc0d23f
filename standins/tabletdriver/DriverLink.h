#pragma once
// Posting the driver's messages to Tessar's settings window or Vexo's overlay.
#include <windows.h>

#include "DriverCommandLine.h"

namespace tabletdriver {

HWND FindTarget(Target target);
// False when the target window does not exist or the post failed.
bool PostToTarget(const Post& post);

}  // namespace tabletdriver
