#pragma once
// The framework's wait cursor. The stylus has no cursor to show, so this only
// marks the busy stretch in the code.

class CWaitCursor {
 public:
  CWaitCursor() = default;
  void Restore() {}
};
