// Defaults of the settings record, the block-table sort and the body copy.
#include "platform/gdi.h"
#include "platform/module.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace ostrel {

namespace {

struct KindNames {
  const char16_t* key;
  const char16_t* page;
};

const KindNames kKindNames[BlockCount] = {
    {u"Wireless", u"Беспр. связь"}, {u"Time", u"Часы"},      {u"Date", u"Дата"},
    {u"Calendar", u"Календарь"},    {u"Launcher", u"Запуск"}, {u"SysInfo", u"Информация"},
};

bool IsKind(std::int32_t kind) { return kind >= 1 && kind <= BlockCount; }

// Screen density × factor / 96, asking the screen anew for every value.
std::int32_t ScaledDefault(int axis, std::int32_t factor) {
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  int dpi = pf::GetDeviceCaps(screen, axis);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  return dpi * factor / 96;
}

void SetFont(FontSpec& font, std::int32_t size, std::int32_t bold, pf::COLORREF color) {
  pf::CopyText(font.FaceName, kPathCapacity, u"Tahoma");
  font.Size = size;
  font.Bold = bold;
  font.Color = color;
  font.ClearType = 1;
}

void ResetWireless(WirelessSettings& w) {
  w.Height = ScaledDefault(pf::LOGPIXELSY, 15);
  SetFont(w.Font, 8, 0, 0xFFFFFF);
  w.ShowBT = w.ShowWF = w.ShowCalls = w.ShowSMS = w.ShowEMails = 1;
  pf::CopyText(w.Tap, kPathCapacity, u"Windows\\wrlsmgr.exe");
}

void ResetTime(TimeSettings& t) {
  t.Height = ScaledDefault(pf::LOGPIXELSY, 30);
  SetFont(t.Font1, 30, 1, 0xFFFFFF);
  t.TimeFormat = 2;
  t.ShowSeconds = 0;
  t.ShowAlarm = 1;
  SetFont(t.Font2, 7, 0, 0xFFFFFF);
  t.ShowDate = DateNone;
  pf::CopyText(t.Tap, kPathCapacity, u"Windows\\clock.exe");
}

void ResetDate(DateSettings& d) {
  d.Height = ScaledDefault(pf::LOGPIXELSY, 15);
  SetFont(d.Font1, 8, 1, 0xFFFFFF);
  SetFont(d.Font2, 8, 1, 0xFFFFFF);
  pf::CopyText(d.Format1, kFormatCapacity, u"");
  pf::CopyText(d.Format2, kFormatCapacity, u"dddd");
  pf::CopyText(d.Tap, kPathCapacity, u"Windows\\clock.exe");
}

void ResetCalendar(CalendarSettings& c) {
  c.Height = ScaledDefault(pf::LOGPIXELSY, 48);
  SetFont(c.Font, 8, 0, 0xFFFFFF);
  SetFont(c.WeekdaysFont, 6, 0, 0x808080);
  c.ColorToday = 0x00FF00;
  c.ColorSaturday = 0x8080FF;
  c.ColorSunday = 0x8080FF;
  c.ColorOther = 0x808080;
  pf::CopyText(c.Tap, kPathCapacity, u"Windows\\calendar.exe");
}

void ResetLauncher(LauncherSettings& l) {
  l.Height = ScaledDefault(pf::LOGPIXELSY, 48);
  l.BigIcons = 1;
  l.Align = AlignLeft;
}

void ResetSysInfo(SysInfoSettings& s, pf::ModuleHandle module) {
  s.Height = ScaledDefault(pf::LOGPIXELSY, 48);
  SetFont(s.Font, 8, 0, 0xFFFFFF);
  s.RamType = s.PhoneType = s.CardType = PercentUsed;
  char16_t folder[kPathCapacity];
  OwnFolder(module, folder);
  pf::FormatText(s.Tap1, kPathCapacity, u"%s%s", folder, u"battery.lnk");
  pf::FormatText(s.Tap2, kPathCapacity, u"%s%s", folder, u"memory.lnk");
}

void ResetBlockTable(BlockTable& table, Deliverable owner) {
  table.BlockCount = BlockCount;
  for (int i = 0; i < BlockCount; ++i) {
    BlockEntry& entry = table[i];
    entry = BlockEntry{};
    entry.Kind = i + 1;
    entry.Order = i;
    entry.Visible = 1;
    if (owner == Deliverable::SettingsProgram) {
      pf::CopyText(entry.Name, kNameCapacity, kKindNames[i].page);
    }
  }
}

}  // namespace

const char16_t* PageName(std::int32_t kind) { return IsKind(kind) ? kKindNames[kind - 1].page : nullptr; }

const char16_t* BlockKeyName(std::int32_t kind) { return IsKind(kind) ? kKindNames[kind - 1].key : nullptr; }

void ResetToDefaults(Settings& settings) {
  SettingsBody& body = settings;
  body = SettingsBody{};
  body.FixedPageCount = 3;
  body.MarginLeft = ScaledDefault(pf::LOGPIXELSX, 10);
  body.MarginTop = ScaledDefault(pf::LOGPIXELSX, 2);
  body.MarginRight = ScaledDefault(pf::LOGPIXELSX, 10);
  body.MarginBottom = ScaledDefault(pf::LOGPIXELSX, 2);
  body.TapType = SingleTap;
  ResetWireless(body.WirelessSettings);
  ResetTime(body.TimeSettings);
  ResetDate(body.DateSettings);
  ResetCalendar(body.CalendarSettings);
  ResetLauncher(body.LauncherSettings);
  ResetSysInfo(body.SysInfoSettings, settings.Module);
  ResetBlockTable(settings.BlockTable, settings.Owner);
  if (settings.Owner == Deliverable::SettingsProgram) settings.Enabled = 0;
}

void SortBlocks(BlockTable& table) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 0; i + 1 < BlockCount; ++i) {
      if (table[i + 1].Order < table[i].Order) {
        BlockEntry held = table[i];
        table[i] = table[i + 1];
        table[i + 1] = held;
        swapped = true;
      }
    }
  }
}

void CopyBody(SettingsBody& destination, const SettingsBody& source) { destination = source; }

void OwnFolder(pf::ModuleHandle module, char16_t* out) {
  char16_t path[kPathCapacity] = {};
  pf::GetModuleFileNameW(module, path, kPathCapacity);
  path[kPathCapacity - 1] = 0;
  std::size_t cut = 0;
  for (std::size_t i = 0; path[i] != 0; ++i) {
    if (path[i] == u'\\') cut = i + 1;
  }
  path[cut] = 0;
  pf::CopyText(out, kPathCapacity, path);
}

}  // namespace ostrel
