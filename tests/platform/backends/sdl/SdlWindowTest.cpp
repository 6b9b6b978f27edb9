#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <SDL2/SDL.h>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/Framework.h"
#include "tests/platform/backends/sdl/XUser.h"
#include "tests/platform/backends/sdl/XvfbServer.h"

// A demo window that remembers the input it got. Outside any namespace, so
// that its class name is plain.
constexpr DialogTemplate kWindowDemoTemplate{1, WS_VISIBLE, 0, 0, 0, 137, 196, u"Demo", u"System", 8, {}};

struct SeenInput {
  std::atomic<int> tapX{-1};
  std::atomic<int> tapY{-1};
  std::atomic<UINT> key{0};
  std::atomic<UINT> character{0};
  std::atomic<bool> loaded{false};
  std::atomic<int> wheelNotches{0};
  std::atomic<int> screenWidth{0};
  std::atomic<int> screenHeight{0};

  // The stylus messages, as "down X Y" with " touch" after a finger's.
  void Record(const char* what, CPoint point) {
    const std::string touch = IsTouchInput(GetMessageExtraInfo()) ? " touch" : "";
    const std::lock_guard lock(stylusMutex);
    stylus.push_back(std::string(what) + " " + std::to_string(point.x) + " " + std::to_string(point.y) + touch);
  }
  std::vector<std::string> Stylus() {
    const std::lock_guard lock(stylusMutex);
    return stylus;
  }
  std::mutex stylusMutex;
  std::vector<std::string> stylus;
};

class WindowDemoDialog : public CDialog {
 public:
  explicit WindowDemoDialog(SeenInput& seen) : CDialog(kWindowDemoTemplate), seen_(seen) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<WindowDemoDialog>(CDialog::GetMessageMap())
                                      .OnLButtonDown(&WindowDemoDialog::OnLButtonDown)
                                      .OnMouseMove(&WindowDemoDialog::OnMouseMove)
                                      .OnLButtonUp(&WindowDemoDialog::OnLButtonUp)
                                      .OnKeyDown(&WindowDemoDialog::OnKeyDown)
                                      .OnChar(&WindowDemoDialog::OnChar)
                                      .OnMessage(WM_MOUSEWHEEL, &WindowDemoDialog::OnMouseWheel)
                                      .OnCommand(1015, &WindowDemoDialog::OnAfterLoad)
                                      .OnDestroy(&WindowDemoDialog::OnDestroy);
    return &map;
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    seen_.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    seen_.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (startWorker) CreateThread(nullptr, 0, Worker, this, 0, nullptr);
    return TRUE;
  }
  void OnLButtonDown(UINT, CPoint point) {
    seen_.tapX = point.x;
    seen_.tapY = point.y;
    seen_.Record("down", point);
  }
  void OnMouseMove(UINT flags, CPoint point) {
    if (flags & MK_LBUTTON) seen_.Record("move", point);
  }
  void OnLButtonUp(UINT, CPoint point) { seen_.Record("up", point); }
  void OnKeyDown(UINT key, UINT, UINT) { seen_.key = key; }
  void OnChar(UINT character, UINT, UINT) { seen_.character = character; }
  void OnAfterLoad() { seen_.loaded = true; }
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM) {
    seen_.wheelNotches += GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
    return 0;
  }
  void OnDestroy() {
    AfxGetApp()->WriteProfileInt(u"Main", u"Closed", 1);
    CDialog::OnDestroy();
  }
  static DWORD Worker(void* self) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::PostMessage(static_cast<WindowDemoDialog*>(self)->m_hWnd, WM_COMMAND, 1015, 0);
    return 0;
  }
  bool startWorker = false;

 private:
  SeenInput& seen_;
};

namespace {

namespace fs = std::filesystem;

class WindowDemoApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    SetRegistryKey(u"NocturnaMobile");
    WindowDemoDialog dialog(seen);
    dialog.startWorker = startWorker;
    m_pMainWnd = &dialog;
    result = dialog.DoModal();
    return FALSE;
  }
  SeenInput seen;
  bool startWorker = false;
  INT_PTR result = 0;
};

class SdlWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = std::make_unique<XvfbServer>(); }
  static void TearDownTestSuite() { server.reset(); }

  void SetUp() override {
    if (!server->Started()) GTEST_SKIP() << "no X server could be started (Xvfb missing or failing)";
    setenv("DISPLAY", server->Display().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    folder = fs::temp_directory_path() / ("vespera-sdl-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // Runs the demo in a 240x320 window at scale 2 while `user` acts on it.
  int RunWindow(const std::function<void(XUser&, XWindowId)>& user) {
    return RunWindow({"--screen", "240x320", "--scale", "2"}, {480, 640}, user);
  }
  // Runs the demo with `options` while `user` acts on its window of `size`.
  int RunWindow(std::vector<std::string> options, std::pair<int, int> size,
                const std::function<void(XUser&, XWindowId)>& user) {
    std::thread acting([&] {
      XUser x(server->Display());
      ASSERT_TRUE(x.Connected());
      const XWindowId window = x.FindWindow(size.first, size.second);
      ASSERT_NE(window, 0u) << "the program's window did not appear";
      user(x, window);
    });
    std::istringstream in;
    options.push_back("--profile");
    options.push_back((folder / "settings.ini").string());
    const int status = RunPlatform(options, app, {in, out, err});
    acting.join();
    return status;
  }

  std::string Settings() {
    std::ifstream in(folder / "settings.ini");
    return std::string((std::istreambuf_iterator<char>(in)), {});
  }

  static inline std::unique_ptr<XvfbServer> server;
  fs::path folder;
  WindowDemoApp app;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(SdlWindow, TapsAndKeysReachTheProgramAndClosingTheWindowEndsItNormally) {
  std::string title;
  const int status = RunWindow([&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; })) << x.Title(window);
    title = x.Title(window);
    x.Focus(window);
    x.Click(window, 61, 99);
    EXPECT_TRUE(Eventually([&] { return app.seen.tapX >= 0; }));
    x.Type(window, 'a');
    EXPECT_TRUE(Eventually([&] { return app.seen.character != 0u; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(title, "Demo");
  EXPECT_EQ(app.seen.tapX, 30);
  EXPECT_EQ(app.seen.tapY, 49);
  EXPECT_EQ(app.seen.key, UINT('A'));
  EXPECT_EQ(app.seen.character, UINT('a'));
  // Closed through its cancel handling, so its settings were written.
  EXPECT_EQ(app.result, IDCANCEL);
  EXPECT_NE(Settings().find("Closed=1"), std::string::npos) << Settings();
}

TEST_F(SdlWindow, ABackgroundThreadsPostWakesTheIdleWindow) {
  app.startWorker = true;
  const int status = RunWindow([&](XUser& x, XWindowId window) {
    // Nothing else happens meanwhile: only the post can wake the program.
    EXPECT_TRUE(Eventually([&] { return app.seen.loaded.load(); }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_TRUE(app.seen.loaded);
  EXPECT_EQ(app.result, IDCANCEL);
}

TEST_F(SdlWindow, AfterAResizeTheScreenIsScaledCentredAndTapsMapThroughTheSameTransform) {
  const int status = RunWindow([&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; }));
    x.Resize(window, 800, 1000);
    EXPECT_TRUE(Eventually([&] { return x.Size(window) == std::make_pair(800, 1000); }));
    // Scale 3, the screen's 720 x 960 pixels 40 from the left and 20 from the top.
    x.Click(window, 40 + 3 * 30 + 2, 20 + 3 * 49 + 1);
    EXPECT_TRUE(Eventually([&] { return app.seen.tapX >= 0; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(app.seen.tapX, 30);
  EXPECT_EQ(app.seen.tapY, 49);
  EXPECT_EQ(app.seen.screenWidth, 240);
}

SDL_Event Finger(std::uint32_t type, SDL_FingerID finger, float x, float y) {
  SDL_Event event{};
  event.type = type;
  event.tfinger.touchId = 1;
  event.tfinger.fingerId = finger;
  event.tfinger.x = x;
  event.tfinger.y = y;
  return event;
}

TEST_F(SdlWindow, TwoFingersPinchingApartZoomInOneNotchPerTenth) {
  const int status = RunWindow([&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; }));
    // 96 pixels apart on the 480-wide window, then 144: 1.5 times, four tenths (1.1^4 = 1.46).
    SDL_Event events[] = {Finger(SDL_FINGERDOWN, 1, 0.4f, 0.5f), Finger(SDL_FINGERDOWN, 2, 0.6f, 0.5f),
                          Finger(SDL_FINGERMOTION, 2, 0.7f, 0.5f), Finger(SDL_FINGERUP, 1, 0.4f, 0.5f),
                          Finger(SDL_FINGERUP, 2, 0.7f, 0.5f)};
    for (SDL_Event& event : events) SDL_PushEvent(&event);
    EXPECT_TRUE(Eventually([&] { return app.seen.wheelNotches != 0; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(app.seen.wheelNotches, 4);
}

SDL_Event MouseMadeOfTouch(std::uint32_t type, int x, int y) {
  SDL_Event event{};
  event.type = type;
  if (type == SDL_MOUSEMOTION) {
    event.motion.which = SDL_TOUCH_MOUSEID;
    event.motion.state = SDL_BUTTON_LMASK;
    event.motion.x = x;
    event.motion.y = y;
  } else {
    event.button.which = SDL_TOUCH_MOUSEID;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
  }
  return event;
}

TEST_F(SdlWindow, AFingerIsTheStylusMarkedAsTouchAndTheMouseSdlMakesOfItIsLeftOut) {
  const int status = RunWindow([&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; }));
    // On the 480 x 640 window at scale 2: a quarter of the way is screen
    // pixel (60, 80), half of it (120, 160). A wobble of a few pixels, then
    // elsewhere (not to make a double tap) a drag of 20 down; SDL sends the
    // mouse it makes of a finger before the finger's own event.
    SDL_Event events[] = {MouseMadeOfTouch(SDL_MOUSEBUTTONDOWN, 120, 160),
                          Finger(SDL_FINGERDOWN, 7, 0.25f, 0.25f),
                          MouseMadeOfTouch(SDL_MOUSEMOTION, 127, 165),
                          Finger(SDL_FINGERMOTION, 7, 0.265625f, 0.2578125f),
                          MouseMadeOfTouch(SDL_MOUSEBUTTONUP, 127, 165),
                          Finger(SDL_FINGERUP, 7, 0.265625f, 0.2578125f),
                          Finger(SDL_FINGERDOWN, 8, 0.5f, 0.5f),
                          MouseMadeOfTouch(SDL_MOUSEMOTION, 240, 360),
                          Finger(SDL_FINGERMOTION, 8, 0.5f, 0.5625f),
                          Finger(SDL_FINGERUP, 8, 0.5f, 0.5625f)};
    for (SDL_Event& event : events) SDL_PushEvent(&event);
    EXPECT_TRUE(Eventually([&] { return app.seen.Stylus().size() >= 6; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(app.seen.Stylus(), (std::vector<std::string>{"down 60 80 touch", "move 63 82 touch", "up 63 82 touch",
                                                          "down 120 160 touch", "move 120 180 touch", "up 120 180 touch"}));
}

// A display smaller than the default screen: a 320 x 240 TFT.
class SdlSmallDisplay : public SdlWindow {
 protected:
  static void SetUpTestSuite() { server = std::make_unique<XvfbServer>("320x240x24"); }
};

TEST_F(SdlSmallDisplay, WithoutAScreenSizeTheProgramTakesTheWholeDisplayAtItsOwnSize) {
  const int status = RunWindow({}, {320, 240}, [&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; }));
    x.Click(window, 61, 99);
    EXPECT_TRUE(Eventually([&] { return app.seen.tapX >= 0; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(app.seen.screenWidth, 320);
  EXPECT_EQ(app.seen.screenHeight, 240);
  EXPECT_EQ(app.seen.tapX, 61);
  EXPECT_EQ(app.seen.tapY, 99);
}

// A phone's display: upright and dense. Xvfb's outputs report no size in
// millimetres to SDL, so this also proves the X screen's own size is asked.
class SdlPhoneDisplay : public SdlWindow {
 protected:
  static void SetUpTestSuite() {
    server = std::make_unique<XvfbServer>("720x1440x24", std::vector<std::string>{"-dpi", "300"});
  }
};

TEST_F(SdlPhoneDisplay, TheProgramGoesFullScreenAtAWholeScaleAndTapsMapBackThroughIt) {
  const int status = RunWindow({}, {720, 1440}, [&](XUser& x, XWindowId window) {
    EXPECT_TRUE(Eventually([&] { return x.Title(window) == "Demo"; }));
    x.Click(window, 2 * 61 + 1, 2 * 99 + 1);
    EXPECT_TRUE(Eventually([&] { return app.seen.tapX >= 0; }));
    x.Close(window);
  });
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(app.seen.screenWidth, 360);
  EXPECT_EQ(app.seen.screenHeight, 720);
  EXPECT_EQ(app.seen.tapX, 61);
  EXPECT_EQ(app.seen.tapY, 99);
}

}  // namespace
