// A TrueType font file renamed to another family: a freely licensed face standing in for a device's own.
#include "tests/pixels/font_stand_in.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace ostrel::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Get(const Bytes& b, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = 0; i < size; ++i) v = (v << 8) | b.at(at + i);
  return v;
}

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size) {
  for (int i = size - 1; i >= 0; --i, v >>= 8) b.at(at + i) = static_cast<std::uint8_t>(v);
}

void Append(Bytes& b, std::uint32_t v, int size) {
  b.resize(b.size() + size);
  Put(b, b.size() - size, v, size);
}

std::uint32_t Checksum(const Bytes& b, std::size_t from, std::size_t length) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < length; i += 4) {
    std::uint32_t word = 0;
    for (std::size_t k = 0; k < 4; ++k) word = (word << 8) | (i + k < length ? b[from + i + k] : 0);
    sum += word;
  }
  return sum;
}

// The subfamily of the face (name 2, Windows English), "Regular" when it has none.
std::string Subfamily(const Bytes& font, std::size_t name) {
  const std::size_t count = Get(font, name + 2, 2), strings = name + Get(font, name + 4, 2);
  for (std::size_t r = name + 6; r < name + 6 + 12 * count; r += 12) {
    if (Get(font, r, 2) != 3 || Get(font, r + 4, 2) != 0x409 || Get(font, r + 6, 2) != 2) continue;
    std::string text;
    for (std::size_t i = 0; i + 1 < Get(font, r + 8, 2); i += 2) {
      text += static_cast<char>(font.at(strings + Get(font, r + 10, 2) + i + 1));
    }
    return text;
  }
  return "Regular";
}

// A name table of Windows English names (UTF-16BE), ASCII text.
Bytes NameTable(const std::vector<std::pair<int, std::string>>& names) {
  Bytes table, strings;
  Append(table, 0, 2);
  Append(table, static_cast<std::uint32_t>(names.size()), 2);
  Append(table, static_cast<std::uint32_t>(6 + 12 * names.size()), 2);
  for (const auto& [id, text] : names) {
    for (std::uint32_t v : {3u, 1u, 0x409u, static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(2 * text.size()),
                            static_cast<std::uint32_t>(strings.size())}) {
      Append(table, v, 2);
    }
    for (char c : text) Append(strings, static_cast<std::uint8_t>(c), 2);
  }
  table.insert(table.end(), strings.begin(), strings.end());
  return table;
}

}  // namespace

bool WriteFontStandIn(const std::string& from, const std::string& to, const std::string& family,
                      std::string* error) {
  std::ifstream in(from, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  const std::string text = data.str();
  Bytes font(text.begin(), text.end());
  try {
    const std::size_t tables = Get(font, 4, 2);
    std::size_t nameRecord = 0, headRecord = 0;
    for (std::size_t r = 12; r < 12 + 16 * tables; r += 16) {
      if (Get(font, r, 4) == 0x6E616D65) nameRecord = r;  // 'name'
      if (Get(font, r, 4) == 0x68656164) headRecord = r;  // 'head'
    }
    if (Get(font, 0, 4) != 0x00010000 || nameRecord == 0 || headRecord == 0) throw std::out_of_range("tables");
    const std::string style = Subfamily(font, Get(font, nameRecord + 8, 4));
    std::string postscript;
    for (char c : family + "-" + style) {
      if (c != ' ') postscript += c;
    }
    const Bytes names = NameTable({{1, family}, {2, style}, {3, postscript}, {4, family + " " + style}, {6, postscript}});
    // The new name table goes at the end; the old one stays, unreferenced.
    font.resize((font.size() + 3) & ~std::size_t{3}, 0);
    Put(font, nameRecord + 4, Checksum(names, 0, names.size()), 4);
    Put(font, nameRecord + 8, static_cast<std::uint32_t>(font.size()), 4);
    Put(font, nameRecord + 12, static_cast<std::uint32_t>(names.size()), 4);
    font.insert(font.end(), names.begin(), names.end());
    font.resize((font.size() + 3) & ~std::size_t{3}, 0);
    const std::size_t head = Get(font, headRecord + 8, 4);
    Put(font, head + 8, 0, 4);
    Put(font, headRecord + 4, Checksum(font, head, Get(font, headRecord + 12, 4)), 4);
    Put(font, head + 8, 0xB1B0AFBAu - Checksum(font, 0, font.size()), 4);
  } catch (const std::out_of_range&) {
    *error = from + ": not a TrueType font";
    return false;
  }
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(font.data()), static_cast<std::streamsize>(font.size()));
  out.close();
  if (!out) {
    *error = to + ": cannot write it";
    return false;
  }
  return true;
}

}  // namespace ostrel::testing
