// The root values and the Today item's switch described once, and the field access, defaults and corrections every table shares.
#include "platform/gdi.h"
#include "platform/text.h"
#include "settings/fields.h"

namespace ostrel {

namespace {

using pf::LOGPIXELSX;

const Field kTodayItemFields[] = {
    WithRow(NumberSetting<&Settings::Enabled>("Enabled", u"Enabled", 0), ToggleRowOf(u"Включить плагин", kYesNo)),
};
const char16_t* const kTodayItemOrder[] = {u"Enabled"};

// All four margins scale with the horizontal density, the top and bottom ones too.
const Field kRootFields[] = {
    Corrected(WithRow(NumberSetting<&SettingsBody::FixedPageCount>("FixedPageCount", u"FixedPageCount", 3),
                      NumberRowOf(u"Фикс. страниц", 0, BlockCount)),
              0, BlockCount),
    WithRow(Scaled(NumberSetting<&SettingsBody::MarginLeft>("MarginLeft", u"MarginLeft", 10), LOGPIXELSX),
            MarginsRowOf(u"Отступы")),
    Scaled(NumberSetting<&SettingsBody::MarginTop>("MarginTop", u"MarginTop", 2), LOGPIXELSX),
    Scaled(NumberSetting<&SettingsBody::MarginRight>("MarginRight", u"MarginRight", 10), LOGPIXELSX),
    Scaled(NumberSetting<&SettingsBody::MarginBottom>("MarginBottom", u"MarginBottom", 2), LOGPIXELSX),
    WithRow(NumberSetting<&SettingsBody::TapType>("TapType", u"TapType", SingleTap),
            ChoiceRowOf(u"Запуск со страниц", kTapTypes)),
};
const char16_t* const kRootOrder[] = {u"FixedPageCount", u"MarginLeft",   u"MarginTop",
                                      u"MarginRight",    u"MarginBottom", u"TapType"};

// The Today item's key holds a value of the whole record, not of its body.
void* WholeRecord(SettingsBody& body) { return &static_cast<Settings&>(body); }
void* Body(SettingsBody& body) { return &body; }

const SettingsKey kTodayItem = KeyOf(nullptr, &WholeRecord, kTodayItemFields, kTodayItemOrder, kTodayItemOrder);
const SettingsKey kRoot = KeyOf(nullptr, &Body, kRootFields, kRootOrder, kRootOrder);

// Screen density × factor / 96; false when the density could not be read.
bool ScaledDefault(int axis, std::int32_t factor, std::int32_t& value) {
  const int dpi = pf::ScreenDensity(axis);
  value = dpi * factor / 96;
  return dpi > 0;
}

void ResetText(const Field& field, char16_t* text, pf::ModuleHandle module) {
  if (!field.InOwnFolder) {
    pf::CopyText(text, static_cast<std::size_t>(field.Capacity), field.Text);
    return;
  }
  char16_t folder[kPathCapacity];
  OwnFolder(module, folder);
  pf::FormatText(text, static_cast<std::size_t>(field.Capacity), u"%s%s", folder, field.Text);
}

void ResetFont(const FontDefault& value, FontSpec& font) {
  pf::CopyText(font.FaceName, kPathCapacity, value.FaceName);
  font.Size = value.Size;
  font.Bold = value.Bold;
  font.Color = value.Color;
  font.ClearType = value.ClearType;
}

// False when the default could not be made (a scaled one without the density).
bool ResetField(const Field& field, void* record, pf::ModuleHandle module) {
  switch (field.Type) {
    case FieldType::Number:
      if (field.ScaleAxis) return ScaledDefault(field.ScaleAxis, field.Number, NumberField(field, record));
      NumberField(field, record) = field.Number;
      break;
    case FieldType::Color: ColorField(field, record) = static_cast<pf::COLORREF>(field.Number); break;
    case FieldType::Text: ResetText(field, TextField(field, record), module); break;
    case FieldType::Font: ResetFont(field.Font, FontField(field, record)); break;
  }
  return true;
}

std::int32_t* CorrectedNumber(const Field& field, void* record) {
  if (field.Type == FieldType::Number) return &NumberField(field, record);
  if (field.Type == FieldType::Font) return &FontField(field, record).Size;
  return nullptr;
}

}  // namespace

const SettingsKey& TodayItemSettings() { return kTodayItem; }
const SettingsKey& RootSettings() { return kRoot; }

std::int32_t& NumberField(const Field& field, void* record) { return *static_cast<std::int32_t*>(field.At(record)); }
pf::COLORREF& ColorField(const Field& field, void* record) { return *static_cast<pf::COLORREF*>(field.At(record)); }
char16_t* TextField(const Field& field, void* record) { return static_cast<char16_t*>(field.At(record)); }
FontSpec& FontField(const Field& field, void* record) { return *static_cast<FontSpec*>(field.At(record)); }

bool ResetFields(const SettingsKey& key, Settings& settings) {
  void* record = key.Record(settings);
  bool complete = true;
  for (int i = 0; i < key.FieldCount; ++i) complete &= ResetField(key.Fields[i], record, settings.Module);
  return complete;
}

void CorrectFields(const SettingsKey& key, Settings& settings) {
  void* record = key.Record(settings);
  for (int i = 0; i < key.FieldCount; ++i) {
    const Field& field = key.Fields[i];
    std::int32_t* value = field.Corrected ? CorrectedNumber(field, record) : nullptr;
    if (value == nullptr) continue;
    if (*value < field.Low) *value = field.Low;
    if (*value > field.High) *value = field.High;
  }
}

}  // namespace ostrel
