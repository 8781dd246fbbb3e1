// The six block pages: each page's rows bound to its block's settings in the edited copy, filled when the page opens and applied row by row.
#include "config/control_kit.h"
#include "config/pages.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

const SettingRow kWirelessRows[] = {
    NumberSetting(u"Высота беспр.связи", [](SettingsBody& b) { return &b.WirelessSettings.Height; }, -1, 1000),
    FontSetting(u"Шрифт беспр.связи", [](SettingsBody& b) { return &b.WirelessSettings.Font; }, 1),
    ToggleSetting(u"Состояние BT", [](SettingsBody& b) { return &b.WirelessSettings.ShowBT; }, kYesNo),
    ToggleSetting(u"Состояние WiFi", [](SettingsBody& b) { return &b.WirelessSettings.ShowWF; }, kYesNo),
    ToggleSetting(u"Звонки", [](SettingsBody& b) { return &b.WirelessSettings.ShowCalls; }, kYesNo),
    ToggleSetting(u"SMS", [](SettingsBody& b) { return &b.WirelessSettings.ShowSMS; }, kYesNo),
    ToggleSetting(u"E-Mail", [](SettingsBody& b) { return &b.WirelessSettings.ShowEMails; }, kYesNo),
    FileSetting(u"Тап", [](SettingsBody& b) { return b.WirelessSettings.Tap; }),
};

const SettingRow kTimeRows[] = {
    NumberSetting(u"Высота часов", [](SettingsBody& b) { return &b.TimeSettings.Height; }, -1, 1000),
    FontSetting(u"Шрифт часов", [](SettingsBody& b) { return &b.TimeSettings.Font1; }, 1),
    ChoiceSetting(u"Формат времени", [](SettingsBody& b) { return &b.TimeSettings.TimeFormat; },
               kTimeFormats, TimeFormatHelp()),
    ToggleSetting(u"Показать секунды", [](SettingsBody& b) { return &b.TimeSettings.ShowSeconds; }, kYesNo),
    ToggleSetting(u"Будильник", [](SettingsBody& b) { return &b.TimeSettings.ShowAlarm; }, kYesNo),
    FontSetting(u"Шрифт будильника", [](SettingsBody& b) { return &b.TimeSettings.Font2; }, 1),
    ChoiceSetting(u"Показать дату", [](SettingsBody& b) { return &b.TimeSettings.ShowDate; },
               kDatePlacements),
    FileSetting(u"Тап", [](SettingsBody& b) { return b.TimeSettings.Tap; }),
};

const SettingRow kDateRows[] = {
    NumberSetting(u"Высота даты", [](SettingsBody& b) { return &b.DateSettings.Height; }, -1, 1000),
    FontSetting(u"Шрифт даты 1", [](SettingsBody& b) { return &b.DateSettings.Font1; }, 1),
    FontSetting(u"Шрифт даты 2", [](SettingsBody& b) { return &b.DateSettings.Font2; }, 1),
    FormatSetting(u"Формат даты 1", [](SettingsBody& b) { return b.DateSettings.Format1; }),
    FormatSetting(u"Формат даты 2", [](SettingsBody& b) { return b.DateSettings.Format2; }),
    FileSetting(u"Тап", [](SettingsBody& b) { return b.DateSettings.Tap; }),
};

const SettingRow kCalendarRows[] = {
    NumberSetting(u"Высота календаря", [](SettingsBody& b) { return &b.CalendarSettings.Height; }, -1, 1000),
    FontSetting(u"Шрифт календаря", [](SettingsBody& b) { return &b.CalendarSettings.Font; }, 1),
    FontSetting(u"Шрифт дней недели", [](SettingsBody& b) { return &b.CalendarSettings.WeekdaysFont; }, 0),
    ColourSetting(u"Цвет сегодня", [](SettingsBody& b) { return &b.CalendarSettings.ColorToday; }),
    ColourSetting(u"Цвет субботы", [](SettingsBody& b) { return &b.CalendarSettings.ColorSaturday; }),
    ColourSetting(u"Цвет воскресенья", [](SettingsBody& b) { return &b.CalendarSettings.ColorSunday; }),
    ColourSetting(u"Цвет других дней", [](SettingsBody& b) { return &b.CalendarSettings.ColorOther; }),
    FileSetting(u"Тап", [](SettingsBody& b) { return b.CalendarSettings.Tap; }),
};

const SettingRow kLauncherPropsRows[] = {
    NumberSetting(u"Высота", [](SettingsBody& b) { return &b.LauncherSettings.Height; }, -1, 1000),
    ToggleSetting(u"Иконки", [](SettingsBody& b) { return &b.LauncherSettings.BigIcons; }, kIconSizes),
    ChoiceSetting(u"Выравнивание", [](SettingsBody& b) { return &b.LauncherSettings.Align; }, kAlignments),
};

const SettingRow kSysInfoRows[] = {
    NumberSetting(u"Высота инфо", [](SettingsBody& b) { return &b.SysInfoSettings.Height; }, -1, 1000),
    FontSetting(u"Шрифт инфо", [](SettingsBody& b) { return &b.SysInfoSettings.Font; }, 1),
    ChoiceSetting(u"Память (ОЗУ)", [](SettingsBody& b) { return &b.SysInfoSettings.RamType; },
               kMemoryDisplays, u"", u"%"),
    ChoiceSetting(u"Место на телефоне", [](SettingsBody& b) { return &b.SysInfoSettings.PhoneType; },
               kMemoryDisplays, u"", u"%"),
    ChoiceSetting(u"Место на карте", [](SettingsBody& b) { return &b.SysInfoSettings.CardType; },
               kMemoryDisplays, u"", u"%"),
    FileSetting(u"Тап (батарея)", [](SettingsBody& b) { return b.SysInfoSettings.Tap1; }),
    FileSetting(u"Тап (память)", [](SettingsBody& b) { return b.SysInfoSettings.Tap2; }),
};

enum ColumnRule { HalfLessFour, Half, FourTenths };

struct BlockPage {
  Control list;
  RowTable rows;
  ColumnRule columns;
};

// By OpenBlock (kind - 1).
const BlockPage kPages[BlockCount] = {
    {WirelessList, TableOf(kWirelessRows), HalfLessFour},
    {TimeList, TableOf(kTimeRows), HalfLessFour},
    {DateList, TableOf(kDateRows), HalfLessFour},
    {CalendarList, TableOf(kCalendarRows), Half},
    {LauncherPropsList, TableOf(kLauncherPropsRows), FourTenths},
    {SysInfoList, TableOf(kSysInfoRows), Half},
};

int ColumnWidth(ColumnRule rule, const Frame& f) {
  switch (rule) {
    case HalfLessFour: return (f.R - f.L) / 2 - ScaleX(4);
    case Half: return (f.R - f.L) / 2;
    case FourTenths: return (f.R - f.L) * 4 / 10;
  }
  return 0;
}

const BlockPage* PageOf(int openBlock) {
  return (openBlock >= 0 && openBlock < BlockCount) ? &kPages[openBlock] : nullptr;
}

}  // namespace

void FillBlockLists(const Frame& frame) {
  for (const BlockPage& page : kPages) {
    WindowHandle list = Ctl(page.list);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    AddColumns(list, 2, ColumnWidth(page.columns, frame));
    AddSettingRows(list, page.rows);
    // The value column reaches to the list's right edge, so the values
    // filled in when the page opens are not cut.
    ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE_USEHEADER);
  }
}

WindowHandle BlockListOf(int openBlock) {
  const BlockPage* page = PageOf(openBlock);
  return page ? Ctl(page->list) : WindowHandle{};
}

void RefreshBlockPage(int kind) {
  const BlockPage* page = PageOf(kind - 1);
  if (page == nullptr) return;
  if (kind == Launcher) LoadWorkingLaunchers();
  ShowAllRowValues(Ctl(page->list), page->rows, State().Settings.EditSettings);
}

void OpenBlockRow(WindowHandle list) {
  const BlockPage* page = PageOf(State().OpenBlock);
  if (page == nullptr || Ctl(page->list) != list) return;
  OpenSelectedRow(list, page->rows, State().Settings.EditSettings);
}

void ApplyBlockRow() {
  const BlockPage* page = PageOf(State().OpenBlock);
  if (page == nullptr) return;
  ApplySelectedRow(Ctl(page->list), page->rows, State().Settings.EditSettings);
}

}  // namespace ostrel::cfg
