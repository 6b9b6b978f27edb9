// Any page at any width: laid out and painted on its own, and (on a flag)
// shown in a display control that is then tapped, dragged, scrolled with the
// keys and resized. Whatever it is given, the page must lay out and paint
// without reading outside its source, recursing without bound or looping; its
// links must be tappable where it says they are; and every link notification
// the control sends must reach the parent as a well-formed NM_HOTSPOT.

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "platform/htmlview/HtmlPage.h"
#include "platform/htmlview/HtmlView.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"

namespace {

constexpr UINT kStopMessage = WM_USER + 0x7FFF;

// Lets the window thread run dry: once nothing is queued and nothing needs
// painting, it posts the message that ends the pump.
class DrainBackend final : public Backend {
 public:
  void WaitForInput(Desktop& desktop, std::optional<DWORD>) override {
    if (desktop.Queue().BackgroundWorkPending()) {
      desktop.Queue().WaitForChange(desktop.Queue().Generation());
      return;
    }
    desktop.Post(nullptr, kStopMessage, 0, 0);
  }
  void Wake() override {}
  void Present(const Surface&) override {}
};

// The view's owner: checks each link notification as it arrives.
class LinkWatcher final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto* header = PointerFromLParam<const NMHDR>(lParam);
      FUZZ_CHECK(header != nullptr);
      FUZZ_CHECK(header->hwndFrom == view);
      if (header->code == NM_HOTSPOT) {
        const auto* link = PointerFromLParam<const NM_HTMLVIEW>(lParam);
        FUZZ_CHECK(link->szTarget != nullptr);
        // Reads the whole target, so a dangling or unterminated one shows.
        lastTarget = WideString(link->szTarget);
        ++links;
      }
      return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
  }

  HWND view = nullptr;
  WideString lastTarget;
  int links = 0;
};

void RunUntilIdle(Desktop& desktop) {
  MSG message;
  while (desktop.GetMessage(message) && message.message != kStopMessage) desktop.Dispatch(message);
}

// Sizes from empty to wider than the small screen: a page must survive a
// view too narrow for a single letter. Heights stay modest because painting
// costs by the pixel and the layout, not the fill, is what is being tested.
constexpr std::array<LONG, 8> kWidths{240, 176, 480, 1, 0, 37, 300, 12};
constexpr std::array<LONG, 8> kHeights{160, 220, 64, 1, 0, 26, 320, 3};

constexpr std::array<UINT, 10> kKeys{VK_DOWN, VK_UP,   VK_TAB,  VK_RETURN, VK_SPACE,
                                     VK_LEFT, VK_RIGHT, VK_BACK, VK_ESCAPE, 'A'};

enum Flags : std::uint8_t {
  kFirstPiecePlain = 1,
  kSecondPiecePlain = 2,
  kFirstPieceBySetText = 4,
  kLargeScreen = 8,
  kReplacePage = 16,
  kThroughWindow = 32,
  kHighDpi = 64,
};

// Fonts are resolved through fontconfig, whose set-up would otherwise cost
// more than the page itself; the engine holds no page state.
FontEngine& SharedFonts() {
  static FontEngine fonts;
  return fonts;
}

void CheckLinks(const HtmlPage& page) {
  for (const HtmlLink& link : page.Links()) {
    FUZZ_CHECK(!link.boxes.empty());
    for (const RECT& box : link.boxes) {
      FUZZ_CHECK(box.right > box.left && box.bottom > box.top);
      // A tap in the middle of a box finds a link there (an earlier one may
      // lie on top).
      const POINT middle{box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
      const std::optional<std::size_t> hit = page.LinkAt(middle);
      FUZZ_CHECK(hit && *hit < page.Links().size());
      bool inside = false;
      for (const RECT& other : page.Links()[*hit].boxes) inside = inside || other.Contains(middle);
      FUZZ_CHECK(inside);
    }
  }
}

// The page on its own: laid out at one width, painted scrolled part way,
// laid out again at another width and painted at the other screen depth.
void RenderAlone(std::u16string_view source, std::uint8_t size, std::uint8_t flags, std::uint8_t scroll) {
  const HtmlMetrics metrics = HtmlMetrics::ForDpi(flags & kHighDpi ? 192 : 96);
  const LONG width = kWidths[size % kWidths.size()];
  const LONG height = kHeights[(size / kWidths.size()) % kHeights.size()];
  const Surface whole = RenderHtmlPage(source, width, height, SharedFonts(), metrics);
  FUZZ_CHECK(whole.Width() == std::max<LONG>(width, 1) && whole.Height() == std::max<LONG>(height, 1));

  HtmlPage page(SharedFonts(), metrics, source);
  const LONG otherWidth = kWidths[(size + 3) % kWidths.size()];
  for (const auto& [layoutWidth, depth] : {std::pair{width, 32}, std::pair{otherWidth, 16}}) {
    const int pageHeight = page.Layout(int(layoutWidth), int(height));
    FUZZ_CHECK(pageHeight >= 0 && pageHeight == page.Height());
    FUZZ_CHECK(page.Width() == std::max<int>(int(layoutWidth), 1));
    CheckLinks(page);
    Surface surface(page.Width(), std::max<LONG>(height, 1), depth);
    CDC dc(surface, {0, 0}, surface.Bounds(), &SharedFonts());
    page.Paint(dc, surface.Bounds(), pageHeight * scroll / 256);
  }
}

POINT PointFrom(std::uint8_t x, std::uint8_t y, LONG width, LONG height) {
  // A little beyond the view on each side, where taps must find nothing.
  return {LONG(x) * (width + 20) / 256 - 10, LONG(y) * (height + 20) / 256 - 10};
}

void Act(Desktop& desktop, HWND view, FuzzInput& input) {
  const std::uint8_t kind = input.TakeByte();
  const std::uint8_t a = input.TakeByte();
  const std::uint8_t b = input.TakeByte();
  RECT client{};
  GetClientRect(view, &client);
  const POINT point = PointFrom(a, b, client.right, client.bottom);
  switch (kind % 6) {
    case 0:  // tap
      desktop.Input().StylusDown(point);
      desktop.Input().StylusUp(point);
      break;
    case 1: {  // drag, as a finger scrolls
      const POINT end = PointFrom(b, a, client.right, client.bottom);
      desktop.Input().StylusDown(point);
      desktop.Input().StylusMove({(point.x + end.x) / 2, (point.y + end.y) / 2});
      desktop.Input().StylusMove(end);
      desktop.Input().StylusUp(end);
      break;
    }
    case 2:
      SetFocus(view);
      desktop.Input().KeyDown(kKeys[a % kKeys.size()]);
      desktop.Input().KeyUp(kKeys[a % kKeys.size()]);
      break;
    case 3:
      MoveWindow(view, 0, 0, kWidths[a % kWidths.size()], kHeights[b % kHeights.size()], TRUE);
      return;
    case 4:
      InvalidateRect(view, nullptr, FALSE);
      UpdateWindow(view);
      return;
    case 5:
      SendMessage(view, DTM_ADDTEXTW, a & 1, LParamFromPointer(u"<p>more</p>"));
      SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
      return;
  }
  // Taps and keys are queued; the view sees them only when the queue runs.
  RunUntilIdle(desktop);
}

}  // namespace

void FuzzHtmlView(FuzzBytes data) {
  FuzzInput input(data);
  const std::uint8_t size = input.TakeByte();
  const std::uint8_t flags = input.TakeByte();
  const WideString first = Utf8ToWide(input.TakePart());
  const WideString second = Utf8ToWide(input.TakePart());

  RenderAlone(first + second, size, flags, input.TakeByte());
  if (!(flags & kThroughWindow)) return;

  // Mostly the small screen: every pump composes the whole screen, and at
  // 480 x 640 that copying would outweigh the view's own work.
  DeviceProfile profile;
  if (!(flags & kLargeScreen)) {
    profile.width = 240;
    profile.height = 320;
    profile.bitsPerPixel = 16;
  }
  VirtualClock clock;
  DrainBackend backend;
  Desktop desktop(profile, clock, backend);
  FUZZ_CHECK(InitHTMLControl(nullptr));

  auto watcher = std::make_shared<LinkWatcher>();
  WindowCreation ownerCreation;
  ownerCreation.className = u"FuzzOwner";
  ownerCreation.style = WS_POPUP | WS_VISIBLE;
  ownerCreation.rect = {0, 0, profile.width, profile.height};
  const HWND owner = desktop.CreateWindow(ownerCreation, nullptr, watcher);
  FUZZ_CHECK(owner != nullptr);

  const LONG width = kWidths[size % kWidths.size()];
  const LONG height = kHeights[(size / kWidths.size()) % kHeights.size()];
  const HWND view = CreateWindowEx(0, DISPLAYCLASS, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, width, height,
                                   owner, 1, nullptr, nullptr);
  FUZZ_CHECK(view != nullptr);
  watcher->view = view;

  if (flags & kFirstPieceBySetText) {
    SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(first.c_str()));
  } else {
    SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));
    SendMessage(view, DTM_ADDTEXTW, (flags & kFirstPiecePlain) != 0, LParamFromPointer(first.c_str()));
  }
  SendMessage(view, DTM_ADDTEXTW, (flags & kSecondPiecePlain) != 0, LParamFromPointer(second.c_str()));
  SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
  RunUntilIdle(desktop);

  for (int step = 0; step < 32 && !input.empty(); ++step) Act(desktop, view, input);

  if (flags & kReplacePage) {
    // A new page while the old one may still be scrolled away or focused.
    SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(second.c_str()));
    RunUntilIdle(desktop);
  }
  desktop.Screen().Compose();
  DestroyWindow(owner);
  RunUntilIdle(desktop);
}
