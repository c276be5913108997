// The shipped scripts as files: CR LF everywhere, no double-byte character
// whose trail byte cmd could read as ^ or | in another code page, every
// argument passed quoted, and the append script the same as the other but
// for its --append.

#include "zsfind/sjis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

std::string ReadScript(const char* name) {
  std::ifstream in(std::string(ZS_DIST_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(DistScripts, FileFormat) {
  for (const char* name : {"zsearch.bat", "zsearcha.bat"}) {
    const std::string script = ReadScript(name);
    ASSERT_FALSE(script.empty()) << name;
    for (std::size_t i = 0; i < script.size(); ++i) {
      const auto c = static_cast<unsigned char>(script[i]);
      if (c == '\n') {
        EXPECT_TRUE(i > 0 && script[i - 1] == '\r') << name << " at " << i;
      }
      if (IsLeadByte(c) && i + 1 < script.size()) {
        const auto trail = static_cast<unsigned char>(script[++i]);
        EXPECT_TRUE(trail != '^' && trail != '|') << name << " at " << i;
      }
    }
    // Arguments only ever appear as "%~N", never bare or in a comment.
    const std::regex bare(R"((^|[^"])%~?[1-9]|%~[1-9]([^"]|$))");
    EXPECT_FALSE(std::regex_search(script, bare)) << name;
    EXPECT_NE(script.find(R"("%~1" "%~2" "%~3" "%~4")"), std::string::npos) << name;
    EXPECT_EQ(script.find("call "), std::string::npos) << name;
  }
}

TEST(DistScripts, AppendScriptDiffersOnlyInItsFlag) {
  const auto lines = [](std::string s) {
    // The name and the sentence about replacing or appending are in the header.
    s = std::regex_replace(s, std::regex("zsearcha?\\.bat"), "NAME");
    s = std::regex_replace(s, std::regex("結果を書きます。[^\r]*"), "");
    return std::regex_replace(s, std::regex("--append "), "");
  };
  const std::string overwrite = ReadScript("zsearch.bat");
  const std::string append = ReadScript("zsearcha.bat");
  EXPECT_EQ(lines(overwrite), lines(append));
  EXPECT_EQ(overwrite.find("--append"), std::string::npos);
  EXPECT_NE(append.find("--append "), std::string::npos);
}

}  // namespace
