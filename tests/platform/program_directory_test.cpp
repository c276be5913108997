// The folder part of a program path, read as Shift-JIS.

#include "platform/program_directory.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramDirectoryTest, CutsAfterTheLastSeparator) {
  const struct {
    const char* Path;
    const char* Directory;
  } cases[] = {
      {"C:\\zuno\\zunoseek.exe", "C:\\zuno\\"},
      {"C:zunoseek.exe", "C:"},
      {"zunoseek.exe", ""},
      {"", ""},
      {"\\\\server\\share\\zunoseek.exe", "\\\\server\\share\\"},
      {"C:/zuno/zunoseek.exe", "C:/zuno/"},
      // 表, ソ and 能 end in the byte 0x5C, which is no separator there.
      {"C:\\表\\ソ能.exe", "C:\\表\\"},
      {"C:\\dir\\表", "C:\\dir\\"},
      {"C:\\ｿﾞﾉ\\z.exe", "C:\\ｿﾞﾉ\\"},
      // A lone lead byte at the end is taken as it stands.
      {"C:\\a\\\x81", "C:\\a\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramDirectory(c.Path), c.Directory) << c.Path;
}

}  // namespace
