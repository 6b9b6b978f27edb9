// The main window's road from a key, a button or a menu item to its handler:
// the key table delivers any command through the message map, a navigation
// key acts only while it is held, and every command the window can be sent
// has a handler.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "platform/framework/Dialog.h"
#include "resources/ProgramMenu.h"
#include "shell/CommandButtons.h"
#include "shell/KeyCommands.h"
#include "shell/SkyMapDlg.h"
#include "tests/platform/windows/TestDesktop.h"

using namespace vespera;

namespace {

constexpr DialogTemplate kEmptyDialog{300, WS_VISIBLE, 0, 0, 0, 100, 100, u"Keys", u"System", 8, {}};

// A window whose keys are a table of the test's own, and whose handlers note
// what reached them.
class KeyedWindow : public CDialog {
 public:
  explicit KeyedWindow(std::span<const KeyCommand> keys) : CDialog(kEmptyDialog), keys_(keys) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<KeyedWindow>(CDialog::GetMessageMap())
                                      .OnCommand(kCommandAbout, &KeyedWindow::OnAbout)
                                      .OnCommand(kCommandPanRight, &KeyedWindow::OnPan)
                                      .OnCommand(kCommandExit, &KeyedWindow::OnExit);
    return &map;
  }
  BOOL PreTranslateMessage(MSG* message) override {
    if (TranslateKeyCommand(*this, *message, keys_)) return TRUE;
    return CDialog::PreTranslateMessage(message);
  }
  void OnAbout() { reached.push_back(kCommandAbout); }
  void OnPan(UINT id) { reached.push_back(id); }
  void OnExit() { EndDialog(1); }

  std::vector<UINT> reached;

 private:
  std::span<const KeyCommand> keys_;
};

TEST(KeyCommands, OneTableLineMakesAKeyRunAnyCommandAndHeldKeysActOnlyWhileDown) {
  // The main window's table with one line more: F2 opens About.
  std::vector<KeyCommand> keys(std::begin(kMainWindowKeys), std::end(kMainWindowKeys));
  keys.push_back({VK_F1 + 1, kCommandAbout, KeyDelivery::Posted});
  keys.push_back({'Q', kCommandExit, KeyDelivery::Posted});

  TestDesktop test;
  KeyedWindow window(keys);
  test.Key(VK_F1 + 1);
  // Held while the queue reaches it: the map pans.
  test.Then([](Desktop& d) { d.Input().KeyDown(VK_RIGHT); });
  test.Then([](Desktop& d) { d.Input().KeyUp(VK_RIGHT); });
  // Pressed and released before the queue gets to it: nothing.
  test.Key(VK_RIGHT);
  // A key the table does not have goes on to the dialog, which ignores it.
  test.Key('Z');
  test.Key('Q');
  EXPECT_EQ(window.DoModal(), 1);
  EXPECT_EQ(window.reached, (std::vector<UINT>{kCommandAbout, kCommandPanRight}));
}

TEST(KeyCommands, EveryCommandOfTheMainWindowsKeysButtonsAndMenuHasAHandler) {
  TestDesktop test;
  const CSkyMapDlg mainWindow;
  const MessageMap* map = mainWindow.GetMessageMap();
  std::vector<UINT> commands;
  for (const KeyCommand& key : kMainWindowKeys) commands.push_back(key.command);
  for (const CommandButton& button : kCommandButtons) commands.push_back(button.id);
  const std::function<void(std::span<const MenuItemTemplate>)> collect = [&](auto items) {
    for (const MenuItemTemplate& item : items) {
      if (item.flags & MF_POPUP) collect(item.Popup());
      else if (!(item.flags & MF_SEPARATOR)) commands.push_back(item.id);
    }
  };
  collect(kProgramMenu.items);
  EXPECT_GT(commands.size(), 40u);
  for (const UINT id : commands) EXPECT_NE(map->FindCommand(id, 0), nullptr) << "command " << id << " is ignored";
  // The loader's "After load" arrives the same way.
  EXPECT_NE(map->FindCommand(kCommandAfterLoad, 0), nullptr);
}

}  // namespace
