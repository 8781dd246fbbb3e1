// The settings record shared by the Today item and the settings program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace ostrel {

enum BlockKind : std::int32_t {
  Wireless = 1,
  Time = 2,
  Date = 3,
  Calendar = 4,
  Launcher = 5,
  SysInfo = 6,
};

constexpr std::int32_t BlockCount = 6;

// Which deliverable holds the record: the two copies differ in a few fields
// and in what loading does after the registry has been read.
enum class Deliverable { Plugin, SettingsProgram };

constexpr int kPathCapacity = 260;
constexpr int kFormatCapacity = 100;
constexpr int kNameCapacity = 20;

struct FontSpec {
  char16_t FaceName[kPathCapacity] = {};
  std::int32_t Size = 0;
  std::int32_t Bold = 0;
  pf::COLORREF Color = 0;
  std::int32_t ClearType = 0;
};

struct WirelessSettings {
  std::int32_t Height = 0;
  FontSpec Font;
  std::int32_t ShowBT = 0;
  std::int32_t ShowWF = 0;
  std::int32_t ShowCalls = 0;
  std::int32_t ShowSMS = 0;
  std::int32_t ShowEMails = 0;
  char16_t Tap[kPathCapacity] = {};
};

enum DatePlacement : std::int32_t { DateNone = 0, DateLeft = 1, DateTop = 2, DateRight = 3, DateBottom = 4 };

struct TimeSettings {
  std::int32_t Height = 0;
  FontSpec Font1;
  std::int32_t TimeFormat = 0;
  std::int32_t ShowSeconds = 0;
  std::int32_t ShowAlarm = 0;
  FontSpec Font2;
  std::int32_t ShowDate = 0;
  char16_t Tap[kPathCapacity] = {};
};

struct DateSettings {
  std::int32_t Height = 0;
  FontSpec Font1;
  FontSpec Font2;
  char16_t Format1[kFormatCapacity] = {};
  char16_t Format2[kFormatCapacity] = {};
  char16_t Tap[kPathCapacity] = {};
};

struct CalendarSettings {
  std::int32_t Height = 0;
  FontSpec Font;
  FontSpec WeekdaysFont;
  pf::COLORREF ColorToday = 0;
  pf::COLORREF ColorSaturday = 0;
  pf::COLORREF ColorSunday = 0;
  pf::COLORREF ColorOther = 0;
  char16_t Tap[kPathCapacity] = {};
};

enum LauncherAlign : std::int32_t { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

struct LauncherSettings {
  std::int32_t Height = 0;
  std::int32_t BigIcons = 0;
  std::int32_t Align = 0;
};

enum MemoryDisplay : std::int32_t { PercentUsed = 0, Used = 1, Free = 2 };

struct SysInfoSettings {
  std::int32_t Height = 0;
  FontSpec Font;
  std::int32_t RamType = 0;
  std::int32_t PhoneType = 0;
  std::int32_t CardType = 0;
  char16_t Tap1[kPathCapacity] = {};
  char16_t Tap2[kPathCapacity] = {};
};

enum TapKind : std::int32_t { TapNone = 0, SingleTap = 1, DoubleTap = 2 };

// The settings body: what the settings program's block pages edit in a copy.
struct SettingsBody {
  std::int32_t FixedPageCount = 0;
  std::int32_t MarginLeft = 0;
  std::int32_t MarginTop = 0;
  std::int32_t MarginRight = 0;
  std::int32_t MarginBottom = 0;
  std::int32_t TapType = 0;
  ostrel::WirelessSettings WirelessSettings;
  ostrel::TimeSettings TimeSettings;
  ostrel::DateSettings DateSettings;
  ostrel::CalendarSettings CalendarSettings;
  ostrel::LauncherSettings LauncherSettings;
  ostrel::SysInfoSettings SysInfoSettings;
};

struct BlockEntry {
  std::int32_t Kind = 0;
  std::int32_t Order = 0;
  std::int32_t Visible = 0;
  char16_t Name[kNameCapacity] = {};  // settings program: the page name
  std::int32_t PixelHeight = 0;       // plug-in: the band height
};

struct BlockTable {
  std::int32_t BlockCount = ostrel::BlockCount;
  BlockEntry Entries[ostrel::BlockCount];

  BlockEntry& operator[](int position) { return Entries[position]; }
  const BlockEntry& operator[](int position) const { return Entries[position]; }
};

// A launcher entry's program path, at most kPathCapacity - 1 units as a path
// buffer holds it. The text is held once, in one allocation with its count of
// holders: the copies of the settings that a deliverable keeps (the loaded
// list, the settings program's working list) share it, and a path is never
// changed in place, only replaced.
class LauncherPath {
 public:
  LauncherPath() = default;
  // The text up to its end, cut to kPathCapacity - 1 units; null is empty.
  explicit LauncherPath(const char16_t* text);
  LauncherPath(const LauncherPath& other) noexcept;
  LauncherPath(LauncherPath&& other) noexcept : shared_(other.shared_) { other.shared_ = nullptr; }
  LauncherPath& operator=(const LauncherPath& other) noexcept;
  LauncherPath& operator=(LauncherPath&& other) noexcept;
  ~LauncherPath() { Release(); }

  const char16_t* Text() const;
  operator const char16_t*() const { return Text(); }  // NOLINT: read where a path buffer was

 private:
  struct Shared;  // the count of holders, then the units and their terminator
  void Release() noexcept;
  Shared* shared_ = nullptr;
};

struct LauncherEntry {
  LauncherPath Path;
  pf::IconHandle Icon{};  // plug-in only
  pf::RECT Bounds;        // plug-in only
};

struct Settings : SettingsBody {
  Deliverable Owner = Deliverable::Plugin;
  pf::ModuleHandle Module{};  // the running module, for OwnFolder
  ostrel::BlockTable BlockTable;
  std::vector<LauncherEntry> LauncherEntries;
  std::int32_t Enabled = 0;     // settings program only
  SettingsBody EditSettings;    // settings program only
};

// Page names of the settings program, by kind.
const char16_t* PageName(std::int32_t kind);
// Registry sub-key name of a kind ("Wireless", ...), nullptr outside 1..6.
const char16_t* BlockKeyName(std::int32_t kind);

// Sets the body, the block table and Enabled to the defaults (the launcher
// list is left alone). Density-scaled values ask the screen anew; false
// when the screen gave no density, so those defaults are not the right ones.
bool ResetToDefaults(Settings& settings);
// Stable bubble sort of the six rows by Order.
void SortBlocks(BlockTable& table);
void CopyBody(SettingsBody& destination, const SettingsBody& source);
// The running module's folder with its trailing backslash (empty when the
// path has no backslash); out holds kPathCapacity units.
void OwnFolder(pf::ModuleHandle module, char16_t* out);

// How loading found a value that it did not take from the registry.
enum class ValueState : std::uint8_t {
  Missing,  // not stored: the record holds its default
  Unread,   // stored, but its read failed: the record holds its default,
            // which must not be written over what is stored
};

// A value that loading did not read. An empty Name stands for every value
// of the key, kLauncherListName for the launcher list.
struct ValueNote {
  std::u16string Key;  // the key's path below its root
  std::u16string Name;
  ValueState State = ValueState::Missing;
};
constexpr const char16_t* kLauncherListName = u"FileName";

// What one load found, kept by the settings program for its saves: the
// record as loaded and the values it did not read.
struct StoredState {
  Settings Loaded;
  std::vector<ValueNote> Notes;
};

// Complete: every value was read or is missing (and took its default).
// ReadFailed: some read failed for another reason, so the record holds a
// default where something else is stored, or the screen gave no density for
// the scaled defaults; a later load may succeed.
enum class LoadResult { Complete, ReadFailed };

// Fills the record from the registry (see store.cpp); Owner and Module must
// be set before. With found, also notes what was missing or unread and keeps
// a copy of the record as loaded.
LoadResult LoadSettings(Settings& settings, StoredState* found = nullptr);
// Reads the launcher list again when the load noted it as not read to its
// end: on success the record and found's copy hold the list as stored now
// and the note is dropped. False while it stays unread (always when its
// whole key could not be opened), and then the record's list is a partial
// one that must not be saved.
bool RereadLauncherList(Settings& settings, StoredState& found);
// Writes Enabled and the record (settings program only). A failed registry
// operation does not stop the save; the result tells whether all succeeded.
// With found (from the load), a value that could not be read is written
// only when the record no longer holds what loading left there, and a
// launcher list that was not read to its end only when it was changed.
bool SaveSettings(const Settings& settings, const StoredState* found = nullptr);
// Writes back the record as found was loaded: what was read is written,
// what was missing is deleted again, what could not be read is left alone.
// True when every operation succeeded.
bool RestoreSettings(const StoredState& found);

}  // namespace ostrel
