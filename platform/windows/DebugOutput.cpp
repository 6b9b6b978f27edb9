#include "platform/windows/DebugOutput.h"

#include <ostream>

void DebugOutput::AttachTo(std::ostream& stream) {
  const std::lock_guard lock(mutex_);
  stream_ = &stream;
}

void DebugOutput::WriteLine(std::string_view text) {
  const std::lock_guard lock(mutex_);
  if (!stream_) return;
  *stream_ << text;
  if (text.empty() || text.back() != '\n') *stream_ << '\n';
  stream_->flush();
}
