// A tour of the settings program on the screen: each tab and each kind of editor captured to the test's output folder, with the title color, the separator, the help text and the color swatch checked in the captures.
#include "tests/win/config/cfg_win_support.h"

#include <memory>

namespace ostrel::cfgtest {
namespace {

using namespace ostrel::cfg;

class Screens : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    window = Launch(process);
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    window.reset();
    ProgramTest::TearDown();
  }
  void Open(Control list, const std::wstring& caption) { ProgramTest::Open(*window, list, caption); }
  // Pixels of a color inside a rectangle of the client area in a capture.
  int ColorIn(const Picture& picture, const RECT& client, COLORREF color) const {
    return picture.Count(window->InPicture(picture, client), color);
  }
  int ColorIn(const Picture& picture, Control c, COLORREF color) const {
    return ColorIn(picture, window->Place(c), color);
  }

  Process process;
  std::unique_ptr<SettingsWindow> window;
};

TEST_F(Screens, EveryTabAndEveryEditorKindIsCapturedAsItShows) {
  SettingsWindow& w = *window;
  const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);

  Picture general = w.Grab(L"tab-general");
  EXPECT_GT(ColorIn(general, TitleLabel, ::GetSysColor(COLOR_HIGHLIGHT)), 20)
      << "the title line is written in the highlight color";
  RECT client{};
  ::GetClientRect(w.Main(), &client);
  const RECT separator{0, S(23), client.right, S(24)};
  EXPECT_EQ(ColorIn(general, separator, text), client.right * S(1))
      << "the separator runs under the title across the whole width";

  w.TapTab(1);
  ASSERT_TRUE(w.Visible(PagesList));
  EXPECT_EQ(w.RowCount(PagesList), 6);
  w.Grab(L"tab-pages");

  w.TapTab(2);
  EXPECT_EQ(Utf8(w.Text(TitleLabel)), "Ostrel: О программе");
  EXPECT_TRUE(w.Visible(AboutIcon) && w.Visible(AboutNameLabel) && w.Visible(AboutWebLabel));
  EXPECT_FALSE(w.Visible(PagesList));
  EXPECT_EQ(Utf8(w.Text(AboutNameLabel)), "Ostrel v1.3.8");
  w.Grab(L"tab-about");

  w.TapTab(1);
  Open(PagesList, L"Часы");
  EXPECT_EQ(Utf8(w.Text(TitleLabel)), "Ostrel: Настройки - Часы");
  EXPECT_FALSE(w.Visible(TabStrip));
  w.Grab(L"page-time");

  Open(TimeList, L"Шрифт часов");
  ASSERT_TRUE(w.Visible(FaceCombo));
  EXPECT_EQ(Utf8(w.Text(FaceCombo)), "Tahoma");
  w.Type(RedEdit, L"255");
  w.Type(GreenEdit, L"0");
  w.Type(BlueEdit, L"0");
  Picture font = w.Grab(L"editor-font");
  const RECT fontSwatch{S(50), S(105), S(70), S(125)};
  EXPECT_GE(ColorIn(font, fontSwatch, RGB(255, 0, 0)), (S(20) - 4 * S(1)) * (S(20) - 4 * S(1)))
      << "the swatch shows the typed color inside its frame";
  EXPECT_GE(ColorIn(font, fontSwatch, text), 4 * (S(20) - S(1)) * S(1) - 4 * S(1))
      << "and its frame in the text color";
  w.Cancel();

  Open(TimeList, L"Формат времени");
  ASSERT_TRUE(w.Visible(ChoiceCombo) && w.Visible(HelpLabel));
  EXPECT_EQ(w.ComboCount(ChoiceCombo), 4);
  EXPECT_EQ(Utf8(w.Text(HelpLabel)).rfind("H\t Часы (0-24)", 0), 0u);
  Picture choice = w.Grab(L"editor-choice");
  EXPECT_GT(ColorIn(choice, HelpLabel, ::GetSysColor(COLOR_GRAYTEXT)), 20)
      << "the help text is greyed";
  w.Cancel();

  Open(TimeList, L"Тап");
  ASSERT_TRUE(w.Visible(FileList) && w.Visible(PathEdit) && w.Visible(OpenButton));
  EXPECT_FALSE(w.Visible(EditorCaption)) << "the file browser has no caption line";
  EXPECT_EQ(Utf8(w.Text(PathEdit)), "Windows\\clock.exe");
  EXPECT_EQ(Utf8(w.Text(FolderLabel)), "\\Windows\\");
  EXPECT_GT(w.RowCount(FileList), 1) << "the device's Windows folder is listed";
  EXPECT_EQ(Utf8(w.RowText(FileList, 0, 0)), "..");
  w.Grab(L"editor-file");
  w.Cancel();
  w.Cancel();

  Open(PagesList, L"Запуск");
  EXPECT_TRUE(w.Visible(LauncherList) && w.Visible(LauncherPropsList) && w.Visible(PropsEditButton));
  EXPECT_TRUE(w.Enabled(AddButton));
  EXPECT_EQ(Utf8(w.RowText(LauncherPropsList, 1, 0)), "Иконки");
  w.Grab(L"page-launcher");
  w.Cancel();

  Open(PagesList, L"Календарь");
  Open(CalendarList, L"Цвет субботы");
  ASSERT_TRUE(w.Visible(RedEdit) && !w.Visible(FaceCombo));
  const COLORREF saturday = RGB(_wtoi(w.Text(RedEdit).c_str()), _wtoi(w.Text(GreenEdit).c_str()),
                                _wtoi(w.Text(BlueEdit).c_str()));
  Picture color = w.Grab(L"editor-colour");
  const RECT colorSwatch{S(50), S(55), S(70), S(75)};
  EXPECT_GE(ColorIn(color, colorSwatch, saturday), (S(20) - 4 * S(1)) * (S(20) - 4 * S(1)));
  w.Cancel();
  w.Cancel();

  Open(PagesList, L"Дата");
  Open(DateList, L"Формат даты 1");
  ASSERT_TRUE(w.Visible(FormatEdit) && w.Visible(HelpLabel));
  EXPECT_EQ(Utf8(w.Text(HelpLabel)).rfind("если пусто - системный формат\n", 0), 0u);
  Picture format = w.Grab(L"editor-format");
  EXPECT_GT(ColorIn(format, HelpLabel, ::GetSysColor(COLOR_GRAYTEXT)), 50);
  w.Cancel();
  Open(DateList, L"Высота даты");
  ASSERT_TRUE(w.Visible(LeftEdit) && w.Visible(LeftSpin) && !w.Visible(LeftLabel));
  w.Grab(L"editor-number");
  w.Cancel();
  w.Cancel();

  w.TapTab(0);
  Open(GeneralList, L"Отступы");
  for (Control c : {LeftLabel, TopLabel, RightLabel, BottomLabel, BottomEdit, BottomSpin}) {
    EXPECT_TRUE(w.Visible(c)) << c;
  }
  EXPECT_EQ(Utf8(w.Text(BottomLabel)), "Снизу");
  w.Grab(L"editor-margins");
  w.Cancel();

  w.Cancel();
  EXPECT_EQ(process.Wait(10000), 0);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "looking around saves nothing";
}

}  // namespace
}  // namespace ostrel::cfgtest
