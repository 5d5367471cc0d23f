#include <chrono>
#include <cstdint>

namespace fw {

uint32_t PlatformTickCount()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace fw
