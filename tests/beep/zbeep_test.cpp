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
  std::string Errors;
};

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

#ifdef _WIN32
HANDLE CreateInheritable(const std::filesystem::path& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  // Shared, because Wine may close the child's inherited copy only after the
  // child is reported as ended.
  return CreateFileA(file.string().c_str(), GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// stdout is the given file, or no handle at all when file is empty; stderr
// goes to errors.
TRun RunBeep(const std::vector<std::string>& args, const std::filesystem::path& file,
             const std::filesystem::path& errors) {
  std::string line = std::string("\"") + ZBEEP_PATH + "\"";
  for (const auto& a : args) line += " " + a;
  HANDLE out = file.empty() ? nullptr : CreateInheritable(file);
  HANDLE err = CreateInheritable(errors);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = out;
  si.hStdError = err;
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
  CloseHandle(err);
  if (!file.empty()) run.Output = ReadAll(file);
  run.Errors = ReadAll(errors);
  return run;
}
#else
TRun RunBeep(const std::vector<std::string>& args, const std::filesystem::path& file,
             const std::filesystem::path& errors) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(err, STDERR_FILENO);
    close(err);
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
  run.Errors = ReadAll(errors);
  return run;
}
#endif

class ZBeep : public ::testing::Test {
 protected:
  std::filesystem::path Dir = std::filesystem::temp_directory_path();
  std::filesystem::path Out = Dir / "zbeep-test.out";
  std::filesystem::path Err = Dir / "zbeep-test.err";
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove(Out, ignored);
    std::filesystem::remove(Err, ignored);
  }
};

TEST_F(ZBeep, WritesOneBelByteAndExitsWithOneWhateverTheArguments) {
  const std::vector<std::vector<std::string>> argumentSets = {
      {}, {"x"}, {"-h", "--help", "/?"}, {"\"a b\"", "c"}};
  for (const auto& args : argumentSets) {
    const TRun run = RunBeep(args, Out, Err);
    EXPECT_EQ(run.ExitCode, 1) << args.size() << " arguments";
    EXPECT_EQ(run.Output, std::string(1, '\x07')) << args.size() << " arguments";
    EXPECT_EQ(run.Errors, "") << args.size() << " arguments";
  }
}

TEST_F(ZBeep, ClosedStandardOutputIsSilentAndStillExitsWithOne) {
  const TRun run = RunBeep({}, {}, Err);
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Errors, "");
}

}  // namespace
