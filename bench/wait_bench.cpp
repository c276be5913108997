// Measures the search launcher's wait: CPU time spent while a search script
// runs, and the delay from the script's end to the shell open of the result.
//
//   wait_bench.exe event|spin SECONDS RUNS [STAT]   run the measurement; STAT
//       is the wine server's /proc/PID/stat as a Windows path (Z:\proc\...)
//   wait_bench.exe stamp FILE                (used by the script) write the time
//
// "spin" is the plain poll: WaitForSingleObject with time-out 0 and a message
// dispatch between polls, with no pause. "event" is the launcher's own wait.

#include "search/search_launcher.h"
#include "search/win32_search_platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto value = [](FILETIME t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  };
  return (value(kernel) + value(user)) / 1e7;
}

// User plus system seconds of a Linux process, read from its /proc stat file
// through Wine's Z: drive; 0 when there is none.
double ServerCpuSeconds(const std::string& stat) {
  std::ifstream in(stat);
  std::string field;
  double ticks = 0;
  for (int i = 1; i <= 15 && in >> field; ++i) {
    if (i == 14 || i == 15) ticks += std::atof(field.c_str());
  }
  return ticks / 100.0;  // USER_HZ
}

void DispatchAll() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Notes the moment the launcher hands the result to the shell, opening nothing.
class TTimedPlatform : public TWin32SearchPlatform {
 public:
  TTimedPlatform(bool spin)
      : TWin32SearchPlatform(nullptr, DispatchAll, [](const std::string&) {}), FSpin(spin) {}
  LONGLONG Opened = 0;
  TWaitResult WaitForChildOrInput(TChildHandle child) override {
    if (!FSpin) return TWin32SearchPlatform::WaitForChildOrInput(child);
    return WaitForSingleObject(child, 0) == WAIT_TIMEOUT ? TWaitResult::InputPending
                                                         : TWaitResult::ChildEnded;
  }
  void OpenWithShell(const std::string&) override { Opened = Now(); }

 private:
  bool FSpin;
};

void WriteScript(const std::string& self, int milliseconds) {
  std::ofstream("zsearch.bat", std::ios::binary)
      << "@echo off\r\n"
      << "\"" << self << "\" sleep " << milliseconds << "\r\n"
      << "if not exist \"%HOMEDRIVE%\\temp\" mkdir \"%HOMEDRIVE%\\temp\"\r\n"
      << "echo x>\"%HOMEDRIVE%\\temp\\out.txt\"\r\n"
      << "\"" << self << "\" stamp ended.txt\r\n";
}

LONGLONG Search(TTimedPlatform& platform) {
  LaunchSearch({"alpha", "beta", TWriteMode::Overwrite, "data.txt", TSearchMode::Text}, platform);
  LONGLONG ended = 0;
  std::ifstream("ended.txt") >> ended;
  return platform.Opened - ended;
}

// CPU seconds of this program and of the wine server over a window in the
// middle of the script's run, where only the wait itself is working.
struct TCpuWindow {
  double Seconds = 0, Program = 0, Server = 0;
};

TCpuWindow SampleDuringScript(int scriptMs, const std::string& serverStat) {
  const int margin = std::min(500, scriptMs / 4);
  TCpuWindow window;
  window.Seconds = (scriptMs - 2 * margin) / 1000.0;
  Sleep(static_cast<DWORD>(margin));
  const double program = ProcessCpuSeconds(), server = ServerCpuSeconds(serverStat);
  Sleep(static_cast<DWORD>(scriptMs - 2 * margin));
  window.Program = std::max(0.0, ProcessCpuSeconds() - program);
  window.Server = std::max(0.0, ServerCpuSeconds(serverStat) - server);
  return window;
}

int Measure(bool spin, int seconds, int runs, const std::string& serverStat) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  TTimedPlatform platform(spin);

  WriteScript(self, seconds * 1000);
  TCpuWindow cpu;
  std::thread sampler([&] { cpu = SampleDuringScript(seconds * 1000, serverStat); });
  Search(platform);
  sampler.join();

  WriteScript(self, 20);
  std::vector<double> delays;
  for (int i = 0; i < runs; ++i) delays.push_back(Milliseconds(Search(platform)));
  std::sort(delays.begin(), delays.end());
  std::printf(
      "%-5s: over %.1f s of a %d s script: program CPU %.1f %% of a core, wine server CPU %.1f %% "
      "of a core; end-to-open delay over %d runs: median %.2f ms, max %.2f ms\n",
      spin ? "spin" : "event", cpu.Seconds, seconds, 100.0 * cpu.Program / cpu.Seconds,
      100.0 * cpu.Server / cpu.Seconds, runs, delays[delays.size() / 2], delays.back());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "sleep" && argc > 2) {
    Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    return 0;
  }
  if (mode == "stamp" && argc > 2) {
    std::ofstream(argv[2]) << Now();
    return 0;
  }
  if ((mode == "event" || mode == "spin") && argc > 3) {
    return Measure(mode == "spin", std::atoi(argv[2]), std::atoi(argv[3]), argc > 4 ? argv[4] : "");
  }
  std::fprintf(stderr, "usage: wait_bench event|spin SECONDS RUNS\n");
  return 2;
}
