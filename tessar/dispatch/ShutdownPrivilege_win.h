#pragma once
// Holds the shutdown privilege in the process token for as long as it
// lives, so the driver's suspend request can be carried out. A failing step
// is reported in an error box and changes nothing else.
#include <windows.h>

namespace tessar {

class CShutdownPrivilege {
public:
    CShutdownPrivilege() { Adjust(true); }
    ~CShutdownPrivilege() { Adjust(false); }
    CShutdownPrivilege(const CShutdownPrivilege&) = delete;
    CShutdownPrivilege& operator=(const CShutdownPrivilege&) = delete;

    bool Held() const { return held_; }

private:
    void Adjust(bool enable);
    bool held_ = false;
};

}  // namespace tessar
