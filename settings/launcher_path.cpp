// A launcher entry's program path: one allocation holding the count of its holders and the text.
#include <atomic>
#include <cstring>
#include <new>

#include "settings/settings.h"

namespace ostrel {

struct LauncherPath::Shared {
  std::atomic<std::uint32_t> holders{1};

  char16_t* Units() { return reinterpret_cast<char16_t*>(this + 1); }
};

LauncherPath::LauncherPath(const char16_t* text) {
  std::size_t length = 0;
  while (text != nullptr && length + 1 < kPathCapacity && text[length] != 0) ++length;
  if (length == 0) return;
  void* storage = ::operator new(sizeof(Shared) + (length + 1) * sizeof(char16_t));
  shared_ = new (storage) Shared;
  std::memcpy(shared_->Units(), text, length * sizeof(char16_t));
  shared_->Units()[length] = 0;
}

LauncherPath::LauncherPath(const LauncherPath& other) noexcept : shared_(other.shared_) {
  if (shared_ != nullptr) shared_->holders.fetch_add(1, std::memory_order_relaxed);
}

LauncherPath& LauncherPath::operator=(const LauncherPath& other) noexcept {
  Shared* held = other.shared_;  // taken before Release, which may be of this same path
  if (held != nullptr) held->holders.fetch_add(1, std::memory_order_relaxed);
  Release();
  shared_ = held;
  return *this;
}

LauncherPath& LauncherPath::operator=(LauncherPath&& other) noexcept {
  if (this != &other) {
    Release();
    shared_ = other.shared_;
    other.shared_ = nullptr;
  }
  return *this;
}

void LauncherPath::Release() noexcept {
  if (shared_ != nullptr && shared_->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    shared_->~Shared();
    ::operator delete(shared_);
  }
  shared_ = nullptr;
}

const char16_t* LauncherPath::Text() const { return shared_ != nullptr ? shared_->Units() : u""; }

}  // namespace ostrel
