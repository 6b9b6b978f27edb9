// The process entry of a program built on the platform: the program supplies
// its application object through TheApplication().

#include <iostream>
#include <string>
#include <vector>

#include "platform/backends/entry/PlatformMain.h"
#include "platform/framework/WinApp.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return RunPlatform(arguments, TheApplication(), {std::cin, std::cout, std::cerr});
}
