// The time a route spends in the platform's file and registry calls, measured by services that stand in front of the real ones.
#include "bench/win/win_bench.h"

#include "platform/files.h"
#include "platform/registry.h"

namespace ostrel::winbench {

namespace {

// Adds the time of one call to a tally.
class Stopwatch {
 public:
  explicit Stopwatch(CallTally& tally) : tally_(tally), start_(NowUs()) {}
  ~Stopwatch() {
    tally_.us += NowUs() - start_;
    ++tally_.calls;
  }
  Stopwatch(const Stopwatch&) = delete;
  Stopwatch& operator=(const Stopwatch&) = delete;

 private:
  CallTally& tally_;
  double start_;
};

class TimedFiles final : public pf::FilesService {
 public:
  explicit TimedFiles(CallTimes& times) : times_(times), real_(pf::PlatformFiles()) {}

  pf::FindHandle FindFirstFileW(const char16_t* pattern, pf::WIN32_FIND_DATAW* data) override {
    Stopwatch watch(times_.listing);
    return real_.FindFirstFileW(pattern, data);
  }
  int FindNextFileW(pf::FindHandle find, pf::WIN32_FIND_DATAW* data) override {
    Stopwatch watch(times_.listing);
    return real_.FindNextFileW(find, data);
  }
  int FindClose(pf::FindHandle find) override {
    Stopwatch watch(times_.listing);
    return real_.FindClose(find);
  }
  std::uint32_t GetFileAttributesW(const char16_t* path) override {
    Stopwatch watch(times_.listing);
    return real_.GetFileAttributesW(path);
  }
  std::uintptr_t SHGetFileInfoW(const char16_t* path, std::uint32_t attributes, pf::SHFILEINFOW* info,
                                std::uint32_t infoSize, std::uint32_t flags) override {
    const bool icon = (flags & SHGFI_ICON) != 0;  // the platform header's macro
    std::uintptr_t result = 0;
    {
      Stopwatch watch(icon ? times_.icons : times_.iconIndexes);
      result = real_.SHGetFileInfoW(path, attributes, info, infoSize, flags);
    }
    if (icon && info != nullptr && pf::IsNull(info->hIcon)) ++times_.iconsMissing;
    return result;
  }

 private:
  CallTimes& times_;
  pf::FilesService& real_;
};

class TimedRegistry final : public pf::RegistryService {
 public:
  explicit TimedRegistry(CallTimes& times) : times_(times), real_(pf::PlatformRegistry()) {}

  long RegOpenKeyExW(pf::KeyHandle root, const char16_t* subKey, std::uint32_t options,
                     std::uint32_t access, pf::KeyHandle* result) override {
    Stopwatch watch(times_.registry);
    return real_.RegOpenKeyExW(root, subKey, options, access, result);
  }
  long RegQueryValueExW(pf::KeyHandle key, const char16_t* name, std::uint32_t* reserved,
                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) override {
    Stopwatch watch(times_.registry);
    return real_.RegQueryValueExW(key, name, reserved, type, data, size);
  }
  long RegCreateKeyExW(pf::KeyHandle root, const char16_t* subKey, std::uint32_t reserved,
                       char16_t* keyClass, std::uint32_t options, std::uint32_t access, void* security,
                       pf::KeyHandle* result, std::uint32_t* disposition) override {
    Stopwatch watch(times_.registry);
    return real_.RegCreateKeyExW(root, subKey, reserved, keyClass, options, access, security, result,
                                 disposition);
  }
  long RegSetValueExW(pf::KeyHandle key, const char16_t* name, std::uint32_t reserved,
                      std::uint32_t type, const std::uint8_t* data, std::uint32_t size) override {
    Stopwatch watch(times_.registry);
    return real_.RegSetValueExW(key, name, reserved, type, data, size);
  }
  long RegDeleteValueW(pf::KeyHandle key, const char16_t* name) override {
    Stopwatch watch(times_.registry);
    return real_.RegDeleteValueW(key, name);
  }
  long RegCloseKey(pf::KeyHandle key) override {
    Stopwatch watch(times_.registry);
    return real_.RegCloseKey(key);
  }

 private:
  CallTimes& times_;
  pf::RegistryService& real_;
};

}  // namespace

struct CallTimer::Services {
  explicit Services(CallTimes& times) : files(times), registry(times) {}
  TimedFiles files;
  TimedRegistry registry;
};

CallTimer::CallTimer() : services_(new Services(times_)) {
  pf::SetFiles(&services_->files);
  pf::SetRegistry(&services_->registry);
}

CallTimer::~CallTimer() {
  pf::SetFiles(nullptr);
  pf::SetRegistry(nullptr);
}

}  // namespace ostrel::winbench
