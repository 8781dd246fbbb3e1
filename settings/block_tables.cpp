// Every setting of the six blocks, once: stored name, member, default, load correction and row, and each key's stored order.
#include "platform/gdi.h"
#include "settings/blocks.h"

namespace ostrel {

namespace {

using pf::LOGPIXELSY;

constexpr FontDefault kWhiteTahoma8{u"Tahoma", 8, 0, 0xFFFFFF, 1};

// A font whose size loads within low .. 100, the range its row's editor offers.
template <auto Member>
constexpr Field SizedFont(const char* name, const FontNames& stored, const FontDefault& value, const char16_t* caption,
                          std::int32_t low) {
  return Corrected(WithRow(FontSetting<Member>(name, stored, value), FontRowOf(caption, low)), low, 100);
}

template <auto Member>
constexpr Field HeightSetting(std::int32_t factor, const char16_t* caption) {
  return WithRow(Scaled(NumberSetting<Member>("Height", u"Height", factor), LOGPIXELSY),
                 NumberRowOf(caption, -1, 1000));
}

// ---- Wireless ----
const Field kWirelessFields[] = {
    HeightSetting<&WirelessSettings::Height>(15, u"Высота беспр.связи"),
    WithRow(FontSetting<&WirelessSettings::Font>(
                "Font", {u"FontName", u"FontSize", u"FontBold", u"FontColor", u"ClearType"}, kWhiteTahoma8),
            FontRowOf(u"Шрифт беспр.связи", 1)),
    WithRow(NumberSetting<&WirelessSettings::ShowBT>("ShowBT", u"ShowBT", 1), ToggleRowOf(u"Состояние BT", kYesNo)),
    WithRow(NumberSetting<&WirelessSettings::ShowWF>("ShowWF", u"ShowWF", 1), ToggleRowOf(u"Состояние WiFi", kYesNo)),
    WithRow(NumberSetting<&WirelessSettings::ShowCalls>("ShowCalls", u"ShowCalls", 1), ToggleRowOf(u"Звонки", kYesNo)),
    WithRow(NumberSetting<&WirelessSettings::ShowSMS>("ShowSMS", u"ShowSMS", 1), ToggleRowOf(u"SMS", kYesNo)),
    WithRow(NumberSetting<&WirelessSettings::ShowEMails>("ShowEMails", u"ShowEMails", 1), ToggleRowOf(u"E-Mail", kYesNo)),
    WithRow(TextSetting<&WirelessSettings::Tap>("Tap", u"Tap", u"Windows\\wrlsmgr.exe"), FileRowOf(u"Тап")),
};
const char16_t* const kWirelessOrder[] = {u"FontName", u"Tap",    u"FontSize", u"FontBold",  u"FontColor",
                                          u"ClearType", u"Height", u"ShowBT",   u"ShowWF",    u"ShowCalls",
                                          u"ShowSMS",   u"ShowEMails"};

// ---- Time ----
const Field kTimeFields[] = {
    HeightSetting<&TimeSettings::Height>(30, u"Высота часов"),
    SizedFont<&TimeSettings::Font1>("Font1", {u"FontName1", u"FontSize1", u"FontBold1", u"FontColor1", u"ClearType1"},
                {u"Tahoma", 30, 1, 0xFFFFFF, 1}, u"Шрифт часов", 1),
    WithRow(NumberSetting<&TimeSettings::TimeFormat>("TimeFormat", u"TimeFormat", 2),
            ChoiceRowOf(u"Формат времени", kTimeFormats)),
    WithRow(NumberSetting<&TimeSettings::ShowSeconds>("ShowSeconds", u"ShowSeconds", 0),
            ToggleRowOf(u"Показать секунды", kYesNo)),
    WithRow(NumberSetting<&TimeSettings::ShowAlarm>("ShowAlarm", u"ShowAlarm", 1), ToggleRowOf(u"Будильник", kYesNo)),
    SizedFont<&TimeSettings::Font2>("Font2", {u"FontName2", u"FontSize2", u"FontBold2", u"FontColor2", u"ClearType2"},
                {u"Tahoma", 7, 0, 0xFFFFFF, 1}, u"Шрифт будильника", 1),
    WithRow(NumberSetting<&TimeSettings::ShowDate>("ShowDate", u"ShowDate", DateNone),
            ChoiceRowOf(u"Показать дату", kDatePlacements)),
    WithRow(TextSetting<&TimeSettings::Tap>("Tap", u"Tap", u"Windows\\clock.exe"), FileRowOf(u"Тап")),
};
const char16_t* const kTimeOrder[] = {
    u"FontName1",  u"FontName2", u"Tap",        u"FontSize1",  u"FontBold1",   u"FontColor1",
    u"ClearType1", u"FontSize2", u"FontBold2",  u"FontColor2", u"ClearType2",  u"TimeFormat",
    u"ShowSeconds", u"ShowAlarm", u"ShowDate",  u"Height"};

// ---- Date ----
const Field kDateFields[] = {
    HeightSetting<&DateSettings::Height>(15, u"Высота даты"),
    SizedFont<&DateSettings::Font1>("Font1", {u"FontName1", u"FontSize1", u"FontBold1", u"FontColor1", u"ClearType1"},
                {u"Tahoma", 8, 1, 0xFFFFFF, 1}, u"Шрифт даты 1", 1),
    SizedFont<&DateSettings::Font2>("Font2", {u"FontName2", u"FontSize2", u"FontBold2", u"FontColor2", u"ClearType2"},
                {u"Tahoma", 8, 1, 0xFFFFFF, 1}, u"Шрифт даты 2", 1),
    WithRow(TextSetting<&DateSettings::Format1>("Format1", u"Format1", u""), FormatRowOf(u"Формат даты 1")),
    WithRow(TextSetting<&DateSettings::Format2>("Format2", u"Format2", u"dddd"), FormatRowOf(u"Формат даты 2")),
    WithRow(TextSetting<&DateSettings::Tap>("Tap", u"Tap", u"Windows\\clock.exe"), FileRowOf(u"Тап")),
};
const char16_t* const kDateOrder[] = {
    u"FontName1",  u"FontName2",  u"Format1",   u"Format2",   u"Tap",        u"FontSize1",
    u"FontBold1",  u"FontColor1", u"ClearType1", u"FontSize2", u"FontBold2", u"FontColor2",
    u"ClearType2", u"Height"};

// ---- Calendar ----
const Field kCalendarFields[] = {
    HeightSetting<&CalendarSettings::Height>(48, u"Высота календаря"),
    SizedFont<&CalendarSettings::Font>("Font", {u"FontName", u"FontSize", u"FontBold", u"Color", u"ClearType"},
                kWhiteTahoma8, u"Шрифт календаря", 1),
    SizedFont<&CalendarSettings::WeekdaysFont>("WeekdaysFont", {u"FontNameWeekdays", u"FontSizeWeekdays", u"FontBoldWeekdays", u"ColorWeekdays",
                           u"ClearTypeWeekdays"},
                {u"Tahoma", 6, 0, 0x808080, 1}, u"Шрифт дней недели", 0),
    WithRow(ColorSetting<&CalendarSettings::ColorToday>("ColorToday", u"ColorToday", 0x00FF00),
            ColourRowOf(u"Цвет сегодня")),
    WithRow(ColorSetting<&CalendarSettings::ColorSaturday>("ColorSaturday", u"ColorSaturday", 0x8080FF),
            ColourRowOf(u"Цвет субботы")),
    WithRow(ColorSetting<&CalendarSettings::ColorSunday>("ColorSunday", u"ColorSunday", 0x8080FF),
            ColourRowOf(u"Цвет воскресенья")),
    WithRow(ColorSetting<&CalendarSettings::ColorOther>("ColorOther", u"ColorOther", 0x808080),
            ColourRowOf(u"Цвет других дней")),
    WithRow(TextSetting<&CalendarSettings::Tap>("Tap", u"Tap", u"Windows\\calendar.exe"), FileRowOf(u"Тап")),
};
const char16_t* const kCalendarOrder[] = {
    u"FontName",  u"FontNameWeekdays", u"Tap",           u"FontSize",    u"FontSizeWeekdays", u"FontBold",
    u"FontBoldWeekdays", u"ClearType", u"ClearTypeWeekdays", u"Color",  u"ColorWeekdays",    u"ColorToday",
    u"ColorSaturday", u"ColorSunday",  u"ColorOther",    u"Height"};

// ---- Launcher (its list of programs is stored after these) ----
const Field kLauncherFields[] = {
    HeightSetting<&LauncherSettings::Height>(48, u"Высота"),
    WithRow(NumberSetting<&LauncherSettings::BigIcons>("BigIcons", u"BigIcons", 1), ToggleRowOf(u"Иконки", kIconSizes)),
    WithRow(NumberSetting<&LauncherSettings::Align>("Align", u"Align", AlignLeft),
            ChoiceRowOf(u"Выравнивание", kAlignments)),
};
const char16_t* const kLauncherOrder[] = {u"BigIcons", u"Align", u"Height"};

// ---- System information ----
const Field kSysInfoFields[] = {
    HeightSetting<&SysInfoSettings::Height>(48, u"Высота инфо"),
    SizedFont<&SysInfoSettings::Font>("Font", {u"FontName", u"FontSize", u"FontBold", u"FontColor", u"ClearType"},
                kWhiteTahoma8, u"Шрифт инфо", 1),
    WithRow(NumberSetting<&SysInfoSettings::RamType>("RamType", u"RamType", PercentUsed),
            ChoiceRowOf(u"Память (ОЗУ)", kMemoryDisplays, u"%")),
    WithRow(NumberSetting<&SysInfoSettings::PhoneType>("PhoneType", u"PhoneType", PercentUsed),
            ChoiceRowOf(u"Место на телефоне", kMemoryDisplays, u"%")),
    WithRow(NumberSetting<&SysInfoSettings::CardType>("CardType", u"CardType", PercentUsed),
            ChoiceRowOf(u"Место на карте", kMemoryDisplays, u"%")),
    WithRow(InOwnFolder(TextSetting<&SysInfoSettings::Tap1>("Tap1", u"Tap1", u"battery.lnk")),
            FileRowOf(u"Тап (батарея)")),
    WithRow(InOwnFolder(TextSetting<&SysInfoSettings::Tap2>("Tap2", u"Tap2", u"memory.lnk")),
            FileRowOf(u"Тап (память)")),
};
// Loading reads ClearType before FontColor; saving writes them the other way round.
const char16_t* const kSysInfoReadOrder[] = {u"FontName", u"Tap1",     u"Tap2",      u"FontSize",
                                             u"FontBold", u"ClearType", u"FontColor", u"RamType",
                                             u"PhoneType", u"CardType", u"Height"};
const char16_t* const kSysInfoWriteOrder[] = {u"FontName", u"Tap1",      u"Tap2",      u"FontSize",
                                              u"FontBold", u"FontColor", u"ClearType", u"RamType",
                                              u"PhoneType", u"CardType", u"Height"};

template <auto Member>
void* BodyMember(SettingsBody& body) {
  return &(body.*Member);
}

}  // namespace

const BlockSettings kBlockSettings[BlockCount] = {
    {Wireless, u"Wireless", u"Беспр. связь",
     KeyOf("WirelessSettings", &BodyMember<&SettingsBody::WirelessSettings>, kWirelessFields, kWirelessOrder,
           kWirelessOrder),
     &kWirelessFields[0], false},
    {Time, u"Time", u"Часы",
     KeyOf("TimeSettings", &BodyMember<&SettingsBody::TimeSettings>, kTimeFields, kTimeOrder, kTimeOrder),
     &kTimeFields[0], false},
    {Date, u"Date", u"Дата",
     KeyOf("DateSettings", &BodyMember<&SettingsBody::DateSettings>, kDateFields, kDateOrder, kDateOrder),
     &kDateFields[0], false},
    {Calendar, u"Calendar", u"Календарь",
     KeyOf("CalendarSettings", &BodyMember<&SettingsBody::CalendarSettings>, kCalendarFields, kCalendarOrder,
           kCalendarOrder),
     &kCalendarFields[0], false},
    {Launcher, u"Launcher", u"Запуск",
     KeyOf("LauncherSettings", &BodyMember<&SettingsBody::LauncherSettings>, kLauncherFields, kLauncherOrder,
           kLauncherOrder),
     &kLauncherFields[0], true},
    {SysInfo, u"SysInfo", u"Информация",
     KeyOf("SysInfoSettings", &BodyMember<&SettingsBody::SysInfoSettings>, kSysInfoFields, kSysInfoReadOrder,
           kSysInfoWriteOrder),
     &kSysInfoFields[0], false},
};

const BlockSettings* BlockSettingsOf(std::int32_t kind) {
  return (kind >= 1 && kind <= BlockCount) ? &kBlockSettings[kind - 1] : nullptr;
}

std::int32_t BlockHeight(const SettingsBody& body, const BlockSettings& block) {
  return NumberField(*block.Height, BlockRecord(block, const_cast<SettingsBody&>(body)));
}

}  // namespace ostrel
