#include "platform/windows/DebugOutput.h"

#include <ostream>

void DebugOutput::AttachTo(std::ostream& stream, std::string prefix) {
  const std::lock_guard lock(mutex_);
  stream_ = &stream;
  prefix_ = std::move(prefix);
}

std::string DebugOutput::Prefix() {
  const std::lock_guard lock(mutex_);
  return prefix_;
}

void DebugOutput::WriteLine(std::string_view text) {
  const std::lock_guard lock(mutex_);
  if (!stream_) return;
  *stream_ << prefix_ << text;
  if (text.empty() || text.back() != '\n') *stream_ << '\n';
  stream_->flush();
}
