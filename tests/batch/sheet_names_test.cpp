// Sheet names a spreadsheet program accepts, one per teacher, never two alike.
#include "batch/sheet_names.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <QString>
#include <memory>

namespace soatnoma::batch {
namespace {

qsizetype Utf16Length(const std::string& name) { return QString::fromStdString(name).size(); }

// The workbook library's own check of a new sheet's name: length, characters, apostrophes
// and names already in the workbook.
class LibraryCheck {
 public:
  LibraryCheck() : workbook_(workbook_new("/dev/null"), lxw_workbook_free) {}
  bool Accepts(const std::string& name) {
    if (workbook_validate_sheet_name(workbook_.get(), name.c_str()) != LXW_NO_ERROR) return false;
    return workbook_add_worksheet(workbook_.get(), name.c_str()) != nullptr;
  }

 private:
  std::unique_ptr<lxw_workbook, decltype(&lxw_workbook_free)> workbook_;
};

// Teachers' names in roster order and the sheet names they must get.
struct Claimed {
  std::string teacher;
  std::string sheet;
};

void ExpectClaims(const std::vector<Claimed>& claims) {
  SheetNames names({"Jami"});
  for (const Claimed& claim : claims) EXPECT_EQ(names.Claim(claim.teacher), claim.sheet) << claim.teacher;
}

TEST(SheetNames, NamesAreCleanedOfWhatAWorkbookForbids) {
  ExpectClaims({
      {"Karimova Dilnoza", "Karimova Dilnoza"},
      {"  Aliyev/Vali [10-A]: *?\\ ", "Aliyev Vali 10-A"},
      {"'O'tkir'", "O'tkir"},
      {"Ko'p\r\nqatorli\tism", "Ko'p qatorli ism"},
      {" ' ", "O'qituvchi"},
      {"history", "history (2)"},  // kept by spreadsheet programs for themselves
  });
}

TEST(SheetNames, LongNamesAreCutOnCharacterBoundaries) {
  SheetNames names;
  // 40 characters of two bytes each: cut by characters, not bytes.
  const std::string uzbek = "Oʻgʻiloyxon Abdurahmonova Gʻaniyevna qizi";
  const std::string cut = names.Claim(uzbek);
  EXPECT_EQ(Utf16Length(cut), 31);
  EXPECT_TRUE(uzbek.starts_with(cut));
  // A letter with its combining accent, or a character outside the basic plane, stays whole.
  const std::string accents = std::string(30, 'a') + "e\xCC\x81" + "bbb";
  EXPECT_EQ(names.Claim(accents), std::string(30, 'a'));
  const std::string book = std::string(30, 'c') + "\xF0\x9F\x93\x9A";
  EXPECT_EQ(names.Claim(book), std::string(30, 'c'));
  // A cut that ends on a blank or an apostrophe drops it.
  EXPECT_EQ(names.Claim(std::string(29, 'd') + " 'e"), std::string(29, 'd'));
}

TEST(SheetNames, ClashesAreNumberedWhateverTheLetterCase) {
  const std::string longName(40, 'x');
  ExpectClaims({
      {"jami", "jami (2)"},
      {"Aliyev Vali", "Aliyev Vali"},
      {"ALIYEV VALI", "ALIYEV VALI (2)"},
      {"Aliyev  Vali", "Aliyev Vali (3)"},
      {"Aliyev Vali (2)", "Aliyev Vali (2) (2)"},
      {"ÖZBEK", "ÖZBEK"},
      {"özbek", "özbek (2)"},
      {longName, std::string(31, 'x')},
      {longName, std::string(27, 'x') + " (2)"},
  });
}

TEST(SheetNames, AStaffOfOneNameIsNumberedThrough) {
  SheetNames names;
  EXPECT_EQ(names.Claim("Aliyev Vali (3)"), "Aliyev Vali (3)");
  for (const char* expected : {"Aliyev Vali", "Aliyev Vali (2)", "Aliyev Vali (4)", "Aliyev Vali (5)"}) {
    EXPECT_EQ(names.Claim("Aliyev Vali"), expected);
  }
  std::string last;
  for (int i = 0; i < 2000; ++i) last = names.Claim("Karimova Dilnoza");
  EXPECT_EQ(last, "Karimova Dilnoza (2000)");
}

TEST(SheetNames, EveryNameIsOneTheWorkbookLibraryAccepts) {
  SheetNames names({"Jami"});
  LibraryCheck library;
  ASSERT_TRUE(library.Accepts("Jami"));
  const std::vector<std::string> staff = {
      "Karimova Dilnoza", "karimova dilnoza", "", "''", "[]:*?/\\", "Oʻgʻiloyxon Abdurahmonova Gʻaniyevna qizi",
      "Oʻgʻiloyxon Abdurahmonova Gʻaniyevna qizi", std::string(31, '\''), "a'", "Sheet1", "Jami", "\x01\x7F",
  };
  for (const std::string& teacher : staff) {
    const std::string name = names.Claim(teacher);
    EXPECT_LE(Utf16Length(name), SheetNames::kMaxLength) << name;
    EXPECT_TRUE(library.Accepts(name)) << "\"" << teacher << "\" gave \"" << name << "\"";
  }
}

}  // namespace
}  // namespace soatnoma::batch
