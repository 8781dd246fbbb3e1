// The General tab: the item switch, fixed pages, margins and the tap type, edited straight in the settings record.
#include "config/control_kit.h"
#include "config/pages.h"

namespace ostrel::cfg {

namespace {

// General rows are always bound to the settings record itself, so the
// record's Enabled can be reached from its body.
std::int32_t* EnabledField(SettingsBody& body) { return &static_cast<Settings&>(body).Enabled; }

const SettingRow kGeneralRows[] = {
    ToggleSetting(u"Включить плагин", EnabledField, kYesNo),
    NumberSetting(u"Фикс. страниц", [](SettingsBody& b) { return &b.FixedPageCount; }, 0, BlockCount),
    MarginsSetting(u"Отступы"),
    ChoiceSetting(u"Запуск со страниц", [](SettingsBody& b) { return &b.TapType; }, kTapTypes),
};

constexpr RowTable kGeneral = TableOf(kGeneralRows);

}  // namespace

void FillGeneralList(const Frame& frame) {
  pf::WindowHandle list = Ctl(GeneralList);
  pf::ListView_SetExtendedListViewStyle(list, pf::LVS_EX_FULLROWSELECT);
  AddColumns(list, 2, ScaleX(10) + (frame.R - frame.L) / 2);
  AddSettingRows(list, kGeneral);
  ShowAllRowValues(list, kGeneral, State().Settings);
  pf::ListView_SetColumnWidth(list, 1, pf::LVSCW_AUTOSIZE_USEHEADER);
}

void OpenGeneralRow() { OpenSelectedRow(Ctl(GeneralList), kGeneral, State().Settings); }

void ApplyGeneralRow() { ApplySelectedRow(Ctl(GeneralList), kGeneral, State().Settings); }

}  // namespace ostrel::cfg
