// GoogleTest's Notification, for a runtime without std::mutex: the program is
// built with the compiler's win32-threads runtime, whose standard library has
// no std::mutex or std::condition_variable, the only things GoogleTest needs
// them for. GoogleTest uses it only to start its own test threads.
#pragma once

#ifdef __cplusplus
#include <atomic>

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_.store(true, std::memory_order_release); }
    void WaitForNotification() {
        // A spin: this runtime has nothing to sleep on, and the wait is short.
        while (!notified_.load(std::memory_order_acquire)) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

} // namespace testing::internal
#endif
