// The General tab: the item switch, fixed pages, margins and the tap type, edited straight in the settings record.
#include "config/control_kit.h"
#include "config/pages.h"

namespace ostrel::cfg {

namespace {

// The Today item's switch, then the root values; both are bound to the
// settings record itself.
const RowTable kGeneral = {{&TodayItemSettings(), &RootSettings()}, 2};

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

bool ApplyGeneralRow() { return ApplySelectedRow(Ctl(GeneralList), kGeneral, State().Settings); }

}  // namespace ostrel::cfg
