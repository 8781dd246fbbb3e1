// Value lists of the choice editor and the toggles, and the format help texts.
#include "settings/fields.h"
#include "platform/text.h"

namespace ostrel {

namespace {

const char16_t* const kTapTypeTexts[] = {u"нет", u"тап", u"двойной тап"};
const char16_t* const kTimeFormatTexts[] = {u"H:mm", u"h:mm", u"HH:mm", u"hh:mm"};
const char16_t* const kDatePlacementTexts[] = {u"нет", u"слева", u"сверху", u"справа", u"снизу"};
const char16_t* const kAlignmentTexts[] = {u"слева", u"центр", u"справа"};
const char16_t* const kMemoryEntries[] = {u"% (занято)", u"занято", u"свободно"};
const char16_t* const kMemoryRows[] = {u"%", u"занято", u"свободно"};
const char16_t* const kYesNoTexts[] = {u"нет", u"да"};
const char16_t* const kIconSizeTexts[] = {u"маленькие", u"большие"};

const char16_t* const kDateHelpPieces[] = {
    u"если пусто - системный формат\n",
    u"d\t День (0-31)\n",
    u"dd\t День (00-31)\n",
    u"ddd\t День (Пн-Вс)\n",
    u"dddd\t День (понедельник-воскресенье)\n",
    u"M\t Месяц (1-12)\n",
    u"MM\t Месяц (01-12)\n",
    u"MMM\t Месяц (Янв-Дек)\n",
    u"MMMM\t Месяц (январь-декабрь)\n",
    u"y\t Год (один знак)\n",
    u"yy\t Год (два знака)\n",
    u"yyyy\t Год (четыре знака)",
};

const char16_t* const kTimeHelpPieces[] = {
    u"H\t Часы (0-24)\n",  u"h\t Часы (0-12)\n",     u"HH\t Часы (00-24)\n",
    u"hh\t Часы (00-12)\n", u"mm\t Минуты (00-59)\n",
};

constexpr int kHelpCapacity = 1024;

template <int N>
const char16_t* BuildHelp(char16_t* out, const char16_t* const (&pieces)[N]) {
  if (out[0] == 0) {
    std::size_t length = 0;
    for (const char16_t* piece : pieces) {
      length += pf::CopyText(out + length, kHelpCapacity - length, piece);
    }
  }
  return out;
}

}  // namespace

const ValueList kTapTypes = {kTapTypeTexts, kTapTypeTexts, 3, nullptr};
const ValueList kTimeFormats = {kTimeFormatTexts, kTimeFormatTexts, 4, TimeFormatHelp};
const ValueList kDatePlacements = {kDatePlacementTexts, kDatePlacementTexts, 5, nullptr};
const ValueList kAlignments = {kAlignmentTexts, kAlignmentTexts, 3, nullptr};
const ValueList kMemoryDisplays = {kMemoryEntries, kMemoryRows, 3, nullptr};
const ValueList kYesNo = {kYesNoTexts, kYesNoTexts, 2, nullptr};
const ValueList kIconSizes = {kIconSizeTexts, kIconSizeTexts, 2, nullptr};

const char16_t* ListText(const ValueList& list, std::int32_t value) {
  return (value >= 0 && value < list.Count) ? list.Rows[value] : nullptr;
}

const char16_t* DateFormatHelp() {
  static char16_t text[kHelpCapacity] = {};
  return BuildHelp(text, kDateHelpPieces);
}

const char16_t* TimeFormatHelp() {
  static char16_t text[kHelpCapacity] = {};
  return BuildHelp(text, kTimeHelpPieces);
}

}  // namespace ostrel
