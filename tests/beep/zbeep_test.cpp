// Runs the real zbeep program with its standard output on a file, or closed,
// and checks the bytes written and the exit code.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct TRun {
  int ExitCode = -1;
  std::string Output;
};

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

#ifdef _WIN32
// stdout is the given file, or no handle at all when file is empty.
TRun RunBeep(const std::vector<std::string>& args, const std::filesystem::path& file) {
  std::string line = std::string("\"") + ZBEEP_PATH + "\"";
  for (const auto& a : args) line += " " + a;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out = file.empty() ? nullptr
                            : CreateFileA(file.string().c_str(), GENERIC_WRITE, 0, &inherit,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = out;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  TRun run;
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &si, &pi)) {
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    run.ExitCode = static_cast<int>(code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  if (out) CloseHandle(out);
  if (!file.empty()) run.Output = ReadAll(file);
  return run;
}
#else
TRun RunBeep(const std::vector<std::string>& args, const std::filesystem::path& file) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (file.empty()) {
      close(STDOUT_FILENO);
    } else {
      const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(fd, STDOUT_FILENO);
      close(fd);
    }
    std::vector<char*> argv{const_cast<char*>(ZBEEP_PATH)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(ZBEEP_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  TRun run;
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (!file.empty()) run.Output = ReadAll(file);
  return run;
}
#endif

class ZBeep : public ::testing::Test {
 protected:
  std::filesystem::path Out =
      std::filesystem::temp_directory_path() /
      ("zbeep-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".out");
  void TearDown() override { std::filesystem::remove(Out); }
};

TEST_F(ZBeep, WritesOneBelByteAndExitsWithOneWhateverTheArguments) {
  const std::vector<std::vector<std::string>> argumentSets = {
      {}, {"x"}, {"-h", "--help", "/?"}, {"\"a b\"", "c"}};
  for (const auto& args : argumentSets) {
    const TRun run = RunBeep(args, Out);
    EXPECT_EQ(run.ExitCode, 1) << args.size() << " arguments";
    EXPECT_EQ(run.Output, std::string(1, '\x07')) << args.size() << " arguments";
  }
}

TEST_F(ZBeep, ClosedStandardOutputStillExitsWithOne) {
  const TRun run = RunBeep({}, {});
  EXPECT_EQ(run.ExitCode, 1);
}

}  // namespace
