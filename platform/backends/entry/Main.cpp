// The process entry of a program built on the platform: the program supplies
// its application object through TheApplication().

#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/WinApp.h"

int main(int argc, char** argv) {
  const std::string program = argc > 0 ? std::string(argv[0]).substr(std::string(argv[0]).find_last_of('/') + 1) : "";
  try {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunPlatform(arguments, TheApplication(), {std::cin, std::cout, std::cerr});
  } catch (const std::bad_alloc&) {
    // An input too large for the memory the run may take ends the run with
    // a failure status, never with an abort and a core file.
    std::cerr << program << ": out of memory" << std::endl;
    return 1;
  }
}
