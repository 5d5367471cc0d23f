#include "PacketQueue.h"

namespace wtstandin {

uint32_t PacketQueue::Push(wintab::PACKET packet)
{
    const uint32_t serial = nextSerial_;
    nextSerial_ = nextSerial_ == UINT32_MAX ? 1 : nextSerial_ + 1;
    packet.pkSerialNumber = serial;
    if (Count() >= capacity_) {
        packets_.pop_front();
        packet.pkStatus |= wintab::TPS_QUEUE_ERR;
    }
    packets_.push_back(packet);
    return serial;
}

bool PacketQueue::Take(uint32_t serial, wintab::PACKET* out)
{
    for (auto it = packets_.begin(); it != packets_.end(); ++it) {
        if (it->pkSerialNumber != serial) continue;
        if (out) *out = *it;
        packets_.erase(packets_.begin(), it + 1);
        return true;
    }
    return false;
}

int PacketQueue::TakeOldest(int max, wintab::PACKET* out)
{
    int taken = 0;
    while (taken < max && !packets_.empty()) {
        if (out) out[taken] = packets_.front();
        packets_.pop_front();
        ++taken;
    }
    return taken;
}

bool PacketQueue::Resize(int size)
{
    if (size < 1 || size > kMaxSize) return false;
    capacity_ = size;
    packets_.clear();
    return true;
}

}  // namespace wtstandin
