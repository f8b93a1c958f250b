// Sheet names a spreadsheet program accepts, one per teacher, never two alike.
#include "staff_book/sheet_names.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <QChar>
#include <QString>
#include <memory>

#include "staff_book/name_characters.h"

namespace soatnoma::staff_book {
namespace {

qsizetype Utf16Length(const std::string& name) { return QString::fromStdString(name).size(); }

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

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

// One staff in roster order, the workbook already holding "Jami": Uzbek Latin with its
// three kinds of apostrophe and Uzbek Cyrillic, clashes in another letter case (which letters
// are one in every alphabet is the name characters' own test), what a sheet name may not
// hold (which characters are controls, and how bytes that are not UTF-8 read, the name and
// form texts' own), names cut to 31 units beside accents, emoji and flags. These are the
// names the workbooks of earlier versions carry, so a staff saved again keeps its sheets.
TEST(SheetNames, AStaffGetsTheNamesItsWorkbooksAlwaysHad) {
  ExpectClaims({
      {"Karimova Dilnoza", "Karimova Dilnoza"},
      {"KARIMOVA DILNOZA", "KARIMOVA DILNOZA (2)"},
      {"O\u2018tkir G\u2018ulomov", "O\u2018tkir G\u2018ulomov"},
      {"o\u2018tkir g\u2018ulomov", "o\u2018tkir g\u2018ulomov (2)"},
      {"O\u02BBg\u02BBiloy G\u02BBaniyeva", "O\u02BBg\u02BBiloy G\u02BBaniyeva"},
      {"O'tkir G'ulomov", "O'tkir G'ulomov"},
      {"Ўткир Ғуломов Қодирович Ҳасанов", "Ўткир Ғуломов Қодирович Ҳасанов"},
      {"ЎТКИР ҒУЛОМОВ ҚОДИРОВИЧ ҲАСАНОВ", "ЎТКИР ҒУЛОМОВ ҚОДИРОВИЧ ҲАС (2)"},
      {"O\u02BBg\u02BBiloyxon Abdurahmonova G\u02BBaniyevna qizi", "O\u02BBg\u02BBiloyxon Abdurahmonova G\u02BBani"},
      {"Абдураҳмонова Ўғилойхон Ғаниевна қизи", "Абдураҳмонова Ўғилойхон Ғаниевн"},
      {"Abdurahmonova O\u02BBg\u02BBiloyxon G\u02BBaniyevna qizi", "Abdurahmonova O\u02BBg\u02BBiloyxon G\u02BBani"},
      {"Aliyev/Vali [10-A]: *?\\\\ ", "Aliyev Vali 10-A"},
      {"Tab\tand\rline\nend", "Tab and line end"},
      {"Bell\aEsc\x1B Del\x7F", "Bell Esc Del"},
      {"Line\u2028Para\u2029Sep", "Line Para Sep"},
      {"Non\uFFFEChar\uFFFF", "Non Char"},
      {"C1\u0085\u009Bcontrol", "C1 control"},
      {"''Qo\u02BBshtirnoq''", "Qo\u02BBshtirnoq"},
      {"   ", "O'qituvchi"},
      {"", "O'qituvchi (2)"},
      {"History", "History (2)"},
      {"jami", "jami (2)"},
      {"JAMI (2)", "JAMI (2) (2)"},
      {std::string(30, 'a') + "e\u0301bbb", std::string(30, 'a')},
      {std::string(29, 'a') + "e\u0301\u0323b", std::string(29, 'a')},
      {std::string(28, 'b') + "o\u0308\u0304\u0301x", std::string(28, 'b')},
      {"c" + Repeated("\u0301", 40), "c" + Repeated("\u0301", 30)},
      {std::string(30, 'd') + "\U0001F4DA", std::string(30, 'd')},
      {"Vali \U0001F4DA", "Vali \U0001F4DA"},
      {std::string(29, 'e') + "\U0001F469\u200D\U0001F3EB", std::string(29, 'e') + "\U0001F469"},
      {std::string(29, 'f') + "\U0001F44D\U0001F3FD", std::string(29, 'f')},
      {std::string(29, 'g') + "\U0001F1FA\U0001F1FF", std::string(29, 'g')},
      {std::string(30, 'h') + "\u2764\uFE0F", std::string(30, 'h')},
      {std::string(29, 'c') + "\U0001F4DA" + "c", std::string(29, 'c') + "\U0001F4DA"},  // two units: 31 fit
      {std::string(29, 'd') + " 'e", std::string(29, 'd')},  // a cut that ends on a blank or apostrophe drops it
      {Repeated("\U0001F1FA\U0001F1FF", 8), Repeated("\U0001F1FA\U0001F1FF", 7)},  // cut before a flag's pair
      {"Ustoz \U0001F469\u200D\U0001F3EB", "Ustoz \U0001F469\U0001F3EB"},
      {std::string(40, 'x'), std::string(31, 'x')},
      {std::string(40, 'X'), std::string(27, 'X') + " (2)"},
      {std::string(35, 'x'), std::string(27, 'x') + " (3)"},
      {"Ko\u02BBp  bo\u02BBsh   joy", "Ko\u02BBp bo\u02BBsh joy"},
      {"Aliyev Vali", "Aliyev Vali"},
      {"Aliyev Vali", "Aliyev Vali (2)"},
      {"ALIYEV VALI", "ALIYEV VALI (3)"},
      {"Aliyev Vali (2)", "Aliyev Vali (2) (2)"},
      {"Ёқубова Ёрқиной Абдуллаевна Раҳимова", "Ёқубова Ёрқиной Абдуллаевна Раҳ"},
      {"ЁҚУБОВА ЁРҚИНОЙ АБДУЛЛАЕВНА РАҲИМОВА ЁҚУБОВНА", "ЁҚУБОВА ЁРҚИНОЙ АБДУЛЛАЕВНА (2)"},
      {"a\xFF\xFE"
       "b",
       "a\uFFFD\uFFFDb"},
      {"c\xC3", "c\uFFFD"},
      {"\xE2\x80", "\uFFFD\uFFFD"},
      {"Ali\u00A0Vali", "Ali Vali"},
      {"Ali\u3000\u2003Vali", "Ali Vali (2)"},
      {"\u0301Vali", "\u0301Vali"},
      {"z\u200Bz", "zz"},
  });
}

// A workbook writes a character by its code as "_x0041_": a name holding one would be read
// as "A", and the summary's formulas would no longer find the sheet.
TEST(SheetNames, NothingInANameReadsAsACharactersCode) {
  ExpectClaims({
      {"Ali _x0041_ Valiyev", "Ali x0041_ Valiyev"},
      {"_x00C4__x0042_", "x00C4_ x0042_"},
      {"Ali_x004G_ _x41_ _X0041_", "Ali_x004G_ _x41_ _X0041_"},
  });
}

// A sheet "Ali <U+202E>ilaV" showed as "Ali Vali": no direction control stays in a name,
// not even inside a character's code, and a name of dots only is no name.
TEST(SheetNames, NoDirectionControlAndNoNameOfDotsOnly) {
  ExpectClaims({
      {"Ali \u202EilaV\u202C", "Ali ilaV"},
      {"_x00\u202E41_ Vali", "x0041_ Vali"},
      {"\u202E\u202C", "O'qituvchi"},
      {"..", "O'qituvchi (2)"},
      {"'.'", "O'qituvchi (3)"},
      {". .", ". ."},
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
      "Karimova Dilnoza",
      "karimova dilnoza",
      "",
      "''",
      "[]:*?/\\",
      "Oʻgʻiloyxon Abdurahmonova Gʻaniyevna qizi",
      "Oʻgʻiloyxon Abdurahmonova Gʻaniyevna qizi",
      std::string(31, '\''),
      "a'",
      "Jami",
      "\x01\x7F",
      "ЎТКИР ҒУЛОМОВ",
      "ўткир ғуломов",
      "Σωκράτης",
      "ΣΩΚΡΆΤΗΣ",
  };
  for (const std::string& teacher : staff) {
    const std::string name = names.Claim(teacher);
    EXPECT_LE(Utf16Length(name), static_cast<qsizetype>(SheetNames::kMaxLength)) << name;
    EXPECT_TRUE(library.Accepts(name)) << "\"" << teacher << "\" gave \"" << name << "\"";
  }
}

// The letters whose case the names ignore compare as Qt folds them, in the alphabets staff
// lists are written in; characters of other writing systems as they are.
TEST(NameCharacters, LetterCaseComparesAsQtFoldsIt) {
  const std::vector<std::pair<char32_t, char32_t>> alphabets = {{0x0000, 0x052F}, {0x1C80, 0x1C8F}, {0x1E00, 0x1FFF},
                                                                {0x2C60, 0x2C7F}, {0xA640, 0xA69F}, {0xA720, 0xA7FF},
                                                                {0xFF00, 0xFFEF}};
  int folded = 0;
  for (const auto& [first, last] : alphabets) {
    for (char32_t c = first; c <= last; ++c) {
      const char32_t qt = QChar::toCaseFolded(c);
      if (qt == c) continue;
      ++folded;
      EXPECT_EQ(ComparisonKey(std::u32string(1, c)), ComparisonKey(std::u32string(1, qt)))
          << std::hex << static_cast<unsigned>(c);
    }
  }
  EXPECT_GT(folded, 800);  // every capital of these alphabets
  for (const char32_t other : {U'\u05D0', U'\u4E00', U'\U0001F4DA', U'\u3042', U'\uF900'}) {
    EXPECT_EQ(ComparisonKey(std::u32string(1, other)), std::u32string(1, other))
        << std::hex << static_cast<unsigned>(other);
  }
}

// Names a spreadsheet program holds to be one, though their characters differ: the full case
// folding, compatibility forms, dotless i and I with a dot; characters that show nothing do
// not count. Names that differ in their letters, accents included, stay apart.
TEST(NameCharacters, NamesSpreadsheetsHoldEqualHaveOneKey) {
  const std::vector<std::pair<std::u32string, std::u32string>> alike = {
      {U"\uFB01na Karim", U"FINA KARIM"},
      {U"\u0131lhom", U"ilhom"},
      {U"\u0130LHOM", U"ilhom"},
      {U"Stra\u00DFe", U"STRASSE"},
      {U"\u1E9Ee", U"sse"},
      {U"\uFF2B\uFF41\uFF52\uFF49\uFF4D", U"karim"},
      {U"\u24B6li", U"ALI"},
      {U"\u2160", U"i"},
      {U"A\u200Bli\u00AD", U"ali"},
      {U"Jos\u00E9", U"JOSE\u0301"},
      {U"\U0001D400li", U"ali"},
      {U"\u2126", U"\u03C9"},
      {U"Ali\u2060\uFEFF\u200C\u200D", U"Ali"},
  };
  for (const auto& [one, other] : alike) EXPECT_EQ(ComparisonKey(one), ComparisonKey(other));
  const std::vector<std::pair<std::u32string, std::u32string>> apart = {
      {U"Jose", U"Jos\u00E9"}, {U"Ali", U"Aly"}, {U"\u041E\u043B\u0438", U"Oli"}, {U"O\u02BBtkir", U"Otkir"}};
  for (const auto& [one, other] : apart) EXPECT_NE(ComparisonKey(one), ComparisonKey(other));
}

// Every combining and enclosing mark Qt knows joins the character before it.
TEST(NameCharacters, EveryCombiningMarkJoinsItsLetter) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing) {
      EXPECT_TRUE(JoinsPrevious(c)) << std::hex << static_cast<unsigned>(c);
    }
  }
  for (const char32_t joined : {U'\u200D', U'\uFE0F', U'\U0001F3FD', U'\u093F'}) EXPECT_TRUE(JoinsPrevious(joined));
  for (const char32_t alone : {U'a', U'\u02BB', U'\u2018', U'\u0439', U'\U0001F4DA', U'\U0001F1FA'}) {
    EXPECT_FALSE(JoinsPrevious(alone)) << std::hex << static_cast<unsigned>(alone);
  }
}

}  // namespace
}  // namespace soatnoma::staff_book
