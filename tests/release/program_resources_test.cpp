// The three programs' resources as Windows reads them from the built files:
// the Japanese version information, and the language of every resource.

#include <windows.h>

#include "zs_version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A resource type or name: an integer identifier or a text.
struct TResourceId {
  LPCSTR Type;
  LPCSTR Name;
};

struct TProgram {
  const char* Path;
  const char* Name;
  const char* Description;
  std::vector<TResourceId> Resources;
};

const TProgram kPrograms[] = {
    {ZUNOSEEK_PATH,
     "zunoseek",
     "文献データベースの簡易検索プログラム",
     {{RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO)},
      {RT_GROUP_ICON, "MAINICON"},
      {RT_MANIFEST, MAKEINTRESOURCEA(1)},
      {RT_BITMAP, "ABOUTPICTURE"},
      {RT_BITMAP, "BBCLOSE"}}},
    {ZBEEP_PATH,
     "zbeep",
     "ベルを鳴らすコンソールツール",
     {{RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO)}}},
    {ZSFIND_PATH,
     "zsfind",
     "検索スクリプト用の検索ツール",
     {{RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO)}}},
};

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

std::string VersionBlock(const char* path) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  std::string block(size, '\0');
  if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data())) return {};
  return block;
}

// The value at `subBlock` and its size in bytes, or none.
std::string QueryValue(const std::string& block, const std::string& subBlock) {
  void* value = nullptr;
  UINT size = 0;
  if (!VerQueryValueA(block.data(), subBlock.c_str(), &value, &size)) return {};
  return std::string(static_cast<const char*>(value), size);
}

std::string QueryText(const std::string& block, const char* key) {
  const std::string value = QueryValue(block, std::string("\\StringFileInfo\\041103A4\\") + key);
  return value.substr(0, value.find('\0'));
}

BOOL CALLBACK OnLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
  reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
  return EnumResourceLanguagesA(module, type, name, &OnLanguage, param);
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR param) {
  return EnumResourceNamesA(module, type, &OnName, param);
}

// Every language of every resource in the module, one entry per resource.
std::vector<WORD> AllResourceLanguages(HMODULE module) {
  std::vector<WORD> languages;
  EnumResourceTypesA(module, &OnType, reinterpret_cast<LONG_PTR>(&languages));
  return languages;
}

TEST(ProgramResources, VersionInformationIsJapaneseAndCarriesTheProjectVersion) {
  const std::string version = ZS_VERSION_TEXT;
  for (const TProgram& program : kPrograms) {
    SCOPED_TRACE(program.Name);
    const std::string block = VersionBlock(program.Path);
    ASSERT_FALSE(block.empty());

    // One translation: Japanese, code page 932.
    const std::string translation = QueryValue(block, "\\VarFileInfo\\Translation");
    ASSERT_EQ(translation.size(), 4u);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(translation.data()), 0x0411);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(translation.data() + 2), 932);

    const std::string fixed = QueryValue(block, "\\");
    ASSERT_EQ(fixed.size(), sizeof(VS_FIXEDFILEINFO));
    const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed.data());
    const DWORD high = MAKELONG(ZS_VERSION_MINOR, ZS_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, ZS_VERSION_PATCH);
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, high);
    EXPECT_EQ(info->dwFileVersionLS, low);
    EXPECT_EQ(info->dwProductVersionMS, high);
    EXPECT_EQ(info->dwProductVersionLS, low);
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));

    // The texts, as the ANSI functions give them on a code page 932 system.
    EXPECT_EQ(QueryText(block, "ProductName"), "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ");
    EXPECT_EQ(QueryText(block, "FileDescription"), program.Description);
    EXPECT_EQ(QueryText(block, "FileVersion"), version);
    EXPECT_EQ(QueryText(block, "ProductVersion"), version);
    EXPECT_EQ(QueryText(block, "CompanyName"), "Ranel");
    EXPECT_EQ(QueryText(block, "LegalCopyright"), "Copyright (C) 2026 Ranel");
    EXPECT_EQ(QueryText(block, "InternalName"), program.Name);
    EXPECT_EQ(QueryText(block, "OriginalFilename"), std::string(program.Name) + ".exe");
  }
}

TEST(ProgramResources, EveryResourceIsTaggedJapanese) {
  for (const TProgram& program : kPrograms) {
    SCOPED_TRACE(program.Name);
    HMODULE module = LoadLibraryExA(program.Path, nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    for (const TResourceId& id : program.Resources) {
      EXPECT_NE(FindResourceExA(module, id.Type, id.Name, kJapanese), nullptr)
          << "type " << reinterpret_cast<ULONG_PTR>(id.Type);
    }
    const std::vector<WORD> languages = AllResourceLanguages(module);
    EXPECT_GE(languages.size(), program.Resources.size());
    for (WORD language : languages) EXPECT_EQ(language, kJapanese);
    FreeLibrary(module);
  }
}

}  // namespace
