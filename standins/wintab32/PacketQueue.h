#pragma once
// A context's packet queue: bounded, oldest first, every packet numbered with
// the context's next serial as it comes in.
#include <cstdint>
#include <deque>

#include "WintabTypes.h"

namespace wtstandin {

class PacketQueue {
public:
    static constexpr int kDefaultSize = 64;
    static constexpr int kMaxSize = 1024;

    PacketQueue() = default;

    // Gives the packet the next serial (0 is never used) and queues it. A full
    // queue loses its oldest packet; the packet that pushed it out carries
    // TPS_QUEUE_ERR, as a driver flags an overflow. Returns the serial.
    uint32_t Push(wintab::PACKET packet);

    // The packet with this serial, taken out together with every older one.
    // false, leaving the queue as it was, when no queued packet has it.
    bool Take(uint32_t serial, wintab::PACKET* out);

    // Takes up to max of the oldest packets into out (null: they are just
    // dropped) and returns how many were taken.
    int TakeOldest(int max, wintab::PACKET* out);

    // A new capacity between 1 and kMaxSize; the queued packets are lost.
    // false, changing nothing, for any other size.
    bool Resize(int size);

    int Capacity() const { return capacity_; }
    int Count() const { return static_cast<int>(packets_.size()); }

private:
    std::deque<wintab::PACKET> packets_;
    int capacity_ = kDefaultSize;
    uint32_t nextSerial_ = 1;
};

}  // namespace wtstandin
