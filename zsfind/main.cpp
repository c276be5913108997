// zsfind: the search tool behind zsearch.bat and zsearcha.bat.

#include "zsfind/file_system.h"
#include "zsfind/zsfind_app.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
  TAppEnvironment environment;
  environment.RawCommandLine = RawCommandLine();
  if (const char* drive = std::getenv("HOMEDRIVE")) environment.HomeDrive = drive;
#if !defined(_WIN32)
  environment.Separator = '/';
#endif
  return RunZsfind(std::vector<std::string>(argv + 1, argv + argc), environment, std::cout,
                   std::cerr);
}
