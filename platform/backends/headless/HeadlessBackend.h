#pragma once
// The headless backend: no window; it plays a parsed script as the user's
// input, on a virtual clock that starts at 0 and moves only with "sleep", so
// every run (screenshots included) is the same. It plays the next steps each
// time the program waits with nothing queued and no background work left.
// When the script is done it presses Escape, one press each time the program
// waits again, until the program ends; after ten presses it gives up and
// ends the run as failed.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/backends/headless/Script.h"
#include "platform/windows/Backend.h"
#include "platform/windows/Clock.h"

inline constexpr int kEscapePressesAtEnd = 10;

class HeadlessBackend final : public Backend {
 public:
  // Plays the script as the reader reads it, a line's steps at a time.
  // `scriptName` prefixes messages about the script's lines; `errors` gets them.
  HeadlessBackend(std::unique_ptr<ScriptReader> reader, std::string scriptName, std::ostream& errors);

  VirtualClock& Clock() { return clock_; }

  void WaitForInput(Desktop& desktop, std::optional<DWORD> deadline) override;
  void Wake() override {}
  void Present(const Surface&) override {}

  // A screenshot or dump could not be written, a line read during the run
  // was bad, or the program would not end.
  bool Failed() const { return failed_; }
  // A line read during the run was bad (it has been reported).
  bool BadScript() const { return badScript_; }
  // The line of the first step not played (0 when all were played); reads
  // on in the script to find it.
  int FirstUnplayedLine();

 private:
  // Plays one step; false when the program should get the turn.
  bool Play(Desktop& desktop, const ScriptStep& step);
  void Fail(Desktop& desktop, const std::string& message);
  // The next line's steps into steps_; false at the end of the script or on
  // a bad line (which ends the run).
  bool ReadSteps(Desktop* desktop);

  std::unique_ptr<ScriptReader> reader_;
  std::vector<ScriptStep> steps_;
  std::size_t next_ = 0;
  std::string scriptName_;
  std::ostream& errors_;
  VirtualClock clock_;
  int escapePresses_ = 0;
  bool failed_ = false;
  bool badScript_ = false;
};
