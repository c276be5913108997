// zsfind: the search tool behind zsearch.bat and zsearcha.bat.

#include "zs_version.h"
#include "zsfind/file_system.h"
#include "zsfind/zsfind_app.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "zsfind " ZS_VERSION_TEXT "\n";
    return 0;
  }
  TAppEnvironment environment;
  environment.RawCommandLine = RawCommandLine();
  if (const char* drive = std::getenv("HOMEDRIVE")) environment.HomeDrive = drive;
#if !defined(_WIN32)
  environment.Separator = '/';
#endif
  return RunZsfind(std::vector<std::string>(argv + 1, argv + argc), environment, std::cout,
                   std::cerr);
}
