// Sleeps for the number of milliseconds given as its argument: a child that
// runs for a known time, for the tests of waiting.

#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc > 1) Sleep(static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)));
  return 0;
}
