// Fixed-capacity UTF-16 text helpers and bounded formatting.
#include "platform/text.h"

#include <cstdarg>
#include <cstring>

namespace pf {

std::size_t TextLength(const char16_t* text) {
  std::size_t n = 0;
  if (text == nullptr) return 0;
  while (text[n] != 0) ++n;
  return n;
}

std::size_t CopyText(char16_t* dst, std::size_t capacity, const char16_t* src) {
  if (dst == nullptr || capacity == 0) return 0;
  std::size_t n = 0;
  if (src != nullptr) {
    while (n + 1 < capacity && src[n] != 0) ++n;
    std::memmove(dst, src, n * sizeof(char16_t));
  }
  std::memset(dst + n, 0, (capacity - n) * sizeof(char16_t));
  return n;
}

void ClearText(char16_t* dst, std::size_t capacity) {
  if (dst != nullptr) std::memset(dst, 0, capacity * sizeof(char16_t));
}

bool TextEquals(const char16_t* a, const char16_t* b) {
  std::size_t i = 0;
  for (;; ++i) {
    if (a[i] != b[i]) return false;
    if (a[i] == 0) return true;
  }
}

namespace {

// Appends into a bounded buffer, remembering whether anything was cut.
class BoundedWriter {
 public:
  BoundedWriter(char16_t* dst, std::size_t capacity) : dst_(dst), capacity_(capacity) {}
  void Put(char16_t c) {
    if (dst_ != nullptr && length_ + 1 < capacity_) dst_[length_++] = c;
  }
  void PutAscii(const char* s) {
    while (*s) Put(static_cast<char16_t>(*s++));
  }
  void Finish() {
    if (dst_ != nullptr && capacity_ > 0) dst_[length_] = 0;
  }
  int Length() const { return static_cast<int>(length_); }

 private:
  char16_t* dst_;
  std::size_t capacity_;
  std::size_t length_ = 0;
};

void PutNumber(BoundedWriter& out, unsigned long long magnitude, bool negative, unsigned base,
               bool upper, bool zeroPad, int width) {
  char digits[32];
  int n = 0;
  const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  do {
    digits[n++] = set[magnitude % base];
    magnitude /= base;
  } while (magnitude != 0);
  int total = n + (negative ? 1 : 0);
  if (!zeroPad) {
    for (int i = total; i < width; ++i) out.Put(u' ');
  }
  if (negative) out.Put(u'-');
  if (zeroPad) {
    for (int i = total; i < width; ++i) out.Put(u'0');
  }
  while (n > 0) out.Put(static_cast<char16_t>(digits[--n]));
}

}  // namespace

int FormatText(char16_t* dst, std::size_t capacity, const char16_t* pattern, ...) {
  BoundedWriter out(dst, capacity);
  va_list args;
  va_start(args, pattern);
  for (const char16_t* p = pattern; *p != 0; ++p) {
    if (*p != u'%') {
      out.Put(*p);
      continue;
    }
    ++p;
    if (*p == u'%') {
      out.Put(u'%');
      continue;
    }
    bool zeroPad = false;
    if (*p == u'0') {
      zeroPad = true;
      ++p;
    }
    int width = 0;
    while (*p >= u'0' && *p <= u'9') width = width * 10 + (*p++ - u'0');
    bool isLong = false;
    if (*p == u'l') {
      isLong = true;
      ++p;
    }
    switch (*p) {
      case u's': {
        const char16_t* s = va_arg(args, const char16_t*);
        for (std::size_t i = 0; s != nullptr && s[i] != 0; ++i) out.Put(s[i]);
        break;
      }
      case u'i':
      case u'd': {
        long long v = isLong ? va_arg(args, long long) : va_arg(args, int);
        bool negative = v < 0;
        unsigned long long magnitude =
            negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        PutNumber(out, magnitude, negative, 10, false, zeroPad, width);
        break;
      }
      case u'u': {
        unsigned long long v = isLong ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
        PutNumber(out, v, false, 10, false, zeroPad, width);
        break;
      }
      case u'x':
      case u'X': {
        unsigned long long v = isLong ? va_arg(args, unsigned long long) : va_arg(args, unsigned);
        PutNumber(out, v, false, 16, *p == u'X', zeroPad, width);
        break;
      }
      case 0:
        --p;  // a lone '%' at the end: stop at the terminator
        break;
      default:
        out.Put(u'%');
        out.Put(*p);
        break;
    }
  }
  va_end(args);
  out.Finish();
  return out.Length();
}

}  // namespace pf
