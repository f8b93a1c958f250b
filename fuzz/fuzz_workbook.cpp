// Any file offered as a workbook, to both readers of workbooks: the report's reader (Open
// in the window) and the staff list's. Input that starts as a zip package ("PK") is the
// whole file; any other input is one part of a real report workbook replaced: its first
// byte chooses the part, the rest is the part's new content. Either reader may refuse; it
// must do so without harm, and a report it takes must be the form.
#include <unistd.h>
#include <zip.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <variant>

#include "staff_files/roster_workbook.h"
#include "report_sheet/report_form_check.h"
#include "report_files/xlsx_reader.h"

namespace {

// The parts the readers look at.
constexpr std::array<const char*, 5> kParts = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                               "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                               "docProps/custom.xml"};

// A file of this process, written anew for every input and removed at the end.
class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "soatnoma-fuzz-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) std::abort();
    ::close(fd);
    path_ = pattern;
  }
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

const std::string& ScratchPath() {
  static const ScratchFile file;
  return file.Path();
}

void WriteWhole(std::string_view bytes) {
  std::ofstream(ScratchPath(), std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The real workbook with one part replaced.
bool WriteWithPart(const char* part, std::string_view content) {
  std::filesystem::copy_file(SOATNOMA_FUZZ_SEED_WORKBOOK, ScratchPath(),
                             std::filesystem::copy_options::overwrite_existing);
  int error = 0;
  zip_t* archive = zip_open(ScratchPath().c_str(), 0, &error);
  if (archive == nullptr) std::abort();  // the seed workbook itself
  zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
  if (source == nullptr || zip_file_add(archive, part, source, ZIP_FL_OVERWRITE) < 0) {
    zip_source_free(source);
    zip_discard(archive);
    return false;
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.starts_with("PK")) {
    WriteWhole(input);
  } else if (input.empty() ||
             !WriteWithPart(kParts[static_cast<std::uint8_t>(input[0]) % kParts.size()], input.substr(1))) {
    return 0;
  }
  const soatnoma::workbook_package::OpenOutcome outcome = soatnoma::report_files::OpenXlsx(ScratchPath());
  if (const auto* opened = std::get_if<soatnoma::workbook_package::OpenedReport>(&outcome)) {
    if (soatnoma::report_sheet::FindFormProblem(opened->sheet.Cells())) std::abort();  // taken, yet not the form
  }
  std::string whyNot;
  const auto records = soatnoma::staff_files::ReadWorkbookRecords(ScratchPath(), whyNot);
  if (records.has_value() == !whyNot.empty()) std::abort();  // either records or a reason
  return 0;
}
