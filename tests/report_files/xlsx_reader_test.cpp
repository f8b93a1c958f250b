// Reading a saved report back: the same cells and notes, the form's own frame, and a
// clear refusal, with the file left as it was, for anything this program did not write.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "model/workload_table.h"
#include "report_sheet/a1_formula.h"
#include "report_editing/report_corrections.h"
#include "workbook_package/stored_number.h"
#include "report_files/xlsx_reader.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::ScratchFolder;
using testing::Teacher;

const workbook_package::OpenedReport* Opened(const workbook_package::OpenOutcome& outcome) {
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) {
    ADD_FAILURE() << "refused: " << refusal->message;
    return nullptr;
  }
  return &std::get<workbook_package::OpenedReport>(outcome);
}

// (Texts that look like a workbook's codes of characters are written and read back by the
// workbook's parts and its shared texts, each in its own test, and by LibreOffice.)
TEST(XlsxReader, GivesBackEveryCellTheFrameAndTheNotes) {
  const ScratchFolder folder;
  const report_sheet::ReportTexts texts{"=1+2", "ona tili", "Abdurahmonova Oʻgʻiloy  "};
  std::vector<report_sheet::ReportSheet> reports;
  reports.push_back(Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "27", "20", true, texts))));
  reports.push_back(Built(report_sheet::BuildReportBeforeRounding(Teacher(TeacherCategory::Upper, "13", "40", false))));
  // A corrected report: hours moved between months, one cell negative and one fractional.
  report_sheet::ReportSheet corrected = reports.front();
  corrected.Cells().SetNumber(8, col::C, corrected.Cells().ReadNumber(8, col::C) + 3);
  corrected.Cells().SetNumber(8, col::D, -1);
  corrected.Cells().SetNumber(14, col::Q, 2.5);
  const workbook_package::WorkbookNotes notes{{{8, col::C, reports.front().Cells().ReadNumber(8, col::C)},
                                               {8, col::D, reports.front().Cells().ReadNumber(8, col::D)},
                                               {14, col::Q, reports.front().Cells().ReadNumber(14, col::Q)}}};
  reports.push_back(corrected);

  for (std::size_t i = 0; i < reports.size(); ++i) {
    SCOPED_TRACE(i);
    const std::string path = folder.File("r" + std::to_string(i) + ".xlsx");
    const workbook_package::WorkbookNotes saved = i + 1 == reports.size() ? notes : workbook_package::WorkbookNotes{};
    ASSERT_TRUE(report_files::SaveXlsxWithNotes(reports[i], saved, path).ok);
    const workbook_package::OpenOutcome outcome = report_files::OpenXlsx(path);
    const workbook_package::OpenedReport* opened = Opened(outcome);
    ASSERT_TRUE(opened);
    testing::ExpectSameSheet(reports[i], opened->sheet);
    EXPECT_EQ(opened->notes, saved);
  }
}

// Another spreadsheet program writes the report's sums in A1 form, absolute or not (how
// shared formulas are read is the stored cells' own test); only the table's sums are sums.
TEST(XlsxReader, SumsWrittenInA1ReadAsTheTablesFormulas) {
  EXPECT_EQ(report_sheet::RelativeFormulaFromA1("$C$6+C8", 5, col::C), formulas::kRow5);
  for (const char* notASum : {"", "SUM(C6:C8)", "C6-C8", "C6+", "C6+C8*2", "C6:C8", "Sheet2!C6"}) {
    EXPECT_FALSE(report_sheet::RelativeFormulaFromA1(notASum, 5, col::C)) << notASum;
  }
}

// An upper-class leader's report saved in the folder under the name given.
std::string SavedReport(const ScratchFolder& folder, const std::string& name) {
  const std::string path = folder.File(name);
  EXPECT_TRUE(
      report_files::SaveXlsx(Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", true))), path)
          .ok);
  return path;
}

struct Damage {
  const char* what;
  const char* entry;
  const char* from;  // a regular expression, replaced once
  const char* to;
  const char* told;  // a piece of the message
};

TEST(XlsxReader, RefusesWhatItDidNotWriteAndLeavesTheFileAsItWas) {
  const ScratchFolder folder;
  const std::string bytes = testing::ReadFile(SavedReport(folder, "good.xlsx"));

  const std::vector<Damage> damages = {
      {"no mark", "docProps/custom.xml", "yillik taqsimot, 1-shakl", "boshqa", "Soatnoma yozmagan"},
      {"two sheets", "xl/workbook.xml", R"((<sheet [^>]*/>))", "$1$1", "2 ta varaq"},
      {"sum of a range", kSheetEntry, "<f>F5\\+J5\\+N5\\+R5</f>", "<f>SUM(F5:R5)</f>", "S5 katagida"},
      {"wrong sum", kSheetEntry, "<f>F5\\+J5\\+N5\\+R5</f>", "<f>F5+J5</f>", "S5 katagidagi formula"},
      {"text for hours", kSheetEntry, R"(<c r="C8"( s="\d+")?><v>[^<]*</v></c>)",
       R"(<c r="C8"$1 t="inlineStr"><is><t>o'n</t></is></c>)", "C8 katagida soat o'rnida matn"},
      {"row title", kSheetEntry, R"(<c r="B9"( s="\d+")? t="s"><v>\d+</v></c>)",
       R"(<c r="B9"$1 t="inlineStr"><is><t>Boshqa ish</t></is></c>)", "B9 katagi"},
      {"beyond the form", kSheetEntry, "</row>", R"(<c r="T5"><v>1</v></c></row>)", "T5 katagi"},
      {"no title", kSheetEntry, R"(<c r="A2"( s="\d+")? t="s"><v>\d+</v></c>)", R"(<c r="A2"$1/>)", "A2"},
      // A note that holds no number (which cells hold none is the stored cells' own test), and
      // a part that is no XML (which are none is the XML reader's).
      {"note not a number", "docProps/custom.xml", "</Properties>",
       R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="9" name="Soatnoma hisoblangan C8"><vt:r8>NaN</vt:r8></property></Properties>)",
       "tuzatishlar"},
      {"note on a sum", "docProps/custom.xml", "</Properties>",
       R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="9" name="Soatnoma hisoblangan F8"><vt:r8>4</vt:r8></property></Properties>)",
       "tuzatishlar"},
      {"not XML", "xl/sharedStrings.xml", "Familiya Ism", "Familiya \xEF\xBF\xBF Ism", "varaqni o'qib bo'lmadi"},
      {"missing text", kSheetEntry, R"(<c r="B9"( s="\d+")? t="s"><v>\d+</v></c>)",
       R"(<c r="B9"$1 t="s"><v>9999</v></c>)", "B9 katagida yo'q matn"},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    const std::string path = folder.File(std::string(damage.what) + ".xlsx");
    testing::WriteFile(path, bytes);
    testing::ReplaceInPart(path, damage.entry, damage.from, damage.to, true);
    const std::string before = testing::ReadFile(path);
    const workbook_package::OpenOutcome outcome = report_files::OpenXlsx(path);
    ASSERT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(outcome));
    const std::string& message = std::get<workbook_package::OpenRefusal>(outcome).message;
    EXPECT_NE(message.find(damage.told), std::string::npos) << message;
    EXPECT_NE(message.find(std::string(damage.what) + ".xlsx"), std::string::npos) << message;
    EXPECT_EQ(testing::ReadFile(path), before);
  }

  // Files that are no workbook at all.
  testing::WriteFile(folder.File("half.xlsx"), bytes.substr(0, bytes.size() / 2));
  testing::WriteFile(folder.File("text.xlsx"), "Familiya Ism;20;upper\n");
  std::filesystem::create_directory(folder.File("folder.xlsx"));
  ASSERT_EQ(::mkfifo(folder.File("pipe.xlsx").c_str(), 0600), 0);  // opening it would wait for a writer
  const std::vector<std::pair<std::string, std::string>> notWorkbooks = {
      {"half.xlsx", "Excel ish kitobi emas"}, {"text.xlsx", "Excel ish kitobi emas"},
      {"missing.xlsx", "topilmadi"},          {"folder.xlsx", "papka"},
      {"pipe.xlsx", "oddiy fayl emas"},
  };
  for (const auto& [file, told] : notWorkbooks) {
    const workbook_package::OpenOutcome outcome = report_files::OpenXlsx(folder.File(file));
    ASSERT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(outcome)) << file;
    EXPECT_NE(std::get<workbook_package::OpenRefusal>(outcome).message.find(told), std::string::npos)
        << std::get<workbook_package::OpenRefusal>(outcome).message;
  }
  EXPECT_EQ(testing::ReadFile(folder.File("half.xlsx")), bytes.substr(0, bytes.size() / 2));
}

// The one rule for a stored number, in a cell or a property: the desktop's reader and the
// page's module both take numbers by it.
TEST(StoredNumber, DigitsWithSignPointAndExponentAndFinite) {
  const std::vector<std::pair<std::string_view, std::optional<double>>> cases = {
      {"4", 4},     {"-97.5", -97.5}, {"1E+20", 1e20},  {"1e-7", 1e-7},   {".5", 0.5},  {"5.", 5},    {"-0", -0.0},
      {"0.1", 0.1}, {"2.5e1", 25},    {"1e308", 1e308}, {"NaN", {}},      {"nan", {}},  {"-nan", {}}, {"Infinity", {}},
      {"INF", {}},  {"1e400", {}},    {"-1e400", {}},   {"abc", {}},      {"0x10", {}}, {"", {}},     {" 4", {}},
      {"4 ", {}},   {"+5", {}},       {"--5", {}},      {"1e", {}},       {"e5", {}},   {".", {}},    {"-", {}},
      {"1,5", {}},  {"12abc", {}},    {"1e+", {}},      {"\xD9\xA1", {}},  // an Arabic-Indic digit one
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(workbook_package::ReadStoredNumber(text), number) << text;
  EXPECT_EQ(workbook_package::ReadPropertyNumber("r8", "4.5"), 4.5);
  EXPECT_EQ(workbook_package::ReadPropertyNumber("i4", "-3"), -3);
  EXPECT_EQ(workbook_package::ReadPropertyNumber("r8", "NaN"), std::nullopt);
  EXPECT_EQ(workbook_package::ReadPropertyNumber("lpwstr", "4"), std::nullopt);
  EXPECT_EQ(workbook_package::ReadPropertyNumber("r4", "4"), std::nullopt);  // a type the program never writes
}

// A package that would unpack to far more than any report, or holds far more parts, is
// refused from its listing before anything is unpacked; one part just within the limit is
// still read.
TEST(XlsxReader, RefusesAPackageTooLargeOrOfTooManyPartsBeforeUnpackingIt) {
  const ScratchFolder folder;
  const std::string good = SavedReport(folder, "yaxshi.xlsx");
  struct Padding {
    const char* file;
    int parts;
    std::size_t bytesEach;
    const char* told;  // empty: opened
  };
  const std::vector<Padding> paddings = {
      {"bir-qism.xlsx", 1, workbook_package::kLargestWorkbookPart, ""},
      {"katta.xlsx",
       static_cast<int>(workbook_package::kLargestUnpackedWorkbook / workbook_package::kLargestWorkbookPart + 1),
       workbook_package::kLargestWorkbookPart,
       "ochilmadi: ish kitobi arxivdan chiqarilganda juda katta bo'ladi (173 MB dan ortiq)."},
      {"kop-qism.xlsx", static_cast<int>(workbook_package::kMostWorkbookParts), 1,
       "ochilmadi: ish kitobida qismlar juda ko'p (15103 tadan ortiq)."},
      {"ortiq-qism.xlsx", 1, workbook_package::kLargestWorkbookPart + 1, "qismlaridan biri shikastlangan"},
  };
  for (const Padding& padding : paddings) {
    SCOPED_TRACE(padding.file);
    const std::string path = folder.File(padding.file);
    std::filesystem::copy_file(good, path);
    testing::AddPartsOfZeros(path, padding.parts, padding.bytesEach);
    const workbook_package::OpenOutcome outcome = report_files::OpenXlsx(path);
    if (*padding.told == '\0') {
      EXPECT_NE(Opened(outcome), nullptr);
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(outcome));
    const std::string& message = std::get<workbook_package::OpenRefusal>(outcome).message;
    EXPECT_TRUE(message.starts_with("\"" + std::string(padding.file) + "\" ")) << message;
    EXPECT_NE(message.find(padding.told), std::string::npos) << message;
  }
}

// The checksum the package keeps of a part no longer matches it, as after a flipped bit on
// the disk: the worksheet, or the cell formats, which no reader of the report looks at.
TEST(XlsxReader, RefusesAPartWhoseChecksumDoesNotMatch) {
  const ScratchFolder folder;
  const std::string good = SavedReport(folder, "yaxshi.xlsx");
  for (const std::string& entry : {std::string(kSheetEntry), std::string(kStylesEntry)}) {
    SCOPED_TRACE(entry);
    std::string bytes = testing::ReadFile(good);
    bool flipped = false;
    for (auto at = bytes.find("PK\x01\x02"); at != std::string::npos; at = bytes.find("PK\x01\x02", at + 4)) {
      const auto nameLength = static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 28]) |
                                                       static_cast<unsigned char>(bytes[at + 29]) << 8);
      if (bytes.compare(at + 46, nameLength, entry) != 0) continue;
      bytes[at + 16] = static_cast<char>(bytes[at + 16] ^ 0x01);  // the central directory's checksum
      flipped = true;
    }
    ASSERT_TRUE(flipped);
    const std::string path = folder.File("buzilgan.xlsx");
    testing::WriteFile(path, bytes);
    const workbook_package::OpenOutcome outcome = report_files::OpenXlsx(path);
    ASSERT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(outcome));
    EXPECT_NE(std::get<workbook_package::OpenRefusal>(outcome).message.find("buzilgan"), std::string::npos)
        << std::get<workbook_package::OpenRefusal>(outcome).message;
  }
}

TEST(ReportTexts, TeacherAndYearReadBackFromTheForm) {
  for (const report_sheet::ReportTexts& texts :
       {report_sheet::ReportTexts{"5", "fizika", "Familiya Ism"}, report_sheet::ReportTexts{"", "", ""},
        report_sheet::ReportTexts{"12 - sonli maktabning ", "ona tili", "Ism  ning 2020/2021 "}}) {
    EXPECT_EQ(report_sheet::TeacherNameOfFooter(report_sheet::FooterText(texts)), texts.name);
    EXPECT_EQ(report_sheet::CalendarYearOfTitle(report_sheet::TitleSentence(texts, 2025)), 2025);
  }
  const std::string title = report_sheet::TitleSentence({"5", "fizika", "Familiya Ism"}, 2025);
  EXPECT_FALSE(report_sheet::CalendarYearOfTitle(title.substr(1) + " "));
  std::string wrongYears = title;
  wrongYears.replace(wrongYears.find("2026"), 4, "2027");
  EXPECT_FALSE(report_sheet::CalendarYearOfTitle(wrongYears));
  EXPECT_FALSE(report_sheet::TeacherNameOfFooter("Fan o'qituvchisi: Familiya Ism"));
  EXPECT_FALSE(report_sheet::TeacherNameOfFooter(std::string(report_sheet::report_text::kFooterDeputy)));
}

}  // namespace
}  // namespace soatnoma

namespace soatnoma {
namespace {

// A workbook the browser edition saved after the teacher typed 2,25 into D8 and emptied E8
// opens with both corrections, against the hours the browser had computed: as the page
// writes it now, and as its earlier versions wrote it with a workbook library.
class BrowserWorkbook : public ::testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(XlsxReader, BrowserWorkbook, ::testing::Values("corrected.xlsx", "corrected_earlier.xlsx"));

TEST_P(BrowserWorkbook, OpensWithItsMarks) {
  const auto outcome = report_files::OpenXlsx(std::string(SOATNOMA_FIXTURES) + "/browser/" + GetParam());
  const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome);
  ASSERT_EQ(refusal, nullptr) << refusal->message;
  workbook_package::OpenedReport opened = std::get<workbook_package::OpenedReport>(outcome);
  const workbook_package::WorkbookNotes expected{{{8, col::D, 103}, {8, col::E, 78}}};
  EXPECT_EQ(opened.notes, expected);
  report_editing::ReportCorrections corrections(opened.sheet, opened.notes);
  EXPECT_EQ(corrections.CorrectedCells(), (std::vector<report_editing::CellPlace>{{8, col::D}, {8, col::E}}));
  EXPECT_EQ(corrections.Entry({8, col::D}), 2.25);
  EXPECT_EQ(corrections.Entry({8, col::E}), std::nullopt);
  // The sums were saved as formulas, so the year total follows the corrections.
  const double computedYear = corrections.ComputedYearTotal();
  EXPECT_DOUBLE_EQ(corrections.YearTotal(), computedYear - 103 + 2.25 - 78);
  EXPECT_TRUE(corrections.FlagsAt({8, col::D}).notWhole);
  EXPECT_TRUE(corrections.FlagsAt({8, col::S}).yearDiffers);
}

}  // namespace
}  // namespace soatnoma
