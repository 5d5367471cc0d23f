#include "DriverLink.h"

#include "DriverProtocol.h"

namespace tabletdriver {

HWND FindTarget(Target target)
{
    return FindWindowA(target == Target::Tessar ? kTessarClass : kOverlayClass, nullptr);
}

bool PostToTarget(const Post& post)
{
    const HWND window = FindTarget(post.target);
    return window && PostMessageA(window, post.message, static_cast<WPARAM>(post.wParam),
                                  static_cast<LPARAM>(post.lParam));
}

}  // namespace tabletdriver
