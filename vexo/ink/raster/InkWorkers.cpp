#include "InkWorkers.h"

#include <algorithm>

namespace {

constexpr unsigned kMaxHelpers = 3;

}  // namespace

CInkWorkers& CInkWorkers::Shared()
{
    static CInkWorkers* const workers = [] {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        return new CInkWorkers(static_cast<int>(std::min(cores - 1, kMaxHelpers)));
    }();
    return *workers;
}

CInkWorkers::CInkWorkers(int helpers)
{
    for (int i = 0; i < helpers; ++i) {
        try {
            threads_.emplace_back(&CInkWorkers::Serve, this);
            threads_.back().detach();
        } catch (...) {
            break;  // fewer helpers; the caller still does every part left
        }
    }
}

void CInkWorkers::Serve()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return next_ < parts_; });
        WorkOn(lock);
    }
}

void CInkWorkers::WorkOn(std::unique_lock<std::mutex>& lock)
{
    while (next_ < parts_) {
        const int part = next_++;
        const std::function<void(int)>& work = *work_;
        lock.unlock();
        try {
            work(part);
        } catch (...) {
            // A part that fails leaves its pixels undrawn, like a failed
            // drawing call; the others go on.
        }
        lock.lock();
        if (++done_ == parts_) finished_.notify_all();
    }
}

void CInkWorkers::Run(int parts, const std::function<void(int)>& work)
{
    if (parts <= 0) return;
    std::lock_guard<std::mutex> turn(turn_);
    std::unique_lock<std::mutex> lock(mutex_);
    work_ = &work;
    parts_ = parts;
    next_ = 0;
    done_ = 0;
    if (parts > 1) wake_.notify_all();
    WorkOn(lock);
    finished_.wait(lock, [this] { return done_ == parts_; });
    work_ = nullptr;
    parts_ = 0;
    next_ = 0;
}
