#include "catalog/CatalogStore.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/runtime/CaseFold.h"

using namespace vespera;

namespace {

void AddName(CatalogStore& store, const char* designation, const char* name) {
  ObjectNameRecord r;
  r.SetDesignation(designation);
  r.SetName(name);
  store.names.Append(r);
}

void AddObject(CatalogStore& store, const char* designation) {
  SkyObjectRecord r;
  r.SetDesignation(designation);
  store.objects.Append(r);
}

TEST(FindName, TakesTheFirstExactCaseSensitiveMatch) {
  CatalogStore store;
  AddName(store, "18del Cyg", "Rukh");
  AddName(store, "3alp Lyr", "Vega");
  AddName(store, "3alp Lyr", "Wega");
  WideString name = u"unchanged";
  EXPECT_TRUE(store.FindName(u"3alp Lyr", name));
  EXPECT_EQ(name, u"Vega");
  EXPECT_TRUE(store.FindName(u"18del Cyg", name));  // nine characters, the whole field
  EXPECT_EQ(name, u"Rukh");

  name = u"unchanged";
  EXPECT_FALSE(store.FindName(u"18DEL CYG", name));
  EXPECT_FALSE(store.FindName(u"3alp Ly", name));  // a prefix is no match
  EXPECT_EQ(name, u"unchanged");
}

TEST(FindName, KeyAndOutputMayBeTheSameString) {
  CatalogStore store;
  AddName(store, "3alp Lyr", "Vega");
  WideString text = u"3alp Lyr";
  EXPECT_TRUE(store.FindName(text, text));
  EXPECT_EQ(text, u"Vega");
  text = u"4bet Lyr";
  EXPECT_FALSE(store.FindName(text, text));
  EXPECT_EQ(text, u"4bet Lyr");
}

TEST(FindName, EmptyTableFindsNothing) {
  CatalogStore store;
  WideString name;
  EXPECT_FALSE(store.FindName(u"", name));
  EXPECT_EQ(store.FindObjectIndex(u""), -1);
  EXPECT_EQ(store.FindObjectIndex(u"m31"), -1);
}

TEST(FindObjectIndex, MatchesFoldedDesignationsOnlyWithAFoldedKey) {
  CatalogStore store;
  AddObject(store, "");
  AddObject(store, "224");
  AddObject(store, "IC 434");
  AddObject(store, "ic 434");
  EXPECT_EQ(store.FindObjectIndex(u"224"), 1);
  EXPECT_EQ(store.FindObjectIndex(u"IC 434"), -1);
  WideString key = u"IC 434";
  FoldWide(key);
  EXPECT_EQ(store.FindObjectIndex(key), 2);
  EXPECT_EQ(store.FindObjectIndex(u""), -1);  // empty designations are never found
}

TEST(FindObjectIndex, DesignationFillingItsWholeFieldIsStillTerminated) {
  CatalogStore store;
  SkyObjectRecord r;
  std::memcpy(r.bytes.data() + SkyObjectLayout::kDesignation, "ABCDEFGHIJ", 10);  // no terminator in the field
  store.objects.Append(r);
  SkyObjectRecord next;
  next.bytes[0] = 'Z';  // the following record's bytes must not leak into the key
  store.objects.Append(next);
  EXPECT_EQ(store.FindObjectIndex(u"abcdefghij"), 0);
}

}  // namespace
