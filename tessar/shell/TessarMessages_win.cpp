#include "TessarMessages.h"

namespace tessar {

const UINT g_notifyIconMessage = RegisterWindowMessageA("NotifyIcon");
const UINT g_taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

}  // namespace tessar
