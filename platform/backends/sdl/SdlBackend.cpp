#include "platform/backends/sdl/SdlBackend.h"

#include <SDL2/SDL.h>

#include <filesystem>

#include "platform/backends/sdl/DisplayQuery.h"
#include "platform/backends/sdl/SdlInput.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/VirtualKeys.h"

namespace {

SIZE DisplaySize() {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) return {mode.w, mode.h};
  return kDefaultScreen;
}

SIZE UsableDesktop() {
  SDL_Rect bounds{};
  if (SDL_GetDisplayUsableBounds(0, &bounds) == 0 && bounds.w > 0 && bounds.h > 0) return {bounds.w, bounds.h};
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) return {mode.w, mode.h};
  return {0, 0};
}

// Without X11 or Wayland, SDL falls back to drivers that draw into memory
// and show nothing; the program would run on unseen. Only a user who names
// such a driver in SDL_VIDEODRIVER gets one.
bool ReachesADisplay() {
  const char* current = SDL_GetCurrentVideoDriver();
  const std::string driver = current ? current : "";
  if (driver != "offscreen" && driver != "dummy") return true;
  const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
  return chosen && std::string(chosen).find(driver) != std::string::npos;
}

// A display server that is busy can refuse a new connection for a moment:
// on a loaded machine the X server has answered the attempt with EAGAIN.
// Where a display is named, two more tries a little later get through where
// one would fail; without one, the first answer stands and the program ends
// at once.
constexpr int kVideoAttempts = 3;

bool StartVideo(std::string& error) {
  const bool displayNamed = SDL_getenv("DISPLAY") || SDL_getenv("WAYLAND_DISPLAY");
  for (int attempt = 1;; ++attempt) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
      if (ReachesADisplay()) return true;
      error = "no display was found (neither X11 nor Wayland)";
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
    } else {
      error = SDL_GetError();
    }
    if (!displayNamed || attempt == kVideoAttempts) return false;
    SDL_Delay(Uint32(100 * attempt));
  }
}

void SetIcon(SDL_Window* window, const std::string& path) {
  if (path.empty()) return;
  Expected<Surface> image = LoadImageFile(path);
  if (!image) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(image->Bytes().data(), image->Width(), image->Height(),
                                                         32, image->BytesPerRow(), SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace

void SdlBackend::WindowDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
void SdlBackend::RendererDeleter::operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
void SdlBackend::TextureDeleter::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
SdlBackend::VideoSubsystem::~VideoSubsystem() {
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // The whole library, not only video: SDL_Quit also closes the D-Bus
  // connection SDL opened when it started.
  SDL_Quit();
}

std::unique_ptr<SdlBackend> SdlBackend::Open(const SdlWindowOptions& options, std::string& error) {
  // Pixels stay square blocks when magnified.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // Every tap counts on the device, also the one that brings the window to the front.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Without a socket name or the runtime folder that holds the socket, no
  // Wayland compositor can answer, and asking makes its library print a
  // complaint of its own beside ours; an SDL_VIDEODRIVER of the user's wins.
  if (!SDL_getenv("WAYLAND_DISPLAY") && !SDL_getenv("XDG_RUNTIME_DIR"))
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,KMSDRM,offscreen,dummy");
  // Nothing but video: audio and game controllers cost start-up time for nothing.
  if (!StartVideo(error)) return nullptr;
  WindowRequest request;
  if (options.screenGiven) request.screen = SIZE{options.width, options.height};
  request.fullscreen = options.fullscreen;
  request.scale = options.scale;
  const WindowChoice choice = ChooseWindowForDisplay(request, UsableDesktop(), QueryDisplay(), options.phone);
  std::unique_ptr<SdlBackend> backend(new SdlBackend(options));
  const std::string& title = options.title;
  const SIZE window = choice.fullscreen ? DisplaySize() : SIZE{choice.screen->cx * choice.scale, choice.screen->cy * choice.scale};
  const std::uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                              (choice.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  backend->window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          int(window.cx), int(window.cy), flags));
  if (backend->window_)
    backend->renderer_.reset(SDL_CreateRenderer(backend->window_.get(), -1, 0));
  // Full screen without a size asked for, the screen is the display's own, in
  // its physical pixels.
  backend->screen_ = choice.screen ? *choice.screen : backend->OutputSize();
  if (backend->renderer_)
    backend->texture_.reset(SDL_CreateTexture(backend->renderer_.get(), SDL_PIXELFORMAT_RGBA32,
                                              SDL_TEXTUREACCESS_STREAMING, int(backend->screen_.cx),
                                              int(backend->screen_.cy)));
  if (!backend->texture_ || backend->wakeEvent_ == std::uint32_t(-1)) {
    error = SDL_GetError();
    return nullptr;
  }
  SDL_SetTextureBlendMode(backend->texture_.get(), SDL_BLENDMODE_NONE);
  SetIcon(backend->window_.get(), options.iconPath);
  SDL_StartTextInput();
  return backend;
}

SdlBackend::SdlBackend(const SdlWindowOptions& options)
    : options_(options), wakeEvent_(SDL_RegisterEvents(1)) {}

SIZE SdlBackend::OutputSize() const {
  int w = 0, h = 0;
  if (renderer_) SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
  return {w, h};
}

POINT SdlBackend::ToScreen(double x, double y) const {
  const SIZE output = OutputSize();
  int w = 0, h = 0;
  SDL_GetWindowSize(window_.get(), &w, &h);
  const double perX = w > 0 ? double(output.cx) / w : 1.0;
  const double perY = h > 0 ? double(output.cy) / h : 1.0;
  return OutputToScreen(x * perX, y * perY, PlaceScreen(screen_, output), screen_);
}

SdlBackend::~SdlBackend() {
  if (window_) SDL_StopTextInput();
}

void SdlBackend::Wake() {
  // One wake event in flight is enough: the window thread looks at the whole
  // queue once it is awake.
  if (wakePending_.exchange(true)) return;
  SDL_Event event{};
  event.type = wakeEvent_;
  if (SDL_PushEvent(&event) != 1) wakePending_ = false;
}

void SdlBackend::WaitForInput(Desktop& desktop, std::optional<DWORD> deadline) {
  FollowActiveCaption(desktop);
  if (closeRequested_ && PressEscapeToClose(desktop)) return;
  SDL_Event event;
  int got = 0;
  if (deadline) {
    const DWORD now = desktop.Now();
    const int wait = *deadline > now ? int(std::min<DWORD>(*deadline - now, 0x7FFFFFFF)) : 0;
    got = SDL_WaitEventTimeout(&event, wait);
  } else {
    got = SDL_WaitEvent(&event);
  }
  if (!got) return;
  Handle(desktop, event);
  while (SDL_PollEvent(&event)) Handle(desktop, event);
}

bool SdlBackend::PressEscapeToClose(Desktop& desktop) {
  if (escapePresses_ >= kEscapePressesOnClose) {
    desktop.Quit(0);
    return true;
  }
  ++escapePresses_;
  desktop.Input().KeyDown(VK_ESCAPE);
  desktop.Input().KeyUp(VK_ESCAPE);
  return true;
}

void SdlBackend::Handle(Desktop& desktop, const SDL_Event& event) {
  InputRouter& input = desktop.Input();
  if (event.type == wakeEvent_) {
    wakePending_ = false;
    return;
  }
  // While two fingers pinch, the mouse SDL makes of the first one is no stylus.
  const bool pinching = pinch_.Active();
  switch (event.type) {
    case SDL_QUIT:
      closeRequested_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested_ = true;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
        ShowFrame();
      break;
    case SDL_MOUSEBUTTONDOWN:
      // SDL also makes a mouse of the first finger; the finger's own events
      // are the stylus (HandleFinger), so that mouse would press twice.
      if (event.button.which == SDL_TOUCH_MOUSEID) break;
      if (event.button.button == SDL_BUTTON_RIGHT && !stylusHeld_ && !pinching) {
        input.RightClick(ToScreen(event.button.x, event.button.y));
        break;
      }
      if (event.button.button != SDL_BUTTON_LEFT || stylusHeld_ || pinching) break;
      stylusHeld_ = true;
      input.StylusDown(ToScreen(event.button.x, event.button.y));
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.which == SDL_TOUCH_MOUSEID || event.button.button != SDL_BUTTON_LEFT || !stylusHeld_ ||
          stylusFinger_)
        break;
      ReleaseStylus(input, ToScreen(event.button.x, event.button.y));
      break;
    case SDL_MOUSEMOTION:
      // A stylus touches the screen only while it is down.
      if (event.motion.which != SDL_TOUCH_MOUSEID && stylusHeld_ && !stylusFinger_ && !pinching)
        input.StylusMove(ToScreen(event.motion.x, event.motion.y));
      break;
    case SDL_MOUSEWHEEL: {
      if (event.wheel.which == SDL_TOUCH_MOUSEID) break;
      const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      input.Wheel(ToScreen(event.wheel.mouseX, event.wheel.mouseY), notches);
      break;
    }
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
      HandleFinger(input, event);
      break;
    case SDL_KEYDOWN:
      if (const UINT key = VirtualKeyForSdlKey(event.key.keysym.sym)) input.KeyDown(key);
      break;
    case SDL_KEYUP:
      if (const UINT key = VirtualKeyForSdlKey(event.key.keysym.sym)) input.KeyUp(key);
      break;
    case SDL_TEXTINPUT:
      for (const char16_t unit : Utf8ToWide(event.text.text)) input.Character(unit);
      break;
    default:
      break;
  }
}

void SdlBackend::HandleFinger(InputRouter& input, const SDL_Event& event) {
  // A touch SDL makes of the mouse is the mouse's, already the stylus.
  if (event.tfinger.touchId == SDL_MOUSE_TOUCHID) return;
  // Finger positions are fractions of the window.
  int w = 0, h = 0;
  SDL_GetWindowSize(window_.get(), &w, &h);
  const double x = event.tfinger.x * w;
  const double y = event.tfinger.y * h;
  const bool holdsStylus = stylusFinger_ == event.tfinger.fingerId;
  int notches = 0;
  if (event.type == SDL_FINGERDOWN) {
    notches = pinch_.FingerDown(event.tfinger.fingerId, x, y);
    if (pinch_.Active() && stylusHeld_) {
      // The second finger turns the first one's press into a pinch.
      ReleaseStylus(input, input.StylusPosition());
    } else if (!pinch_.Active() && !stylusHeld_) {
      // A lone finger is the stylus, its messages marked as touch.
      stylusHeld_ = true;
      stylusFinger_ = event.tfinger.fingerId;
      input.StylusDown(ToScreen(x, y), InputRouter::Pointer::Touch);
    }
  } else if (event.type == SDL_FINGERMOTION) {
    notches = pinch_.FingerMove(event.tfinger.fingerId, x, y);
    if (holdsStylus) input.StylusMove(ToScreen(x, y), InputRouter::Pointer::Touch);
  } else {
    pinch_.FingerUp(event.tfinger.fingerId);
    if (holdsStylus) ReleaseStylus(input, ToScreen(x, y));
  }
  if (notches != 0) input.Wheel(ToScreen(pinch_.MidX(), pinch_.MidY()), notches);
}

void SdlBackend::ReleaseStylus(InputRouter& input, POINT point) {
  const InputRouter::Pointer pointer = stylusFinger_ ? InputRouter::Pointer::Touch : InputRouter::Pointer::Stylus;
  stylusHeld_ = false;
  stylusFinger_.reset();
  input.StylusUp(point, pointer);
}

void SdlBackend::Present(const Surface& screen) {
  const Surface* upload = &screen;
  if (screen.BitsPerPixel() != 32) {
    if (!staging_ || staging_->Width() != screen.Width() || staging_->Height() != screen.Height())
      staging_ = std::make_unique<Surface>(screen.Width(), screen.Height(), 32);
    staging_->CopyFrom(screen, screen.Bounds(), {0, 0}, staging_->Bounds());
    upload = staging_.get();
  }
  SDL_UpdateTexture(texture_.get(), nullptr, upload->Bytes().data(), upload->BytesPerRow());
  ShowFrame();
  if (!(SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_SHOWN)) SDL_ShowWindow(window_.get());
}

void SdlBackend::ShowFrame() {
  const ScreenPlacement placement = PlaceScreen(screen_, OutputSize());
  const SDL_Rect target{int(placement.origin.x), int(placement.origin.y), int(screen_.cx) * placement.scale,
                        int(screen_.cy) * placement.scale};
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
  SDL_RenderClear(renderer_.get());
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
  SDL_RenderPresent(renderer_.get());
}

void SdlBackend::FollowActiveCaption(Desktop& desktop) {
  const WindowRecord* active = desktop.Tree().Find(desktop.ActiveWindow());
  if (!active || active->text.empty() || active->text == caption_) return;
  caption_ = active->text;
  SDL_SetWindowTitle(window_.get(), WideToUtf8(caption_).c_str());
}

std::string FindApplicationIcon(const std::string& modulePath) {
  namespace fs = std::filesystem;
  if (modulePath.empty()) return {};
  const fs::path program(modulePath);
  const fs::path folder = program.parent_path();
  const std::string name = program.stem().string();
  const fs::path candidates[] = {
      folder / (name + ".png"),
      folder / (name + "-48.png"),
      folder / (name + ".bmp"),
      folder / ".." / "icons" / (name + "-48.png"),
      folder / ".." / ".." / "share" / "icons" / "hicolor" / "48x48" / "apps" / (name + ".png"),
  };
  std::error_code error;
  for (const fs::path& candidate : candidates)
    if (fs::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  return {};
}
