// Tests of a key's compact value table: replacing, removing, reclaiming space and finding by name.
#include "platform/host/reg_values.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/host/memory_registry.h"

namespace pf::host {
namespace {

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
  return bytes;
}

std::u16string Name(int n) {
  std::string digits = std::to_string(n);
  return u"Value" + std::u16string(digits.begin(), digits.end());
}

void Set(RegValueTable& table, std::u16string_view name, std::uint32_t type, const std::vector<std::uint8_t>& data) {
  table.Set(name, type, data.data(), data.size());
}

std::vector<RegValue> InOrder(const RegValueTable& table) {
  RegValueList list(table);
  return std::vector<RegValue>(list.begin(), list.end());
}

// Each table operation is mirrored on a plain list of values in the order
// first written; after every step the two must hold the same, found by name
// in any case. Values grow, shrink, vanish and come back, so records move,
// space is reclaimed and the index shifts entries back after removals.
TEST(RegValueTable, ChurnKeepsEveryValueTheOrderFirstWrittenAndFindsEachByName) {
  RegValueTable table;
  std::vector<RegValue> model;
  auto modelFind = [&model](const std::u16string& name) {
    for (auto it = model.begin(); it != model.end(); ++it) {
      if (FoldEqual()(it->name, name)) return it;
    }
    return model.end();
  };
  std::mt19937 random(19);
  for (int step = 0; step < 20000; ++step) {
    int n = static_cast<int>(random() % 300);
    std::u16string name = Name(n);
    if (random() % 2 == 0) name = FoldCase(name);  // another case of the same name
    if (random() % 4 == 0) {
      bool had = modelFind(name) != model.end();
      EXPECT_EQ(table.Remove(name), had);
      if (had) model.erase(modelFind(name));
    } else {
      auto data = Bytes(random() % 3 == 0 ? random() % 600 : random() % 9, static_cast<std::uint8_t>(step));
      auto type = static_cast<std::uint32_t>(random() % 12);
      Set(table, name, type, data);
      auto it = modelFind(name);
      if (it == model.end()) {
        model.push_back(RegValue{name, type, data});
      } else {
        it->type = type;
        it->data = data;
      }
    }
    if (step % 997 == 0 || step == 19999) {
      ASSERT_EQ(table.Size(), model.size());
      ASSERT_EQ(InOrder(table), model) << "step " << step;
      for (int k = 0; k < 300; ++k) {
        RegValueView view;
        bool found = table.Find(FoldCase(Name(k)), &view);
        auto it = modelFind(Name(k));
        ASSERT_EQ(found, it != model.end()) << "value " << k << " at step " << step;
        if (found) {
          EXPECT_EQ(view.Copy(), *it);
        }
      }
    }
  }
}

TEST(RegValueTable, ReplacedDataKeepsTheFirstNameAndPlaceAndNoStaleBytes) {
  RegValueTable table;
  Set(table, u"Name", REG_SZ, Bytes(5, 1));
  Set(table, u"Other", REG_DWORD, Bytes(4, 2));
  Set(table, u"NAME", REG_BINARY, Bytes(2000, 3));  // larger: the record moves
  Set(table, u"name", REG_BINARY, Bytes(3, 4));     // smaller: rewritten in place
  Set(table, u"Other", REG_NONE, {});
  std::vector<RegValue> expected{{u"Name", REG_BINARY, Bytes(3, 4)}, {u"Other", REG_NONE, {}}};
  EXPECT_EQ(InOrder(table), expected);
  // An empty name is a name like any other (the key's default value).
  Set(table, u"", REG_SZ, Bytes(2, 0));
  RegValueView view;
  ASSERT_TRUE(table.Find(u"", &view));
  EXPECT_EQ(view.size, 2u);
  EXPECT_FALSE(table.Find(u"Nam", &view));
}

// A value larger than the blocks values share gets one of its own; those
// written after it still find room, and every value reads back whole.
TEST(RegValueTable, ValuesLargerThanASharedBlockAreHeldWholeBesideSmallOnes) {
  RegValueTable table;
  Set(table, u"small", REG_BINARY, Bytes(7, 9));
  Set(table, u"huge", REG_BINARY, Bytes(5u << 20, 5));
  for (int i = 0; i < 1000; ++i) Set(table, Name(i), REG_DWORD, Bytes(4, static_cast<std::uint8_t>(i)));
  RegValueView view;
  ASSERT_TRUE(table.Find(u"HUGE", &view));
  EXPECT_EQ(view.Copy().data, Bytes(5u << 20, 5));
  ASSERT_TRUE(table.Find(u"small", &view));
  EXPECT_EQ(view.Copy().data, Bytes(7, 9));
  ASSERT_TRUE(table.Find(Name(999), &view));
  EXPECT_EQ(view.Copy().data, Bytes(4, static_cast<std::uint8_t>(999)));
  EXPECT_TRUE(table.Remove(u"huge"));
  EXPECT_EQ(table.Size(), 1001u);
}

}  // namespace
}  // namespace pf::host
