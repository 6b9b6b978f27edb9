// Any settings file text, and one value written under any names. Whatever the
// store makes of the text, the file it writes must read back to the same
// values, and reading the same text twice must change nothing.

#include <string>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "tests/support/ScratchFolder.h"
#include "platform/runtime/ProfileStore.h"

using vespera::ScratchFolder;

namespace {

// Every "Name=Value" line of a written file names a value the store holds.
void CheckEveryWrittenLineIsFound(const ProfileStore& store, const std::string& text) {
  std::string section;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    FUZZ_CHECK(end != std::string::npos);  // the store ends every line
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.starts_with('[') && line.ends_with(']')) {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const std::size_t eq = line.find('=');
    FUZZ_CHECK(eq != std::string::npos && eq > 0);
    FUZZ_CHECK(store.Find(section, line.substr(0, eq)) ==
               std::optional<std::uint32_t>(std::stoul(line.substr(eq + 1))));
  }
}

}  // namespace

void FuzzProfileStore(FuzzBytes data) {
  FuzzInput input(data);
  const std::uint8_t flags = input.TakeByte();
  const std::uint32_t value = input.TakeU32();
  const std::string section(input.TakePart());
  const std::string entry(input.TakePart());
  const std::string_view text = input.TakeRest();

  ScratchFolder folder;
  const std::string path = folder.File("Vespera.ini");
  if (flags & 1) folder.Write("Vespera.ini", text);
  ProfileStore store(path);
  FUZZ_CHECK(store.readResult().has_value() == bool(flags & 1));
  if (!(flags & 1)) store.Parse(std::string(text));

  const std::string written = store.Serialize();
  CheckEveryWrittenLineIsFound(store, written);
  store.Parse(std::string(text));
  FUZZ_CHECK(store.Serialize() == written);

  if (flags & 2) {
    const bool saved = store.WriteInt(section, entry, value);
    FUZZ_CHECK(saved);
    ProfileStore reread(path);
    FUZZ_CHECK(reread.Serialize() == store.Serialize());
    FUZZ_CHECK(reread.Find(section, entry) == store.Find(section, entry));
  } else {
    ProfileStore reread(folder.File("Other.ini"));
    FUZZ_CHECK(reread.readResult().reason() == "the settings file cannot be opened");
    reread.Parse(written);
    FUZZ_CHECK(reread.Serialize() == written);
  }
}
