// The main window started on a settings store that holds given values: a
// load error midway and what the drop-down then shows, and the list commands
// on a list that loaded empty.

#include "tests/ui/main_window_fixture.h"

#include <vector>

using uitest::ReadValue;

namespace {

struct TStoredValue {
  const char* Name;
  DWORD Type;
  std::string Data;  // the text of a REG_SZ, the four bytes of a REG_DWORD
};

std::string Number(DWORD n) { return std::string(reinterpret_cast<const char*>(&n), sizeof n); }

// A main window made on a store that holds the values of Stored().
class StoredListTest : public MainWindowTest {
 protected:
  virtual std::vector<TStoredValue> Stored() const = 0;

  void PrepareStore() override {
    HKEY section;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (Key + "\\Settings").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &section, nullptr),
              ERROR_SUCCESS);
    for (const TStoredValue& value : Stored()) {
      const std::string bytes = value.Type == REG_SZ ? value.Data + '\0' : value.Data;
      RegSetValueExA(section, value.Name, 0, value.Type,
                     reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    }
    RegCloseKey(section);
  }

  // The one box of the start: the load error in the general error box; the
  // window opened all the same, with no entry selected and an empty field.
  void ExpectLoadError(const std::string& text) {
    ASSERT_EQ(Boxes.Dialogs().size(), 1u);
    const auto& box = Boxes.Dialogs()[0];
    EXPECT_EQ(box.Text, text);
    EXPECT_EQ(box.Title, App->Title());
    EXPECT_EQ(box.Icon, testsupport::StopIcon());
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));
    EXPECT_EQ(SendMessageA(Form->ComboBox1.Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Form->ComboBox1.Text(), "");
  }
};

class NumberTypedCountTest : public StoredListTest {
  std::vector<TStoredValue> Stored() const override { return {{"RegCount", REG_DWORD, Number(3)}}; }
};

TEST_F(NumberTypedCountTest, IsReportedAndTheEndReplacesItWithAString) {
  ExpectLoadError("'RegCount' のデータ型が不正です.");
  EXPECT_TRUE(Form->ComboBox1.Items().empty());
  App->DestroyForms();
  EXPECT_EQ(ReadValue(Key, "RegCount"), "0");
}

class NumberTypedEntryTest : public StoredListTest {
  std::vector<TStoredValue> Stored() const override {
    return {{"RegCount", REG_SZ, "3"},
            {"FileName1", REG_SZ, "先頭.txt"},
            {"FileName2", REG_DWORD, Number(7)},
            {"FileName3", REG_SZ, "c.txt"}};
  }
};

TEST_F(NumberTypedEntryTest, KeepsTheEntriesReadBeforeItListedAndNoneSelected) {
  ExpectLoadError("'FileName2' のデータ型が不正です.");
  EXPECT_EQ(Form->ComboBox1.Items(), std::vector<std::string>{"先頭.txt"});
  App->DestroyForms();
  EXPECT_EQ(ReadValue(Key, "RegCount"), "1");
  EXPECT_EQ(ReadValue(Key, "FileName1"), "先頭.txt");
}

class NegativeCountTest : public StoredListTest {
  std::vector<TStoredValue> Stored() const override { return {{"RegCount", REG_SZ, "-1"}}; }
};

TEST_F(NegativeCountTest, EmptyListKeepsATypedTextOnDeleteAndTakesItOnSet) {
  EXPECT_TRUE(Boxes.Dialogs().empty());
  EXPECT_TRUE(Form->ComboBox1.Items().empty());
  EXPECT_EQ(Form->ComboBox1.Text(), "");

  Form->ComboBox1.SetText("typed.txt");
  Form->Button6.Click();
  EXPECT_TRUE(Form->ComboBox1.Items().empty());
  EXPECT_EQ(Form->ComboBox1.Text(), "typed.txt");  // nothing to delete: the field is left alone

  Form->Button2.Click();
  EXPECT_EQ(Form->ComboBox1.Items(), std::vector<std::string>{"typed.txt"});
  EXPECT_EQ(SendMessageA(Form->ComboBox1.Handle(), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Form->ComboBox1.Text(), "typed.txt");
  App->DestroyForms();
  EXPECT_EQ(ReadValue(Key, "RegCount"), "1");
  EXPECT_TRUE(Boxes.Dialogs().empty());
}

}  // namespace
