#pragma once
// Shared helpers of the report tests: reports built as a run builds them, scratch folders,
// external tools, and the parts of a saved workbook.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pugixml.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <variant>

#include <zip.h>

#include "sheet_test_support.h"
#include "report_sheet/report_texts.h"
#include "workbook_package/package_names.h"
#include "report_files/xlsx_package.h"

// The parts of a report's workbook the tests read and change.
inline constexpr const char* kSheetEntry = "xl/worksheets/sheet1.xml";
inline constexpr const char* kStylesEntry = "xl/styles.xml";

namespace soatnoma::testing {

// A fresh folder, removed with everything in it at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "soatnoma-report-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // The names of everything in the folder, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

struct ToolResult {
  int status = -1;
  std::string output;  // stdout and stderr
};

// Adds count parts of zeros, each unpacking to bytesEach, to a saved package: a file of a
// few kilobytes more that unpacks to as much as the parts add up to.
inline void AddPartsOfZeros(const std::string& path, int count, std::size_t bytesEach) {
  const std::string zeros(bytesEach, '\0');
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), 0, &error);
  ASSERT_NE(archive, nullptr) << error;
  for (int part = 0; part < count; ++part) {
    zip_source_t* source = zip_source_buffer(archive, zeros.data(), zeros.size(), 0);
    const std::string name = "xl/media/nollar" + std::to_string(part) + ".bin";
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    ASSERT_GE(index, 0) << name;
    ASSERT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1), 0);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

// Runs a shell command line and collects what it prints.
inline ToolResult RunTool(const std::string& command) {
  ToolResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), read);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// A PDF's count of pages, and the text of one page (1 first) as laid out.
inline int PdfPages(const std::string& pdf) {
  const std::string info = RunTool("pdfinfo " + Quoted(pdf)).output;
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}
inline std::string PdfPageText(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  return RunTool("pdftotext -layout -f " + number + " -l " + number + " " + Quoted(pdf) + " -").output;
}

// Changes one part of a saved package in place, as another program might.
inline void RewritePart(const std::string& path, const std::string& entry,
                        const std::function<void(std::string&)>& change) {
  std::string detail;
  auto package = report_files::XlsxPackage::Open(path, detail);
  ASSERT_TRUE(package) << detail;
  std::string content = package->Read(entry).value_or("");
  ASSERT_FALSE(content.empty()) << entry;
  change(content);
  ASSERT_TRUE(package->Replace(entry, content));
  ASSERT_TRUE(package->Save(detail)) << detail;
}

// What a regular expression finds in one part replaced, every match or the first only; a
// failed test when it finds nothing.
inline void ReplaceInPart(const std::string& path, const std::string& entry, const std::string& pattern,
                          const std::string& to, bool firstOnly = false) {
  RewritePart(path, entry, [&](std::string& part) {
    const std::regex found(pattern);
    ASSERT_TRUE(std::regex_search(part, found)) << entry << ": " << pattern;
    part = std::regex_replace(
        part, found, to, firstOnly ? std::regex_constants::format_first_only : std::regex_constants::format_default);
  });
}

// A PDF's page as its text tool reads it holds the form's whole title and both ends of its
// signature line, the teacher's with the whole name, however the lines broke them.
inline void ExpectWholeTitleAndSignatureLine(const std::string& pdf, const report_sheet::ReportTexts& texts, int year) {
  const auto withoutBlanks = [](std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
  };
  const std::string page = RunTool("pdftotext " + Quoted(pdf) + " -").output;
  const std::string compact = withoutBlanks(page);
  EXPECT_NE(compact.find(withoutBlanks(report_sheet::TitleSentence(texts, year))), std::string::npos) << page;
  EXPECT_NE(compact.find(withoutBlanks(std::string(report_sheet::report_text::kFooterTeacher) + texts.name)),
            std::string::npos)
      << page;
  EXPECT_NE(compact.find(withoutBlanks(std::string(report_sheet::report_text::kFooterDeputy))), std::string::npos)
      << page;
}

// One XML part of a saved workbook.
inline bool LoadPart(const std::string& workbook, const std::string& entry, pugi::xml_document& document) {
  std::string detail;
  auto package = report_files::XlsxPackage::Open(workbook, detail);
  if (!package) return false;
  const auto text = package->Read(entry);
  return text && document.load_buffer(text->data(), text->size());
}

// The <c> element of a cell ("C8") in a worksheet part.
inline pugi::xml_node CellNode(const pugi::xml_document& sheet, const std::string& reference) {
  return sheet.child("worksheet").child("sheetData").find_node([&](const pugi::xml_node& node) {
    return std::string_view(node.name()) == "c" && reference == node.attribute("r").value();
  });
}

}  // namespace soatnoma::testing
