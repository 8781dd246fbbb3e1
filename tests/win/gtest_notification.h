// GoogleTest's Notification on an atomic flag, read before GoogleTest's own headers (forced include).
//
// GoogleTest builds its Notification from std::mutex and
// std::condition_variable, which the win32 thread model of this toolchain
// does not have; it takes a Notification provided beforehand instead. It is
// the hand-over to a thread GoogleTest starts for its own tests; nothing here
// starts one, so waiting may simply spin until the flag is set.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true, std::memory_order_release); }
  void WaitForNotification() {
    while (!notified_.load(std::memory_order_acquire)) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
