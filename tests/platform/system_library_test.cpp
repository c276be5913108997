// Loading system libraries: the path chosen when the platform does not know
// LOAD_LIBRARY_SEARCH_SYSTEM32 (Vista, Windows 7 without KB2533623), through
// calls the test hands in; and for real, that a library planted in the
// working folder is never loaded. Wine's own DLL search prefers its built-in
// libraries, so a planted copy of a real system library's name proves nothing
// there: the planted library has a name the system folder does not have.

#include "platform/system_library.h"
#include "platform/file_exists.h"
#include "tests/support/wine_test_support.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// What the calls handed in saw, and what they answer.
struct TFakeSystem {
  static inline std::vector<std::pair<std::string, DWORD>> Loads;
  static inline std::vector<DWORD> Errors;  // of the loads in turn; 0 succeeds
  static inline std::string Folder = "C:\\WINDOWS\\system32";
  static inline DWORD LastError = 0;

  static HMODULE WINAPI Load(LPCSTR name, HANDLE, DWORD flags) {
    LastError = Errors.at(Loads.size());
    Loads.emplace_back(name, flags);
    return LastError == 0 ? reinterpret_cast<HMODULE>(0x10000) : nullptr;
  }
  static UINT WINAPI SystemDirectory(LPSTR buffer, UINT size) {
    if (Folder.size() >= size) return static_cast<UINT>(Folder.size() + 1);
    lstrcpynA(buffer, Folder.c_str(), static_cast<int>(size));
    return static_cast<UINT>(Folder.size());
  }
  static DWORD WINAPI Error() { return LastError; }
};

const TLibraryCalls kFake = {TFakeSystem::Load, TFakeSystem::SystemDirectory, TFakeSystem::Error};

TEST(SystemLibrary, WithoutTheSearchFlagTheFullPathInTheSystemFolderIsLoaded) {
  using TLoads = std::vector<std::pair<std::string, DWORD>>;
  struct TCase {
    std::vector<DWORD> errors;
    std::string folder;
    bool loaded;
    TLoads loads;
  };
  const TCase cases[] = {
      {{0}, "C:\\WINDOWS\\system32", true, {{"comdlg32.dll", LOAD_LIBRARY_SEARCH_SYSTEM32}}},
      // Vista, Windows 7 without the update: the flag is an invalid parameter.
      {{ERROR_INVALID_PARAMETER, 0},
       "C:\\WINDOWS\\system32",
       true,
       {{"comdlg32.dll", LOAD_LIBRARY_SEARCH_SYSTEM32},
        {"C:\\WINDOWS\\system32\\comdlg32.dll", LOAD_WITH_ALTERED_SEARCH_PATH}}},
      // A library that is not there is not looked for anywhere else.
      {{ERROR_MOD_NOT_FOUND},
       "C:\\WINDOWS\\system32",
       false,
       {{"comdlg32.dll", LOAD_LIBRARY_SEARCH_SYSTEM32}}},
      // No system folder that fits a path: nothing is loaded.
      {{ERROR_INVALID_PARAMETER},
       std::string(MAX_PATH, 'x'),
       false,
       {{"comdlg32.dll", LOAD_LIBRARY_SEARCH_SYSTEM32}}},
  };
  for (const TCase& c : cases) {
    TFakeSystem::Loads.clear();
    TFakeSystem::Errors = c.errors;
    TFakeSystem::Folder = c.folder;
    EXPECT_EQ(LoadSystemLibrary("comdlg32.dll", kFake) != nullptr, c.loaded);
    EXPECT_EQ(TFakeSystem::Loads, c.loads);
  }
}

TEST(SystemLibrary, ALibraryPlantedInTheWorkingFolderIsNeverLoaded) {
  testsupport::TTempWorkFolder work;
  ASSERT_TRUE(CopyFileA(ZS_PLANTED_LIBRARY_PATH, "zs_planted_library.dll", FALSE));

  HMODULE system = LoadSystemLibrary("comdlg32.dll");
  ASSERT_NE(system, nullptr);
  char path[MAX_PATH];
  char folder[MAX_PATH];
  GetModuleFileNameA(system, path, MAX_PATH);
  GetSystemDirectoryA(folder, MAX_PATH);
  EXPECT_EQ(lstrcmpiA(path, (std::string(folder) + "\\comdlg32.dll").c_str()), 0);

  EXPECT_EQ(LoadSystemLibrary("zs_planted_library.dll"), nullptr);
  EXPECT_FALSE(Win32FileExists("planted_loaded.txt"));

  // Once restricted, not even a load by the bare name looks in the working
  // folder.
  RestrictLibrarySearchToSystemFolder();
  EXPECT_EQ(LoadLibraryA("zs_planted_library.dll"), nullptr);
  EXPECT_FALSE(Win32FileExists("planted_loaded.txt"));

  // The planted library itself loads, by its path.
  HMODULE planted = LoadLibraryA((work.Path() + "zs_planted_library.dll").c_str());
  EXPECT_NE(planted, nullptr);
  EXPECT_TRUE(Win32FileExists("planted_loaded.txt"));
  FreeLibrary(planted);
}

}  // namespace
