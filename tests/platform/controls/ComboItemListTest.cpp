#include "platform/controls/ComboItemList.h"

#include <gtest/gtest.h>

namespace {

using Placement = ComboItemList::Placement;

std::vector<WideString> Texts(const ComboItemList& list) {
  std::vector<WideString> texts;
  for (const ComboItem& item : list.Items()) texts.push_back(item.text);
  return texts;
}

TEST(ComboItemList, InsertsInPlaceOrInFoldedOrderAndRefusesBadPlaces) {
  ComboItemList list(10);
  EXPECT_EQ(list.Insert(-1, u"pear", Placement::At).index, 0);
  EXPECT_EQ(list.Insert(0, u"Apple", Placement::At).index, 0);
  EXPECT_EQ(list.Insert(2, u"fig", Placement::At).index, 2);
  EXPECT_EQ(list.Insert(4, u"kiwi", Placement::At).index, -1);  // past the end
  EXPECT_EQ(Texts(list), (std::vector<WideString>{u"Apple", u"pear", u"fig"}));

  ComboItemList sorted(10);
  for (const char16_t* text : {u"pear", u"Apple", u"banana", u"apple"}) sorted.Insert(-1, text, Placement::InOrder);
  // Equal folded texts keep their order of arrival.
  EXPECT_EQ(Texts(sorted), (std::vector<WideString>{u"Apple", u"apple", u"banana", u"pear"}));
}

TEST(ComboItemList, AFullListRefusesWithTheReason) {
  ComboItemList list(2);
  list.Insert(-1, u"a", Placement::At);
  list.Insert(-1, u"b", Placement::At);
  const ComboItemList::Inserted refused = list.Insert(0, u"c", Placement::At);
  EXPECT_TRUE(refused.full);
  EXPECT_EQ(refused.index, -1);
  EXPECT_EQ(list.size(), 2u);
}

TEST(ComboItemList, TheChoiceStaysOnItsEntryThroughInsertsAndRemovals) {
  ComboItemList list(10);
  for (const char16_t* text : {u"a", u"b", u"c", u"d"}) list.Insert(-1, text, Placement::At);
  list.Select(2);                        // "c"
  list.Insert(0, u"z", Placement::At);  // before it
  EXPECT_EQ(list.Selection(), 3);
  list.Insert(4, u"y", Placement::At);  // after it
  EXPECT_EQ(list.Selection(), 3);
  EXPECT_FALSE(list.Erase(0));
  EXPECT_EQ(list.Selection(), 2);
  EXPECT_FALSE(list.Erase(3));
  EXPECT_EQ(list.Selection(), 2);
  EXPECT_EQ(list[list.Selection()].text, u"c");
  EXPECT_TRUE(list.Erase(2));  // the chosen entry itself
  EXPECT_EQ(list.Selection(), -1);
  list.Select(0);
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.Selection(), -1);
}

TEST(ComboItemList, FindExactIgnoresCaseStartsAfterTheGivenEntryAndWraps) {
  ComboItemList list(10);
  for (const char16_t* text : {u"Vega", u"Deneb", u"vega", u"Altair"}) list.Insert(-1, text, Placement::At);
  EXPECT_EQ(list.FindExact(-1, u"VEGA"), 0);
  EXPECT_EQ(list.FindExact(0, u"vega"), 2);
  EXPECT_EQ(list.FindExact(2, u"vega"), 0);  // wraps round
  EXPECT_EQ(list.FindExact(-1, u"Veg"), -1);  // whole texts only
  EXPECT_EQ(ComboItemList(10).FindExact(-1, u""), -1);
}

TEST(ComboItemList, IndexesFromMessagesAreEntriesOrNone) {
  ComboItemList list(10);
  list.Insert(-1, u"a", Placement::At);
  list.Insert(-1, u"b", Placement::At);
  EXPECT_EQ(list.IndexFrom(1), 1);
  EXPECT_EQ(list.IndexFrom(2), -1);
  EXPECT_EQ(list.IndexFrom(WPARAM(-1)), -1);
  EXPECT_EQ(list.IndexFrom(WPARAM(-5)), -1);
}

}  // namespace
