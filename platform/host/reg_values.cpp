// The values of one registry key, held compactly: names and data in shared blocks, an index by name.
#include "platform/host/reg_values.h"

#include <algorithm>
#include <cstring>

#include "platform/host/memory_registry.h"

namespace pf::host {

namespace {

// A key's first block; each next one doubles up to the largest shared size.
// A record larger than that gets a block of its own.
constexpr std::size_t kFirstBlockUnits = 64;
constexpr std::size_t kLargestSharedBlockUnits = std::size_t{1} << 20;
// Space and entries left behind that are never worth a copy of the rest.
constexpr std::size_t kWasteAllowanceUnits = 4096;
constexpr std::size_t kWasteAllowanceEntries = 64;
constexpr std::size_t kSmallestIndex = 8;
constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

std::uint32_t NameHash(std::u16string_view name) {
  std::uint64_t hash = FoldHash()(name);
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

std::size_t RegValueTable::RecordUnits(std::size_t nameLength, std::size_t size) {
  return nameLength + (size + 1) / 2;
}

RegValueView RegValueTable::View(std::size_t entry) const {
  const Entry& e = entries_[entry];
  const char16_t* at = blocks_[e.block].units.get() + e.offset;
  return RegValueView{std::u16string_view(at, e.nameLength), e.type,
                      reinterpret_cast<const std::uint8_t*>(at + e.nameLength), e.size};
}

bool RegValueTable::Find(std::u16string_view name, RegValueView* view) const {
  std::size_t slot = FindSlot(name, NameHash(name));
  if (slot == kNoSlot) return false;
  *view = View(slots_[slot] - 1);
  return true;
}

std::size_t RegValueTable::FindSlot(std::u16string_view name, std::uint32_t hash) const {
  if (slots_.empty()) return kNoSlot;
  std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i] != 0; i = (i + 1) & mask) {
    const Entry& e = entries_[slots_[i] - 1];
    if (e.hash == hash && e.nameLength == name.size() &&
        FoldEqual()(std::u16string_view(blocks_[e.block].units.get() + e.offset, e.nameLength), name)) {
      return i;
    }
  }
  return kNoSlot;
}

void RegValueTable::Set(std::u16string_view name, std::uint32_t type, const std::uint8_t* data,
                        std::size_t size) {
  std::uint32_t hash = NameHash(name);
  std::size_t slot = FindSlot(name, hash);
  if (slot == kNoSlot) {
    Entry entry;
    entry.hash = hash;
    entry.type = type;
    Place(entry, name, data, size);
    entries_.push_back(entry);
    ++live_;
    Index(static_cast<std::uint32_t>(entries_.size() - 1));
    return;
  }
  Entry& entry = entries_[slots_[slot] - 1];
  std::size_t before = RecordUnits(entry.nameLength, entry.size);
  std::size_t after = RecordUnits(entry.nameLength, size);
  entry.type = type;
  liveUnits_ -= before;
  deadUnits_ += before;
  if (after <= before) {
    // Rewritten where it lies; what it no longer needs is left behind.
    auto* at = reinterpret_cast<std::uint8_t*>(blocks_[entry.block].units.get() + entry.offset + entry.nameLength);
    if (size > 0) std::memmove(at, data, size);
    if (size % 2 != 0) at[size] = 0;
    entry.size = static_cast<std::uint32_t>(size);
    liveUnits_ += after;
    deadUnits_ -= after;
  } else {
    // The record moves to the end, its name (as first written) with it.
    const char16_t* oldName = blocks_[entry.block].units.get() + entry.offset;
    Place(entry, std::u16string_view(oldName, entry.nameLength), data, size);
  }
  CompactIfWasteful();
}

bool RegValueTable::Remove(std::u16string_view name) {
  std::size_t slot = FindSlot(name, NameHash(name));
  if (slot == kNoSlot) return false;
  Entry& entry = entries_[slots_[slot] - 1];
  std::size_t units = RecordUnits(entry.nameLength, entry.size);
  liveUnits_ -= units;
  deadUnits_ += units;
  entry.block = kRemoved;
  --live_;
  Unindex(slot);
  CompactIfWasteful();
  return true;
}

// Copies the name and data to a new record at the end and points entry at it.
// Blocks never move, so name and data may lie in an older record.
void RegValueTable::Place(Entry& entry, std::u16string_view name, const std::uint8_t* data,
                          std::size_t size) {
  std::size_t units = RecordUnits(name.size(), size);
  char16_t* at = Reserve(units, &entry.block, &entry.offset);
  std::copy(name.begin(), name.end(), at);
  if (size > 0) {
    at[units - 1] = 0;  // the odd byte's partner
    std::memcpy(at + name.size(), data, size);
  }
  entry.nameLength = static_cast<std::uint32_t>(name.size());
  entry.size = static_cast<std::uint32_t>(size);
  liveUnits_ += units;
}

char16_t* RegValueTable::Reserve(std::size_t units, std::uint32_t* block, std::uint32_t* offset) {
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < units) {
    std::size_t last = blocks_.empty() ? 0 : blocks_.back().capacity;
    std::size_t shared = std::min(std::max(kFirstBlockUnits, last * 2), kLargestSharedBlockUnits);
    std::size_t capacity = std::max(units, shared);
    // Left uninitialised: a block's unused end costs no memory until written.
    blocks_.push_back(Block{std::unique_ptr<char16_t[]>(new char16_t[capacity]), capacity, 0});
  }
  Block& last = blocks_.back();
  *block = static_cast<std::uint32_t>(blocks_.size() - 1);
  *offset = static_cast<std::uint32_t>(last.used);
  last.used += units;
  return last.units.get() + *offset;
}

// Adds a live entry to the index, rebuilding it larger when it would be
// more than half full.
void RegValueTable::Index(std::uint32_t entry) {
  if (live_ * 2 > slots_.size()) {
    Reindex();
    return;
  }
  Insert(entry);
}

void RegValueTable::Insert(std::uint32_t entry) {
  std::size_t mask = slots_.size() - 1;
  std::size_t i = entries_[entry].hash & mask;
  while (slots_[i] != 0) i = (i + 1) & mask;
  slots_[i] = entry + 1;
}

void RegValueTable::Reindex() {
  std::size_t capacity = kSmallestIndex;
  while (capacity < live_ * 2) capacity *= 2;
  slots_.assign(capacity, 0);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (Live(i)) Insert(static_cast<std::uint32_t>(i));
  }
}

// Frees a slot, moving later entries of the same run back so that every
// entry stays reachable from its home slot without gaps.
void RegValueTable::Unindex(std::size_t slot) {
  std::size_t mask = slots_.size() - 1;
  std::size_t hole = slot;
  for (std::size_t i = (slot + 1) & mask; slots_[i] != 0; i = (i + 1) & mask) {
    std::size_t home = entries_[slots_[i] - 1].hash & mask;
    bool homeAfterHole = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
    if (homeAfterHole) continue;
    slots_[hole] = slots_[i];
    hole = i;
  }
  slots_[hole] = 0;
}

void RegValueTable::CompactIfWasteful() {
  std::size_t deadEntries = entries_.size() - live_;
  if (deadUnits_ <= liveUnits_ + kWasteAllowanceUnits && deadEntries <= live_ + kWasteAllowanceEntries) {
    return;
  }
  std::vector<Block> oldBlocks = std::move(blocks_);
  std::vector<Entry> oldEntries = std::move(entries_);
  blocks_.clear();
  entries_.clear();
  entries_.reserve(live_);
  liveUnits_ = 0;
  deadUnits_ = 0;
  for (const Entry& entry : oldEntries) {
    if (entry.block == kRemoved) continue;
    Entry moved = entry;
    std::size_t units = RecordUnits(entry.nameLength, entry.size);
    const char16_t* from = oldBlocks[entry.block].units.get() + entry.offset;
    std::copy(from, from + units, Reserve(units, &moved.block, &moved.offset));
    liveUnits_ += units;
    entries_.push_back(moved);
  }
  Reindex();
}

}  // namespace pf::host
