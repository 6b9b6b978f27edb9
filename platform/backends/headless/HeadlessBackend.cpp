#include "platform/backends/headless/HeadlessBackend.h"

#include <fstream>

#include "platform/gdi/PngCodec.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowDump.h"

HeadlessBackend::HeadlessBackend(std::unique_ptr<ScriptReader> reader, std::string scriptName, std::ostream& errors)
    : reader_(std::move(reader)), scriptName_(std::move(scriptName)), errors_(errors) {}

int HeadlessBackend::FirstUnplayedLine() {
  if (next_ >= steps_.size() && !badScript_ && !ReadSteps(nullptr)) return 0;
  return next_ < steps_.size() ? steps_[next_].line : 0;
}

bool HeadlessBackend::ReadSteps(Desktop* desktop) {
  if (!reader_ || badScript_) return false;
  next_ = 0;
  const std::optional<ScriptError> error = reader_->Next(steps_);
  if (!error) return !steps_.empty();
  errors_ << scriptName_ << ':' << error->line << ": " << error->message << '\n';
  badScript_ = true;
  failed_ = true;
  if (desktop) desktop->Quit(1);
  return false;
}

void HeadlessBackend::Fail(Desktop& desktop, const std::string& message) {
  errors_ << desktop.Debug().Prefix() << message << '\n';
  failed_ = true;
  desktop.Quit(1);
}

void HeadlessBackend::WaitForInput(Desktop& desktop, std::optional<DWORD> /*deadline*/) {
  MessageQueue& queue = desktop.Queue();
  const std::uint64_t seen = queue.Generation();
  if (queue.BackgroundWorkPending()) {
    // The script waits for the program's threads: nothing moves until one
    // posts or ends.
    queue.WaitForChange(seen);
    return;
  }
  do {
    while (next_ < steps_.size())
      if (!Play(desktop, steps_[next_++])) return;
  } while (ReadSteps(&desktop));

  if (escapePresses_ < kEscapePressesAtEnd) {
    ++escapePresses_;
    desktop.Input().KeyDown(VK_ESCAPE);
    desktop.Input().KeyUp(VK_ESCAPE);
    return;
  }
  Fail(desktop, "the program did not end after " + std::to_string(kEscapePressesAtEnd) +
                    " presses of Escape at the end of " + scriptName_);
}

bool HeadlessBackend::Play(Desktop& desktop, const ScriptStep& step) {
  InputRouter& input = desktop.Input();
  const std::string where = scriptName_ + ":" + std::to_string(step.line) + ": ";
  const InputRouter::Pointer pointer = step.touch ? InputRouter::Pointer::Touch : InputRouter::Pointer::Stylus;
  switch (step.kind) {
    case ScriptStep::Kind::StylusDown:
      input.StylusDown(step.point, pointer);
      return true;
    case ScriptStep::Kind::StylusMove:
      input.StylusMove(step.point, pointer);
      return true;
    case ScriptStep::Kind::RightClick:
      input.RightClick(step.point);
      return true;
    case ScriptStep::Kind::Wheel:
      input.Wheel(step.atStylus ? input.StylusPosition() : step.point, step.notches);
      return true;
    case ScriptStep::Kind::StylusUp:
      input.StylusUp(step.point, pointer);
      return true;
    case ScriptStep::Kind::KeyDown:
      input.KeyDown(step.key);
      return true;
    case ScriptStep::Kind::KeyUp:
      input.KeyUp(step.key);
      return true;
    case ScriptStep::Kind::Characters:
      for (const char16_t unit : step.text) input.Character(unit);
      return true;
    case ScriptStep::Kind::Advance:
      clock_.Advance(step.milliseconds);
      return true;
    case ScriptStep::Kind::Settle:
      return false;
    case ScriptStep::Kind::Shot:
      if (!SaveSurfacePng(desktop.ShownScreen(), step.path)) {
        Fail(desktop, where + "cannot write the screenshot " + step.path);
        return false;
      }
      return true;
    case ScriptStep::Kind::Dump: {
      std::ofstream out(step.path, std::ios::binary | std::ios::trunc);
      out << DumpDesktop(desktop).ToJson();
      out.close();
      if (!out) {
        Fail(desktop, where + "cannot write the dump " + step.path);
        return false;
      }
      return true;
    }
  }
  return true;
}
