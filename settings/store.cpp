// Loading and saving the settings record in the registry.
#include <cstring>

#include "platform/registry.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace ostrel {

namespace {

constexpr const char16_t* kTodayItemKey = u"Software\\Microsoft\\Today\\Items\\Ostrel";
constexpr const char16_t* kRootKey = u"Software\\Vekta\\Ostrel";
constexpr std::uint32_t kNumberBytes = 4;

std::int32_t LittleEndianInt(const std::uint8_t* bytes) {
  std::uint32_t v = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                    (static_cast<std::uint32_t>(bytes[2]) << 16) |
                    (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(v);
}

// Reads values of one open key; a value that is missing or does not fit its
// capacity leaves the field as it was.
class KeyReader {
 public:
  explicit KeyReader(pf::KeyHandle key) : key_(key) {}
  static constexpr bool Writing = false;

  bool Int(const char16_t* name, std::int32_t& field) {
    std::uint8_t bytes[kNumberBytes] = {};
    std::uint32_t type = 0;
    std::uint32_t size = kNumberBytes;
    if (pf::RegQueryValueExW(key_, name, nullptr, &type, bytes, &size) != pf::ERROR_SUCCESS) return false;
    field = LittleEndianInt(bytes);  // a shorter value is zero-extended
    return true;
  }
  bool Int(const char16_t* name, std::uint32_t& field) {
    std::int32_t value = static_cast<std::int32_t>(field);
    if (!Int(name, value)) return false;
    field = static_cast<std::uint32_t>(value);
    return true;
  }
  // Reads through a zeroed scratch buffer so that a stored text without a
  // terminator never mixes with what the field held; a text that fills the
  // whole capacity is cut to keep it terminated.
  bool Text(const char16_t* name, char16_t* field, int capacityUnits) {
    char16_t scratch[kPathCapacity] = {};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(capacityUnits) * 2;
    if (pf::RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<std::uint8_t*>(scratch), &size) !=
        pf::ERROR_SUCCESS) {
      return false;
    }
    scratch[capacityUnits - 1] = 0;
    pf::ClearText(field, capacityUnits);
    pf::CopyText(field, capacityUnits, scratch);
    return true;
  }

 private:
  pf::KeyHandle key_;
};

// Writes values into one open key; failed writes are ignored.
class KeyWriter {
 public:
  explicit KeyWriter(pf::KeyHandle key) : key_(key) {}
  static constexpr bool Writing = true;

  void Int(const char16_t* name, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    std::uint8_t bytes[kNumberBytes] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                        static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    pf::RegSetValueExW(key_, name, 0, pf::REG_DWORD, bytes, kNumberBytes);
  }
  void Int(const char16_t* name, std::uint32_t value) { Int(name, static_cast<std::int32_t>(value)); }
  void Text(const char16_t* name, const char16_t* text, int /*capacityUnits*/) {
    auto size = static_cast<std::uint32_t>((pf::TextLength(text) + 1) * 2);
    pf::RegSetValueExW(key_, name, 0, pf::REG_SZ, reinterpret_cast<const std::uint8_t*>(text), size);
  }
  void Delete(const char16_t* name) { pf::RegDeleteValueW(key_, name); }

 private:
  pf::KeyHandle key_;
};

// The values of each block key, in their stored order. The same visit serves
// loading (KeyReader) and saving (KeyWriter).
template <class V, class W>
void VisitWireless(V& v, W& w) {
  v.Text(u"FontName", w.Font.FaceName, kPathCapacity);
  v.Text(u"Tap", w.Tap, kPathCapacity);
  v.Int(u"FontSize", w.Font.Size);
  v.Int(u"FontBold", w.Font.Bold);
  v.Int(u"FontColor", w.Font.Color);
  v.Int(u"ClearType", w.Font.ClearType);
  v.Int(u"Height", w.Height);
  v.Int(u"ShowBT", w.ShowBT);
  v.Int(u"ShowWF", w.ShowWF);
  v.Int(u"ShowCalls", w.ShowCalls);
  v.Int(u"ShowSMS", w.ShowSMS);
  v.Int(u"ShowEMails", w.ShowEMails);
}

template <class V, class F>
void VisitFontNumbers(V& v, F& font, const char16_t* size, const char16_t* bold, const char16_t* color,
                      const char16_t* clearType) {
  v.Int(size, font.Size);
  v.Int(bold, font.Bold);
  v.Int(color, font.Color);
  v.Int(clearType, font.ClearType);
}

// The size correction applied while loading, right after a key's font values.
template <class V, class F>
void ClampSize(V&, F& font, std::int32_t low) {
  if constexpr (!V::Writing) {
    if (font.Size < low) font.Size = low;
    if (font.Size > 100) font.Size = 100;
  }
}

template <class V, class T>
void VisitTime(V& v, T& t) {
  v.Text(u"FontName1", t.Font1.FaceName, kPathCapacity);
  v.Text(u"FontName2", t.Font2.FaceName, kPathCapacity);
  v.Text(u"Tap", t.Tap, kPathCapacity);
  VisitFontNumbers(v, t.Font1, u"FontSize1", u"FontBold1", u"FontColor1", u"ClearType1");
  VisitFontNumbers(v, t.Font2, u"FontSize2", u"FontBold2", u"FontColor2", u"ClearType2");
  v.Int(u"TimeFormat", t.TimeFormat);
  v.Int(u"ShowSeconds", t.ShowSeconds);
  v.Int(u"ShowAlarm", t.ShowAlarm);
  v.Int(u"ShowDate", t.ShowDate);
  ClampSize(v, t.Font1, 1);
  ClampSize(v, t.Font2, 1);
  v.Int(u"Height", t.Height);
}

template <class V, class D>
void VisitDate(V& v, D& d) {
  v.Text(u"FontName1", d.Font1.FaceName, kPathCapacity);
  v.Text(u"FontName2", d.Font2.FaceName, kPathCapacity);
  v.Text(u"Format1", d.Format1, kFormatCapacity);
  v.Text(u"Format2", d.Format2, kFormatCapacity);
  v.Text(u"Tap", d.Tap, kPathCapacity);
  VisitFontNumbers(v, d.Font1, u"FontSize1", u"FontBold1", u"FontColor1", u"ClearType1");
  VisitFontNumbers(v, d.Font2, u"FontSize2", u"FontBold2", u"FontColor2", u"ClearType2");
  ClampSize(v, d.Font1, 1);
  ClampSize(v, d.Font2, 1);
  v.Int(u"Height", d.Height);
}

template <class V, class C>
void VisitCalendar(V& v, C& c) {
  v.Text(u"FontName", c.Font.FaceName, kPathCapacity);
  v.Text(u"FontNameWeekdays", c.WeekdaysFont.FaceName, kPathCapacity);
  v.Text(u"Tap", c.Tap, kPathCapacity);
  v.Int(u"FontSize", c.Font.Size);
  v.Int(u"FontSizeWeekdays", c.WeekdaysFont.Size);
  v.Int(u"FontBold", c.Font.Bold);
  v.Int(u"FontBoldWeekdays", c.WeekdaysFont.Bold);
  v.Int(u"ClearType", c.Font.ClearType);
  v.Int(u"ClearTypeWeekdays", c.WeekdaysFont.ClearType);
  v.Int(u"Color", c.Font.Color);
  v.Int(u"ColorWeekdays", c.WeekdaysFont.Color);
  v.Int(u"ColorToday", c.ColorToday);
  v.Int(u"ColorSaturday", c.ColorSaturday);
  v.Int(u"ColorSunday", c.ColorSunday);
  v.Int(u"ColorOther", c.ColorOther);
  ClampSize(v, c.Font, 1);
  ClampSize(v, c.WeekdaysFont, 0);
  v.Int(u"Height", c.Height);
}

template <class V, class L>
void VisitLauncher(V& v, L& l) {
  v.Int(u"BigIcons", l.BigIcons);
  v.Int(u"Align", l.Align);
  v.Int(u"Height", l.Height);
}

template <class V, class S>
void VisitSysInfo(V& v, S& s) {
  v.Text(u"FontName", s.Font.FaceName, kPathCapacity);
  v.Text(u"Tap1", s.Tap1, kPathCapacity);
  v.Text(u"Tap2", s.Tap2, kPathCapacity);
  v.Int(u"FontSize", s.Font.Size);
  v.Int(u"FontBold", s.Font.Bold);
  if (V::Writing) {
    v.Int(u"FontColor", s.Font.Color);
    v.Int(u"ClearType", s.Font.ClearType);
  } else {
    v.Int(u"ClearType", s.Font.ClearType);
    v.Int(u"FontColor", s.Font.Color);
  }
  v.Int(u"RamType", s.RamType);
  v.Int(u"PhoneType", s.PhoneType);
  v.Int(u"CardType", s.CardType);
  ClampSize(v, s.Font, 1);
  v.Int(u"Height", s.Height);
}

template <class V, class B>
void VisitBlock(V& v, std::int32_t kind, B& body) {
  switch (kind) {
    case Wireless: VisitWireless(v, body.WirelessSettings); break;
    case Time: VisitTime(v, body.TimeSettings); break;
    case Date: VisitDate(v, body.DateSettings); break;
    case Calendar: VisitCalendar(v, body.CalendarSettings); break;
    case Launcher: VisitLauncher(v, body.LauncherSettings); break;
    case SysInfo: VisitSysInfo(v, body.SysInfoSettings); break;
    default: break;
  }
}

void BlockKeyPath(std::int32_t kind, char16_t* out) {
  pf::FormatText(out, kPathCapacity, u"%s\\%s", kRootKey, BlockKeyName(kind));
}

// Reads FileName n into a zeroed buffer of 260 units; false when it is
// missing or does not fit.
bool ReadLauncherPath(KeyReader& reader, int n, char16_t* path) {
  char16_t name[32];
  pf::FormatText(name, 32, u"%s%i", u"FileName", n);
  pf::ClearText(path, kPathCapacity);
  return reader.Text(name, path, kPathCapacity);
}

void LoadLauncherEntries(KeyReader& reader, Settings& settings) {
  settings.LauncherEntries.clear();
  char16_t path[kPathCapacity];
  for (int n = 1; ReadLauncherPath(reader, n, path); ++n) {
    LauncherEntry entry;
    pf::CopyText(entry.Path, kPathCapacity, path);
    settings.LauncherEntries.push_back(entry);
  }
}

bool OpenForReading(pf::KeyHandle root, const char16_t* path, pf::KeyHandle* key) {
  return pf::RegOpenKeyExW(root, path, 0, pf::KEY_READ, key) == pf::ERROR_SUCCESS;
}

bool OpenForWriting(pf::KeyHandle root, const char16_t* path, pf::KeyHandle* key) {
  std::uint32_t disposition = 0;
  return pf::RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, key, &disposition) == pf::ERROR_SUCCESS;
}

void LoadEnabled(Settings& settings) {
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, &key)) return;
  KeyReader(key).Int(u"Enabled", settings.Enabled);
  pf::RegCloseKey(key);
}

void LoadRootValues(Settings& settings) {
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_CURRENT_USER, kRootKey, &key)) return;
  KeyReader reader(key);
  reader.Int(u"FixedPageCount", settings.FixedPageCount);
  if (settings.FixedPageCount < 0) settings.FixedPageCount = 0;
  if (settings.FixedPageCount > BlockCount) settings.FixedPageCount = BlockCount;
  reader.Int(u"MarginLeft", settings.MarginLeft);
  reader.Int(u"MarginTop", settings.MarginTop);
  reader.Int(u"MarginRight", settings.MarginRight);
  reader.Int(u"MarginBottom", settings.MarginBottom);
  reader.Int(u"TapType", settings.TapType);
  pf::RegCloseKey(key);
}

void LoadBlockKey(Settings& settings, std::int32_t kind) {
  char16_t path[kPathCapacity];
  BlockKeyPath(kind, path);
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_CURRENT_USER, path, &key)) return;
  KeyReader reader(key);
  VisitBlock(reader, kind, static_cast<SettingsBody&>(settings));
  BlockEntry& row = settings.BlockTable[kind - 1];  // still in kind order
  reader.Int(u"Order", row.Order);
  reader.Int(u"Visible", row.Visible);
  if (kind == Launcher) LoadLauncherEntries(reader, settings);
  pf::RegCloseKey(key);
}

void SaveEnabled(const Settings& settings) {
  pf::KeyHandle key{};
  if (!OpenForWriting(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, &key)) return;
  KeyWriter(key).Int(u"Enabled", settings.Enabled);
  pf::RegCloseKey(key);
}

void SaveRootValues(const Settings& settings) {
  pf::KeyHandle key{};
  if (!OpenForWriting(pf::HKEY_CURRENT_USER, kRootKey, &key)) return;
  KeyWriter writer(key);
  writer.Int(u"FixedPageCount", settings.FixedPageCount);
  writer.Int(u"MarginLeft", settings.MarginLeft);
  writer.Int(u"MarginTop", settings.MarginTop);
  writer.Int(u"MarginRight", settings.MarginRight);
  writer.Int(u"MarginBottom", settings.MarginBottom);
  writer.Int(u"TapType", settings.TapType);
  pf::RegCloseKey(key);
}

void SaveRowsOfKind(KeyWriter& writer, const Settings& settings, std::int32_t kind) {
  for (const BlockEntry& row : settings.BlockTable.Entries) {
    if (row.Kind != kind) continue;
    writer.Int(u"Order", row.Order);
    writer.Int(u"Visible", row.Visible);
  }
}

// Length of the unbroken run FileName1, FileName2, ... as stored now.
int CountStoredLauncherPaths(const char16_t* path) {
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_CURRENT_USER, path, &key)) return 0;
  KeyReader reader(key);
  char16_t scratch[kPathCapacity];
  int count = 0;
  while (ReadLauncherPath(reader, count + 1, scratch)) ++count;
  pf::RegCloseKey(key);
  return count;
}

void RewriteLauncherEntries(KeyWriter& writer, const Settings& settings, int storedCount) {
  char16_t name[32];
  for (int n = 1; n <= storedCount; ++n) {
    pf::FormatText(name, 32, u"%s%i", u"FileName", n);
    writer.Delete(name);
  }
  int n = 1;
  for (const LauncherEntry& entry : settings.LauncherEntries) {
    pf::FormatText(name, 32, u"%s%i", u"FileName", n++);
    writer.Text(name, entry.Path, kPathCapacity);
  }
}

void SaveBlockKey(const Settings& settings, std::int32_t kind) {
  char16_t path[kPathCapacity];
  BlockKeyPath(kind, path);
  int storedCount = kind == Launcher ? CountStoredLauncherPaths(path) : 0;
  pf::KeyHandle key{};
  if (!OpenForWriting(pf::HKEY_CURRENT_USER, path, &key)) return;
  KeyWriter writer(key);
  VisitBlock(writer, kind, static_cast<const SettingsBody&>(settings));
  SaveRowsOfKind(writer, settings, kind);
  if (kind == Launcher) RewriteLauncherEntries(writer, settings, storedCount);
  pf::RegCloseKey(key);
}

}  // namespace

void LoadSettings(Settings& settings) {
  ResetToDefaults(settings);
  const bool program = settings.Owner == Deliverable::SettingsProgram;
  if (program) LoadEnabled(settings);
  LoadRootValues(settings);
  for (std::int32_t kind = Wireless; kind <= SysInfo; ++kind) LoadBlockKey(settings, kind);
  if (program) {
    SortBlocks(settings.BlockTable);
    CopyBody(settings.EditSettings, settings);
  }
}

void SaveSettings(const Settings& settings) {
  SaveEnabled(settings);
  SaveRootValues(settings);
  for (std::int32_t kind = Wireless; kind <= SysInfo; ++kind) SaveBlockKey(settings, kind);
}

}  // namespace ostrel
