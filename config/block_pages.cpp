// The six block pages: each page's rows bound to its block's settings in the edited copy, filled when the page opens and applied row by row.
#include "config/control_kit.h"
#include "config/pages.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

const RowSpec kWirelessRows[] = {
    NumberSpec(u"Высота беспр.связи", [](SettingsBody& b) { return &b.WirelessSettings.Height; }, -1, 1000),
    FontSpecRow(u"Шрифт беспр.связи", [](SettingsBody& b) { return &b.WirelessSettings.Font; }, 1),
    ToggleSpec(u"Состояние BT", [](SettingsBody& b) { return &b.WirelessSettings.ShowBT; }, kYesNo),
    ToggleSpec(u"Состояние WiFi", [](SettingsBody& b) { return &b.WirelessSettings.ShowWF; }, kYesNo),
    ToggleSpec(u"Звонки", [](SettingsBody& b) { return &b.WirelessSettings.ShowCalls; }, kYesNo),
    ToggleSpec(u"SMS", [](SettingsBody& b) { return &b.WirelessSettings.ShowSMS; }, kYesNo),
    ToggleSpec(u"E-Mail", [](SettingsBody& b) { return &b.WirelessSettings.ShowEMails; }, kYesNo),
    FileSpec(u"Тап", [](SettingsBody& b) { return b.WirelessSettings.Tap; }),
};

const RowSpec kTimeRows[] = {
    NumberSpec(u"Высота часов", [](SettingsBody& b) { return &b.TimeSettings.Height; }, -1, 1000),
    FontSpecRow(u"Шрифт часов", [](SettingsBody& b) { return &b.TimeSettings.Font1; }, 1),
    ChoiceSpec(u"Формат времени", [](SettingsBody& b) { return &b.TimeSettings.TimeFormat; },
               kTimeFormats, TimeFormatHelp()),
    ToggleSpec(u"Показать секунды", [](SettingsBody& b) { return &b.TimeSettings.ShowSeconds; }, kYesNo),
    ToggleSpec(u"Будильник", [](SettingsBody& b) { return &b.TimeSettings.ShowAlarm; }, kYesNo),
    FontSpecRow(u"Шрифт будильника", [](SettingsBody& b) { return &b.TimeSettings.Font2; }, 1),
    ChoiceSpec(u"Показать дату", [](SettingsBody& b) { return &b.TimeSettings.ShowDate; },
               kDatePlacements),
    FileSpec(u"Тап", [](SettingsBody& b) { return b.TimeSettings.Tap; }),
};

const RowSpec kDateRows[] = {
    NumberSpec(u"Высота даты", [](SettingsBody& b) { return &b.DateSettings.Height; }, -1, 1000),
    FontSpecRow(u"Шрифт даты 1", [](SettingsBody& b) { return &b.DateSettings.Font1; }, 1),
    FontSpecRow(u"Шрифт даты 2", [](SettingsBody& b) { return &b.DateSettings.Font2; }, 1),
    FormatSpec(u"Формат даты 1", [](SettingsBody& b) { return b.DateSettings.Format1; }),
    FormatSpec(u"Формат даты 2", [](SettingsBody& b) { return b.DateSettings.Format2; }),
    FileSpec(u"Тап", [](SettingsBody& b) { return b.DateSettings.Tap; }),
};

const RowSpec kCalendarRows[] = {
    NumberSpec(u"Высота календаря", [](SettingsBody& b) { return &b.CalendarSettings.Height; }, -1, 1000),
    FontSpecRow(u"Шрифт календаря", [](SettingsBody& b) { return &b.CalendarSettings.Font; }, 1),
    FontSpecRow(u"Шрифт дней недели", [](SettingsBody& b) { return &b.CalendarSettings.WeekdaysFont; }, 0),
    ColourSpec(u"Цвет сегодня", [](SettingsBody& b) { return &b.CalendarSettings.ColorToday; }),
    ColourSpec(u"Цвет субботы", [](SettingsBody& b) { return &b.CalendarSettings.ColorSaturday; }),
    ColourSpec(u"Цвет воскресенья", [](SettingsBody& b) { return &b.CalendarSettings.ColorSunday; }),
    ColourSpec(u"Цвет других дней", [](SettingsBody& b) { return &b.CalendarSettings.ColorOther; }),
    FileSpec(u"Тап", [](SettingsBody& b) { return b.CalendarSettings.Tap; }),
};

const RowSpec kLauncherPropsRows[] = {
    NumberSpec(u"Высота", [](SettingsBody& b) { return &b.LauncherSettings.Height; }, -1, 1000),
    ToggleSpec(u"Иконки", [](SettingsBody& b) { return &b.LauncherSettings.BigIcons; }, kIconSizes),
    ChoiceSpec(u"Выравнивание", [](SettingsBody& b) { return &b.LauncherSettings.Align; }, kAlignments),
};

const RowSpec kSysInfoRows[] = {
    NumberSpec(u"Высота инфо", [](SettingsBody& b) { return &b.SysInfoSettings.Height; }, -1, 1000),
    FontSpecRow(u"Шрифт инфо", [](SettingsBody& b) { return &b.SysInfoSettings.Font; }, 1),
    ChoiceSpec(u"Память (ОЗУ)", [](SettingsBody& b) { return &b.SysInfoSettings.RamType; },
               kMemoryDisplays, u"", u"%"),
    ChoiceSpec(u"Место на телефоне", [](SettingsBody& b) { return &b.SysInfoSettings.PhoneType; },
               kMemoryDisplays, u"", u"%"),
    ChoiceSpec(u"Место на карте", [](SettingsBody& b) { return &b.SysInfoSettings.CardType; },
               kMemoryDisplays, u"", u"%"),
    FileSpec(u"Тап (батарея)", [](SettingsBody& b) { return b.SysInfoSettings.Tap1; }),
    FileSpec(u"Тап (память)", [](SettingsBody& b) { return b.SysInfoSettings.Tap2; }),
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
    AddSpecRows(list, page.rows);
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
