#pragma once
// Replacing a file's whole contents so that a reader (or a crash) sees the
// old contents or the new, never a mixture: the text goes to a temporary file
// beside the target, which is then renamed over it.
//
// The replacement respects what it replaces: a path that is a symbolic link
// is written through to the link's final target (the link stays a link), an
// existing file keeps its permission bits, and anything that is not a regular
// file (a folder, a device, a FIFO) or that is read-only is refused and left
// alone. The temporary
// file is named "<target>.tmp.<process id>", removed on every failure, and a
// stale one left by a killed process is removed by RemoveStaleTemporaries.

#include <string>
#include <string_view>

#include "platform/runtime/Expected.h"

enum class ReplacementDurability {
  kFlushed,    // fsync before the rename: survives a power loss
  kBuffered,   // no fsync: survives a crash of the program only
};

// Replaces the contents of `path` (creating the file, not its folder).
// The failure's reason names the cause ("not a regular file", "No space left on
// device"), not the path.
Expected<void> ReplaceFileContents(const std::string& path, std::string_view contents,
                                   ReplacementDurability durability);

// The file a write to `path` lands in: the final target of a chain of
// symbolic links (a dangling link's target included), or `path` itself.
std::string ReplacementTarget(const std::string& path);

// Removes temporary files of ReplaceFileContents for `path` whose process no
// longer runs (and the ".tmp" an older version of the program used).
void RemoveStaleTemporaries(const std::string& path);
