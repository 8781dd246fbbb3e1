// The values of one registry key, held compactly: names and data in shared blocks, an index by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pf::host {

// A copy of a stored value.
struct RegValue {
  std::u16string name;  // as first written (names compare case-insensitively)
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;

  bool operator==(const RegValue& other) const {
    return name == other.name && type == other.type && data == other.data;
  }
};

// A stored value as it lies in its key; valid until the key's values change.
struct RegValueView {
  std::u16string_view name;
  std::uint32_t type = 0;
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  RegValue Copy() const { return RegValue{std::u16string(name), type, std::vector<std::uint8_t>(data, data + size)}; }
};

// A key's values in the order first written. Each value is one record (its
// name, then its data) in blocks that only grow at the end; a small entry
// per value says where its record lies, and an open-addressing table of
// entry numbers finds a value by name (ignoring case) without a scan.
// Replaced or removed records leave space behind, reclaimed by copying the
// live ones once the space left behind outweighs them.
class RegValueTable {
 public:
  std::size_t Size() const { return live_; }
  bool Find(std::u16string_view name, RegValueView* view) const;
  // Creates the value (keeping the name as given) or replaces its type and data.
  void Set(std::u16string_view name, std::uint32_t type, const std::uint8_t* data, std::size_t size);
  bool Remove(std::u16string_view name);

  // Entry numbers run from 0 to EntryCount(); removed ones are skipped by Live.
  std::size_t EntryCount() const { return entries_.size(); }
  bool Live(std::size_t entry) const { return entries_[entry].block != kRemoved; }
  RegValueView View(std::size_t entry) const;

 private:
  static constexpr std::uint32_t kRemoved = 0xFFFFFFFFu;
  struct Entry {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;  // in units of the block
    std::uint32_t hash = 0;
    std::uint32_t type = 0;
    std::uint32_t nameLength = 0;  // in units
    std::uint32_t size = 0;        // of the data, in bytes
  };
  struct Block {
    std::unique_ptr<char16_t[]> units;
    std::size_t capacity = 0;
    std::size_t used = 0;
  };

  static std::size_t RecordUnits(std::size_t nameLength, std::size_t size);
  std::size_t FindSlot(std::u16string_view name, std::uint32_t hash) const;
  void Place(Entry& entry, std::u16string_view name, const std::uint8_t* data, std::size_t size);
  char16_t* Reserve(std::size_t units, std::uint32_t* block, std::uint32_t* offset);
  void Index(std::uint32_t entry);
  void Insert(std::uint32_t entry);
  void Reindex();
  void Unindex(std::size_t slot);
  void CompactIfWasteful();

  std::vector<Block> blocks_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> slots_;  // entry number + 1; 0 is a free slot
  std::size_t live_ = 0;
  std::size_t liveUnits_ = 0;
  std::size_t deadUnits_ = 0;
};

// A key's values in the order first written, each read out as a copy.
class RegValueList {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = RegValue;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = RegValue;

    Iterator(const RegValueTable* table, std::size_t entry) : table_(table), entry_(entry) { SkipRemoved(); }
    RegValue operator*() const { return table_->View(entry_).Copy(); }
    Iterator& operator++() {
      ++entry_;
      SkipRemoved();
      return *this;
    }
    bool operator==(const Iterator& other) const { return entry_ == other.entry_; }
    bool operator!=(const Iterator& other) const { return entry_ != other.entry_; }

   private:
    void SkipRemoved() {
      while (entry_ < table_->EntryCount() && !table_->Live(entry_)) ++entry_;
    }
    const RegValueTable* table_;
    std::size_t entry_;
  };

  explicit RegValueList(const RegValueTable& table) : table_(&table) {}
  std::size_t size() const { return table_->Size(); }
  bool empty() const { return table_->Size() == 0; }
  Iterator begin() const { return Iterator(table_, 0); }
  Iterator end() const { return Iterator(table_, table_->EntryCount()); }

 private:
  const RegValueTable* table_;
};

}  // namespace pf::host
