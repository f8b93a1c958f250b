#pragma once
// LibreOffice, headless, as the tests' spreadsheet program: a private profile that
// recalculates every formula on opening, conversion of saved workbooks, and the CSV it
// writes read back.

#include <filesystem>
#include <string>
#include <vector>

#include "report_test_support.h"
#include "roster_rules/csv_records.h"

namespace soatnoma::testing {

// A LibreOffice profile of its own per test, so parallel tests never share one, set to
// recalculate every formula of a workbook it opens instead of trusting the stored results.
inline std::string PrivateProfile(const ScratchFolder& folder) {
  const std::filesystem::path user = folder.Path() / "profile" / "user";
  std::filesystem::create_directories(user);
  WriteFile((user / "registrymodifications.xcu").string(),
            R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)");
  return "file://" + (folder.Path() / "profile").string();
}

inline ToolResult Convert(const ScratchFolder& folder, const std::string& filter,
                          const std::vector<std::string>& files) {
  std::string command = "soffice -env:UserInstallation=" + PrivateProfile(folder) + " --headless --convert-to " +
                        Quoted(filter) + " --outdir " + Quoted(folder.File("out"));
  for (const std::string& file : files) command += " " + Quoted(file);
  return RunTool(command);
}

// The rows of a CSV file LibreOffice wrote: commas between fields, quotes around fields
// that hold commas, read as a staff list's records are.
inline std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (roster_rules::CsvRecord& record : roster_rules::ReadCsvRecords(ReadFile(path), ','))
    rows.push_back(std::move(record.fields));
  return rows;
}

}  // namespace soatnoma::testing
