#pragma once
// Helper threads kept for the life of the process, for drawing the bands of a
// page side by side. Starting a thread costs milliseconds on some systems,
// more than drawing a band, so the threads start once and then wait.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CInkWorkers {
public:
    // The process's helpers: one fewer than the processor's cores, at most
    // three. Never destroyed: the threads wait until the process ends.
    static CInkWorkers& Shared();

    // How many parts can run at once: the helpers and the caller.
    int Width() const { return static_cast<int>(threads_.size()) + 1; }

    // Runs work(0) to work(parts - 1), on the calling thread and the helpers,
    // and returns once every part is done. Calls from several threads take
    // turns.
    void Run(int parts, const std::function<void(int)>& work);

    CInkWorkers(const CInkWorkers&) = delete;
    CInkWorkers& operator=(const CInkWorkers&) = delete;

private:
    explicit CInkWorkers(int helpers);
    void Serve();
    // Takes and runs parts of the current job until none is left; the lock
    // is held between parts.
    void WorkOn(std::unique_lock<std::mutex>& lock);

    std::mutex turn_;  // one job at a time
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void(int)>* work_ = nullptr;
    int parts_ = 0;
    int next_ = 0;  // the next part to take
    int done_ = 0;
    std::vector<std::thread> threads_;
};
