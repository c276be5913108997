#include "tests/user/user_test_support.h"

#include "tests/support/dialog_watcher.h"
#include "tests/support/real_input.h"
#include "tests/support/remote_list_view.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

using testsupport::WindowClass;
using testsupport::WindowText;

namespace {

constexpr const char* kKey = "zsearch";

// Each script logs its name and arguments and leaves both result files.
std::string Script(const std::string& name) {
  return "@echo off\r\n>>searches.txt echo " + name +
         " %*\r\n"
         "if not exist \"%HOMEDRIVE%\\temp\" mkdir \"%HOMEDRIVE%\\temp\"\r\n"
         ">\"%HOMEDRIVE%\\temp\\out.txt\" echo result\r\n"
         ">\"%HOMEDRIVE%\\temp\\out.htm\" echo result\r\n";
}

// The print queue's output folder, as Wine sees it; empty without a queue.
std::string PrintFolder() {
  const char* out = std::getenv("ZS_PRINT_OUT");
  if (out == nullptr) return {};
  std::string folder = std::string("Z:") + out + "\\";
  std::replace(folder.begin(), folder.end(), '/', '\\');
  return folder;
}

// cups-pdf writes a file in place; it is complete once it ends its last
// section.
bool CompletePdf(const std::string& path) {
  const std::string bytes = testsupport::ReadFileBytes(path);
  return bytes.size() > 16 && bytes.compare(0, 5, "%PDF-") == 0 &&
         bytes.find("%%EOF", bytes.size() - 16) != std::string::npos;
}

}  // namespace

void UserTest::SetUp() {
  testsupport::DeleteKey(kKey);
  testsupport::RecordShellOpens(".txt", Log);
  testsupport::RecordShellOpens(".htm", Log);
  testsupport::RecordUrlOpens("mailto", Log);
  testsupport::RecordUrlOpens("http", Log);
  // The result files then lie in the work folder.
  SetEnvironmentVariableA("HOMEDRIVE", Work.Path().substr(0, Work.Path().size() - 1).c_str());
  testsupport::WriteFileBytes("zsearch.bat", Script("zsearch"));
  testsupport::WriteFileBytes("zsearcha.bat", Script("zsearcha"));
  testsupport::WriteFileBytes("helpzs.txt", "help\r\n");
  testsupport::WriteFileBytes("zreadme.txt", "readme\r\n");
  testsupport::WriteFileBytes(Database, "db\r\n");
}

void UserTest::TearDown() {
  SetEnvironmentVariableA("HOMEDRIVE", "C:");
  testsupport::DeleteKey(kKey);
}

HWND UserTest::Start() {
  Main = Program.Start() ? Window(kMainCaption) : nullptr;
  return Main;
}

HWND UserTest::Window(const char* caption, int timeoutMs) const {
  return Program.WaitForWindow([&](HWND w) { return WindowText(w) == caption; }, timeoutMs);
}

HWND UserTest::Button(HWND window, const std::string& caption) const {
  return testsupport::FindChildWindow(
      window, [&](HWND w) { return WindowClass(w) == "Button" && WindowText(w) == caption; });
}

HWND UserTest::Field(int index) const {
  std::vector<HWND> fields;
  testsupport::FindChildWindow(Main, [&](HWND w) {
    if (GetParent(w) == Main && WindowClass(w) == "Edit") fields.push_back(w);
    return false;
  });
  std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return fields.at(static_cast<std::size_t>(index));
}

HWND UserTest::Combo() const {
  return testsupport::FindChildWindow(Main, [](HWND w) { return WindowClass(w) == "ComboBox"; });
}

std::vector<std::string> UserTest::ComboItems() const {
  // Wine answers another process's CB_GETLBTEXTA in UTF-16 (WM_GETTEXT it
  // converts), and its CB_GETLBTEXTLEN may fall short of what it then
  // writes: ask in UTF-16, into room for any entry, and take the text back
  // to the ANSI code page.
  const HWND combo = Combo();
  std::vector<std::string> items;
  const auto count = testsupport::SendBounded(combo, CB_GETCOUNT);
  for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
    wchar_t text[4096] = {};
    const auto n =
        testsupport::SendBounded(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text), true);
    char bytes[8192] = {};
    WideCharToMultiByte(CP_ACP, 0, text, n < 0 ? 0 : static_cast<int>(n), bytes, sizeof bytes - 1,
                        nullptr, nullptr);
    items.push_back(bytes);
  }
  return items;
}

HWND UserTest::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(Main, nullptr), &info);
  return info.hwndFocus;
}

HWND UserTest::Dialog(int timeoutMs) const {
  return Program.WaitForWindow([](HWND w) { return WindowClass(w) == "#32770"; }, timeoutMs);
}

void UserTest::ClickOn(HWND control) const {
  ASSERT_NE(control, nullptr);
  ASSERT_TRUE(testsupport::BringToFront(GetAncestor(control, GA_ROOT)));
  testsupport::Click(testsupport::CentreOf(control));
}

void UserTest::PickDatabase(const std::string& entry) const {
  const std::vector<std::string> items = ComboItems();
  const auto index = std::find(items.begin(), items.end(), entry) - items.begin();
  ASSERT_LT(index, static_cast<std::ptrdiff_t>(items.size())) << entry;
  const HWND combo = Combo();
  const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  RECT field, whole;
  GetWindowRect(edit, &field);
  GetWindowRect(combo, &whole);
  ASSERT_TRUE(testsupport::BringToFront(Main));
  // The arrow lies right of the edit part.
  testsupport::Click({(field.right + whole.right) / 2, (field.top + field.bottom) / 2});
  const HWND list =
      Program.WaitForWindow([](HWND w) { return WindowClass(w) == "ComboLBox"; }, 5000);
  ASSERT_NE(list, nullptr) << "the list did not drop down";
  const auto height = testsupport::SendBounded(list, LB_GETITEMHEIGHT);
  const auto top = testsupport::SendBounded(list, LB_GETTOPINDEX);
  RECT client;
  GetClientRect(list, &client);
  testsupport::Click(testsupport::ScreenPoint(
      list, {client.right / 2, static_cast<LONG>((index - top) * height + height / 2)}));
  EXPECT_TRUE(testsupport::WaitUntil([&] { return !IsWindowVisible(list); }));
}

void UserTest::TypeInto(HWND field, const std::string& text) const {
  ClickOn(field);
  ASSERT_TRUE(testsupport::WaitUntil([&] { return Focus() == field; }));
  const std::string expected = WindowText(field) + text;
  testsupport::SendChord({VK_END});
  testsupport::TypeText(text);
  EXPECT_TRUE(testsupport::WaitUntil([&] { return WindowText(field) == expected; }))
      << WindowText(field);
}

void UserTest::ChooseDatabase() const {
  ClickOn(Button(Main, "ﾌｧｲﾙ選択"));
  const HWND dialog = Dialog();
  ASSERT_NE(dialog, nullptr) << "no file dialog";
  const HWND list = testsupport::FindChildWindow(
      dialog, [](HWND w) { return WindowClass(w) == "SysListView32"; });
  ASSERT_NE(list, nullptr);
  std::optional<RECT> label;
  ASSERT_TRUE(testsupport::WaitUntil([&] {
    label = testsupport::ListViewItemLabel(list, "zsdb");
    return label.has_value();
  })) << "the database file is not listed";
  ASSERT_TRUE(testsupport::BringToFront(dialog));
  testsupport::DoubleClick({(label->left + label->right) / 2, (label->top + label->bottom) / 2});
  EXPECT_TRUE(
      testsupport::WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
  const std::string quoted = "\"" + Database + "\"";
  EXPECT_TRUE(testsupport::WaitUntil([&] { return WindowText(Combo()) == quoted; }))
      << WindowText(Combo());
}

std::vector<std::string> UserTest::Searches(std::size_t count) const {
  return testsupport::WaitForLines(Work.Path() + "searches.txt", count);
}

std::vector<std::string> UserTest::Opens(std::size_t count) const {
  return testsupport::WaitForLines(Log, count);
}

void UserTest::Forget() const {
  DeleteFileA((Work.Path() + "searches.txt").c_str());
  DeleteFileA(Log.c_str());
}

std::vector<std::string> UserTest::PrintJobs(const std::string& title) const {
  // cups-pdf names a job's file after its title and the job.
  const std::string folder = PrintFolder();
  if (folder.empty()) return {};
  const std::string pattern = folder + "*" + title.substr(0, title.find('.')) + "*.pdf";
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    files.push_back(folder + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

bool UserTest::NewJobPrinted(const std::string& title,
                             const std::vector<std::string>& before) const {
  if (PrintFolder().empty()) {
    return testsupport::AnswerBoxOfProcess(Program.Pid(), 10000).Text ==
           "デフォルト プリンタが存在しません.";
  }
  const auto isNew = [&](const std::string& file) {
    return std::find(before.begin(), before.end(), file) == before.end() && CompletePdf(file);
  };
  // cups-pdf is slow on a loaded machine.
  return testsupport::WaitUntil(
      [&] {
        const auto files = PrintJobs(title);
        return std::any_of(files.begin(), files.end(), isNew);
      },
      120000);
}
