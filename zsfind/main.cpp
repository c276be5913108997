// zsfind: the search tool behind zsearch.bat and zsearcha.bat.

#include "zs_version.h"
#include "zsfind/file_system.h"
#include "zsfind/options.h"
#include "zsfind/zsfind_app.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

#if defined(_WIN32)
#include "platform/system_library.h"
#endif

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "zsfind " ZS_VERSION_TEXT "\n";
    return 0;
  }
  TAppEnvironment environment;
#if defined(_WIN32)
  RestrictLibrarySearchToSystemFolder();
#else
  environment.Separator = '/';
#endif
  environment.RawCommandLine = RawCommandLine();
  if (const char* drive = std::getenv("HOMEDRIVE")) environment.HomeDrive = drive;
  return RunZsfind(WithLauncherValues({argv + 1, argv + argc}, std::getenv), environment, std::cout,
                   std::cerr);
}
