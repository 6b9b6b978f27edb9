#pragma once
// The real window. What it supports:
// - the emulated screen at the largest whole magnification that fits the
//   window, centred on a black border, in output pixels (sharp on dense
//   displays); the window can be resized and maximised;
// - the display's own size as the screen, full screen, where the default
//   screen does not fit the desktop or --fullscreen asks for it;
// - on a phone's dense display, full screen with the display's pixels in
//   whole blocks (PhoneDisplay.h);
// - the mouse as the stylus (down, up, and moves while the button is held),
//   mapped through the same placement as the picture;
// - a lone finger on a touch screen as the stylus too, its messages marked as
//   touch (the mouse SDL makes of it is left out, so it does not press twice);
// - the wheel as wheel notches, two fingers' pinch as notches too;
// - the keyboard as virtual keys and typed characters;
// - the application icon. It sleeps in SDL_WaitEvent while the program is idle; a
// post from any thread (the catalogue loader's command) wakes it with an SDL
// user event.
//
// Closing the window ends the program the way a user would: each time the
// program is idle again the backend presses Escape, which closes the open
// menu, message box or secondary window and finally the main window through
// its cancel handling (so it saves its settings). A program that still runs
// after ten presses is told to quit.

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/backends/sdl/PhoneDisplay.h"
#include "platform/backends/sdl/SdlInput.h"
#include "platform/gdi/Surface.h"
#include "platform/windows/Backend.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;
class InputRouter;

inline constexpr int kEscapePressesOnClose = 10;

struct SdlWindowOptions {
  LONG width = 480;
  LONG height = 640;
  bool screenGiven = false;  // else the display's size where the default does not fit
  bool fullscreen = false;
  int scale = 0;  // 0: fit the desktop
  PhoneRule phone = PhoneRule::ByDisplay;
  std::string title;
  std::string iconPath;  // a PNG or BMP; empty for none
};

class SdlBackend final : public Backend {
 public:
  // Opens the window; null with `error` set when there is no display.
  static std::unique_ptr<SdlBackend> Open(const SdlWindowOptions& options, std::string& error);
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // The emulated screen: the size asked for, or the display's own.
  SIZE Screen() const { return screen_; }

  void WaitForInput(Desktop& desktop, std::optional<DWORD> deadline) override;
  void Wake() override;
  void Present(const Surface& screen) override;

 private:
  struct WindowDeleter {
    void operator()(SDL_Window* window) const;
  };
  struct RendererDeleter {
    void operator()(SDL_Renderer* renderer) const;
  };
  struct TextureDeleter {
    void operator()(SDL_Texture* texture) const;
  };

  explicit SdlBackend(const SdlWindowOptions& options);
  void Handle(Desktop& desktop, const SDL_Event& event);
  void HandleFinger(InputRouter& input, const SDL_Event& event);
  // Lifts the stylus the mouse or a finger holds.
  void ReleaseStylus(InputRouter& input, POINT point);
  SIZE OutputSize() const;
  // A position in window coordinates (SDL's, which need not be pixels) as a
  // screen pixel.
  POINT ToScreen(double x, double y) const;
  void ShowFrame();
  // The title follows the caption of the active window, when it has one.
  void FollowActiveCaption(Desktop& desktop);
  bool PressEscapeToClose(Desktop& desktop);

  SdlWindowOptions options_;
  SIZE screen_{};
  std::uint32_t wakeEvent_;
  std::atomic<bool> wakePending_{false};
  bool stylusHeld_ = false;
  std::optional<std::int64_t> stylusFinger_;  // the finger holding the stylus, if a finger does
  PinchGesture pinch_;
  bool closeRequested_ = false;
  int escapePresses_ = 0;
  WideString caption_;
  std::unique_ptr<Surface> staging_;  // 16-bit screens are widened here before upload

  // Declared last: SDL_Quit runs after the objects below are gone.
  struct VideoSubsystem {
    ~VideoSubsystem();
  } video_;
  std::unique_ptr<SDL_Window, WindowDeleter> window_;
  std::unique_ptr<SDL_Renderer, RendererDeleter> renderer_;
  std::unique_ptr<SDL_Texture, TextureDeleter> texture_;
};

// The application icon beside the executable, if there is one: `<name>.png`,
// `<name>-48.png` or `<name>.bmp` in its folder, the build's `../icons/` or
// the installed icon theme; empty when none exists.
std::string FindApplicationIcon(const std::string& modulePath);
