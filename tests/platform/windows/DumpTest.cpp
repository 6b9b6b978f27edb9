#include <gtest/gtest.h>

#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDump.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

TEST(DumpValue, WritesEscapedTextNumbersAndNesting) {
  DumpObject object;
  object.Set("text", u"Say \"\u00e9\"\n\x01");
  object.Set("whole", 2.0);
  object.Set("nan", std::numeric_limits<double>::quiet_NaN());
  object.Set("list", DumpArray{1, true, DumpValue()});
  object.Set("text", u"replaced");
  EXPECT_EQ(DumpValue(object).ToJson(),
            "{\n  \"text\": \"replaced\",\n  \"whole\": 2.0,\n  \"nan\": null,\n"
            "  \"list\": [\n    1,\n    true,\n    null\n  ]\n}\n");
  DumpObject escaped;
  escaped.Set("t", u"a\"b\\c\n\x01\u00e9");
  EXPECT_EQ(DumpValue(escaped).ToJson(), "{\n  \"t\": \"a\\\"b\\\\c\\n\\u0001\xc3\xa9\"\n}\n");
}

class StatefulWindow : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) override { return DefWindowProc(w, m, wp, lp); }
  void DescribeForDump(HWND, DumpObject& fields) const override { fields.Set("checked", true); }
};

TEST(WindowDump, ListsShownTopLevelWindowsWithTheirControls) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.bitsPerPixel = 16;
  TestDesktop test(profile);
  test.clock.Advance(250);
  WindowCreation top;
  top.className = u"Plain";
  top.style = WS_POPUP | WS_VISIBLE;
  top.rect = {0, 0, 240, 320};
  const HWND window = test.desktop.CreateWindow(top, nullptr, std::make_shared<StatefulWindow>());
  WindowCreation hidden = top;
  hidden.style = WS_POPUP;
  test.desktop.CreateWindow(hidden, nullptr, std::make_shared<StatefulWindow>());
  WindowCreation child;
  child.className = u"Button";
  child.text = u"Go";
  child.style = WS_CHILD | WS_DISABLED;
  child.rect = {10, 20, 30, 40};
  child.parent = window;
  child.controlId = 1013;
  test.desktop.CreateWindow(child, nullptr, std::make_shared<StatefulWindow>());

  const DumpValue dump = DumpDesktop(test.desktop);
  const DumpObject& root = *dump.AsObject();
  const DumpObject& screen = *root.Find("screen")->AsObject();
  EXPECT_EQ(*screen.Find("depth")->AsInteger(), 16);
  EXPECT_EQ(*screen.Find("platform")->AsString(), "PocketPC");
  EXPECT_EQ(*root.Find("tick")->AsInteger(), 250);
  const DumpArray& windows = *root.Find("windows")->AsArray();
  ASSERT_EQ(windows.size(), 1u);
  const DumpObject& first = *windows[0].AsObject();
  EXPECT_EQ(*first.Find("id")->AsInteger(), 0);
  const DumpObject& button = *(*first.Find("children")->AsArray())[0].AsObject();
  EXPECT_EQ(*button.Find("class")->AsString(), "Button");
  EXPECT_EQ(*button.Find("id")->AsInteger(), 1013);
  EXPECT_EQ(*button.Find("text")->AsString(), "Go");
  EXPECT_EQ(*button.Find("visible")->AsBool(), false);
  EXPECT_EQ(*button.Find("enabled")->AsBool(), false);
  EXPECT_EQ(*button.Find("checked")->AsBool(), true);
  const DumpArray& rect = *button.Find("rect")->AsArray();
  EXPECT_EQ(*rect[0].AsInteger(), 10);
  EXPECT_EQ(*rect[3].AsInteger(), 40);
}

}  // namespace
