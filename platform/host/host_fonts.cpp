// Font matching with fontconfig and GDI-style metrics and glyphs with FreeType.
#include "platform/host/host_fonts.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GASP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "platform/text.h"

namespace pf::host {

namespace {

// Sizes beyond this are taken as this many pixels per em, so that a wild
// height cannot ask for glyph pictures of gigabytes.
constexpr int kMaxPpem = 1024;
// Cell height GDI chooses for a height of 0.
constexpr int kDefaultCellHeight = 16;
// Slant of a simulated italic (about 12 degrees), 16.16.
constexpr FT_Fixed kItalicShear = 0x366D;

struct FaceFile {
  std::string path;
  int index = 0;
};

// Rounds a 26.6 value to whole pixels.
int Round26(FT_Pos v) { return static_cast<int>((v + 32) >> 6); }

// The FreeType library, fontconfig's configuration with Wine's fonts added,
// and the caches of matched files and realized fonts.
class FontLibrary {
 public:
  FontLibrary() {
    FT_Init_FreeType(&library_);
    config_ = FcInitLoadConfigAndFonts();
    if (config_ != nullptr) {
      FcConfigAppFontAddDir(config_, reinterpret_cast<const FcChar8*>(kApplicationFontDir));
    }
  }
  ~FontLibrary() {
    realized_.clear();
    if (user_ != nullptr) FcConfigDestroy(user_);
    if (config_ != nullptr) FcConfigDestroy(config_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  std::shared_ptr<RealizedFont> Realize(const LOGFONTW& font);
  bool AddUserFolder(const std::string& folder);

 private:
  using Key = std::tuple<std::string, int, int, bool, bool>;
  FaceFile Match(const std::string& family, bool bold, bool italic);
  void DropUnused();

  FT_Library library_ = nullptr;
  FcConfig* config_ = nullptr;
  FcConfig* user_ = nullptr;  // the user's own font folders alone
  std::map<std::tuple<std::string, bool, bool>, FaceFile> matches_;
  std::map<Key, std::shared_ptr<RealizedFont>> realized_;
};

// The file fontconfig matches in a configuration; with familyOnly, only a
// file of that very family (any weight and slant) counts.
FaceFile MatchIn(FcConfig* config, const std::string& family, bool bold, bool italic, bool familyOnly) {
  FaceFile file;
  FcPattern* pattern = FcPatternCreate();
  if (!family.empty()) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  bool wanted = match != nullptr && !familyOnly;
  FcChar8* name = nullptr;
  for (int i = 0; match != nullptr && familyOnly && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch;
       ++i) {
    wanted = wanted || FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0;
  }
  FcChar8* path = nullptr;
  if (wanted && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
  }
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return file;
}

// The user's own fonts first, for the families they hold (the platform
// prefers the fonts installed in its font folder); otherwise fontconfig's
// choice among the system's and Wine's fonts.
FaceFile FontLibrary::Match(const std::string& family, bool bold, bool italic) {
  auto key = std::make_tuple(family, bold, italic);
  auto found = matches_.find(key);
  if (found != matches_.end()) return found->second;
  FaceFile file;
  if (user_ != nullptr && !family.empty()) file = MatchIn(user_, family, bold, italic, true);
  if (file.path.empty() && config_ != nullptr) file = MatchIn(config_, family, bold, italic, false);
  matches_[key] = file;
  return file;
}

bool FontLibrary::AddUserFolder(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  // The system's configuration (its cache folders) without its fonts.
  if (user_ == nullptr) user_ = FcInitLoadConfig();
  if (user_ == nullptr || !FcConfigAppFontAddDir(user_, reinterpret_cast<const FcChar8*>(folder.c_str()))) {
    return false;
  }
  matches_.clear();
  realized_.clear();
  return true;
}

void FontLibrary::DropUnused() {
  for (auto it = realized_.begin(); it != realized_.end();) {
    it = it->second.use_count() == 1 ? realized_.erase(it) : std::next(it);
  }
}

std::shared_ptr<RealizedFont> FontLibrary::Realize(const LOGFONTW& font) {
  // The face field may lack its terminator: read no further than the field.
  std::size_t length = 0;
  while (length < static_cast<std::size_t>(LF_FACESIZE) && font.lfFaceName[length] != 0) ++length;
  std::string family = ToUtf8(std::u16string(font.lfFaceName, length));
  bool bold = font.lfWeight >= 600;
  bool italic = font.lfItalic != 0;
  Key key{family, font.lfHeight, font.lfWidth, bold, italic};
  auto found = realized_.find(key);
  if (found != realized_.end()) return found->second;
  FaceFile file = Match(family, bold, italic);
  FT_Face face = nullptr;
  if (library_ == nullptr || file.path.empty() ||
      FT_New_Face(library_, file.path.c_str(), file.index, &face) != 0) {
    return nullptr;
  }
  if (realized_.size() >= 64) DropUnused();
  auto realized = std::make_shared<RealizedFont>(face, font);
  realized_[key] = realized;
  return realized;
}

FontLibrary& Library() {
  static FontLibrary library;
  return library;
}

}  // namespace

RealizedFont::RealizedFont(FT_FaceRec_* face, const LOGFONTW& request) : face_(face) {
  fakeBold_ = request.lfWeight >= 600 && (face_->style_flags & FT_STYLE_FLAG_BOLD) == 0;
  fakeItalic_ = request.lfItalic != 0 && (face_->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
  if (FT_IS_SCALABLE(face_)) {
    SetScalableSize(request);
    mono_ = GaspAsksForNoGrey();
  } else {
    SetBitmapSize(request.lfHeight);
  }
}

// GDI draws a TrueType face without grey levels at the sizes where its
// "gasp" table asks for none (Wine's Tahoma: up to 16 pixels per em), from
// the face's bitmap strike when it has one for the size (Tahoma: 8 to 13, 15
// and 16) and otherwise from the outline hinted for black and white; a
// simulated style keeps its grey levels.
bool RealizedFont::GaspAsksForNoGrey() const {
  if (fakeBold_ || fakeItalic_) return false;
  const FT_Int gasp = FT_Get_Gasp(face_, static_cast<FT_UInt>(ppem_));
  return gasp != FT_GASP_NO_TABLE && (gasp & FT_GASP_DO_GRAY) == 0;
}

RealizedFont::~RealizedFont() { FT_Done_Face(face_); }

std::string RealizedFont::FamilyName() const {
  return face_->family_name != nullptr ? face_->family_name : "";
}

// GDI's rule: a negative height is the em size; a positive one is the cell
// height (ascent + descent), the em size being the largest that fits in it.
void RealizedFont::SetScalableSize(const LOGFONTW& request) {
  FT_Long ascentUnits = face_->ascender;
  FT_Long descentUnits = -face_->descender;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (os2 != nullptr && os2->usWinAscent + std::abs(static_cast<FT_Short>(os2->usWinDescent)) != 0) {
    ascentUnits = os2->usWinAscent;
    descentUnits = std::abs(static_cast<FT_Short>(os2->usWinDescent));
  }
  FT_Long units = std::max<FT_Long>(ascentUnits + descentUnits, 1);
  int height = request.lfHeight == 0 ? kDefaultCellHeight : request.lfHeight;
  long ppem = -static_cast<long>(height);
  if (height > 0) {
    ppem = FT_MulDiv(face_->units_per_EM, height, units);
    if (ppem > 1 && FT_MulDiv(units, ppem, face_->units_per_EM) > height) --ppem;
  }
  ppem_ = static_cast<int>(std::clamp<long>(ppem, 1, kMaxPpem));
  int xppem = 0;
  if (request.lfWidth > 0 && os2 != nullptr && os2->xAvgCharWidth > 0) {
    xppem = static_cast<int>(std::clamp<long>(
        FT_MulDiv(request.lfWidth, face_->units_per_EM, os2->xAvgCharWidth), 1, kMaxPpem));
  }
  FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(xppem), static_cast<FT_UInt>(ppem_));
  // Font units to whole pixels as GDI scales them: by the pixels per em over
  // the units per em in 16.16, each value rounded once (DejaVu Sans's ascent
  // at 21 pixels per em, 19.49, is 19; rounding a 26.6 value would give 20).
  const FT_Fixed emScale = FT_MulDiv(ppem_, 1 << 16, face_->units_per_EM);
  auto scale = [emScale](FT_Long units) { return static_cast<int>(FT_MulFix(units, emScale)); };
  metrics_.ascent = scale(ascentUnits);
  metrics_.descent = scale(descentUnits);
  metrics_.height = metrics_.ascent + metrics_.descent;
  metrics_.internalLeading = std::max(scale(ascentUnits + descentUnits - face_->units_per_EM), 0);
  metrics_.underlineOffset = std::max(-scale(face_->underline_position), 1);
  metrics_.underlineThickness = std::max(scale(face_->underline_thickness), 1);
  metrics_.strikeOffset = os2 != nullptr && os2->yStrikeoutPosition > 0 ? scale(os2->yStrikeoutPosition)
                                                                        : metrics_.ascent / 3;
}

// Bitmap fonts: the strike whose height is nearest to the request.
void RealizedFont::SetBitmapSize(int height) {
  long wanted = height == 0 ? kDefaultCellHeight : std::labs(static_cast<long>(height));
  int best = 0;
  for (int i = 1; i < face_->num_fixed_sizes; ++i) {
    if (std::labs(face_->available_sizes[i].height - wanted) <
        std::labs(face_->available_sizes[best].height - wanted)) {
      best = i;
    }
  }
  if (face_->num_fixed_sizes > 0) FT_Select_Size(face_, best);
  ppem_ = std::max(Round26(face_->size->metrics.y_ppem << 6), 1);
  metrics_.ascent = Round26(face_->size->metrics.ascender);
  metrics_.descent = Round26(-face_->size->metrics.descender);
  metrics_.height = metrics_.ascent + metrics_.descent;
  metrics_.internalLeading = std::max(metrics_.height - ppem_, 0);
  metrics_.underlineOffset = 1;
  metrics_.strikeOffset = metrics_.ascent / 3;
}

const Glyph& RealizedFont::GlyphOf(char32_t c) {
  auto found = glyphs_.find(c);
  if (found != glyphs_.end()) return found->second;
  return glyphs_.emplace(c, LoadGlyph(c)).first->second;
}

Glyph RealizedFont::LoadGlyph(char32_t c) {
  Glyph glyph;
  FT_UInt index = FT_Get_Char_Index(face_, c);
  FT_Int32 flags = FT_LOAD_DEFAULT | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH;
  if (FT_IS_SCALABLE(face_)) flags |= FT_LOAD_NO_BITMAP;
  if (FT_Load_Glyph(face_, index, flags) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  // A simulated bold widens every cell by one pixel, as GDI does.
  glyph.advance = static_cast<int>((slot->metrics.horiAdvance + 63) >> 6) + (fakeBold_ ? 1 : 0);
  glyph.penAdvance = glyph.advance;
  // The cell advance stays the outline's; the picture (and the pen's
  // advance) of a glyph without grey levels come from the strike or the
  // outline hinted for black and white.
  if (mono_) {
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH | FT_LOAD_TARGET_MONO) !=
        0) {
      return glyph;
    }
    glyph.penAdvance = static_cast<int>((slot->metrics.horiAdvance + 63) >> 6);
  }
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (fakeBold_) FT_Outline_Embolden(&slot->outline, FT_MulDiv(ppem_, 64, 24));
    if (fakeItalic_) {
      FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
      FT_Outline_Transform(&slot->outline, &shear);
    }
  }
  if (FT_Render_Glyph(slot, mono_ ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
  for (int y = 0; y < glyph.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) {
      std::uint8_t v = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                           ? ((row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                           : row[x];
      glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = v;
    }
  }
  return glyph;
}

std::shared_ptr<RealizedFont> RealizeFont(const LOGFONTW& font) { return Library().Realize(font); }

bool UseFontFolder(const std::string& folder) { return Library().AddUserFolder(folder); }

}  // namespace pf::host
