#include "report_files/package_writer.h"

#include <zip.h>

#include <cerrno>

namespace soatnoma::report_files {
namespace {

// Every part is dated the first day the format can tell, as the page dates its own: the
// same report packed twice is the same file.
constexpr zip_uint16_t kFirstTime = 0;
constexpr zip_uint16_t kFirstDay = (1 << 5) | 1;

// The library's words for what went wrong, and the system's error number behind them.
void TellError(zip_error_t* error, std::string& detail) {
  detail = zip_error_strerror(error);
  if (zip_error_system_type(error) == ZIP_ET_SYS) errno = zip_error_code_system(error);
}

bool AddPart(zip_t* archive, const workbook_parts::PackagePart& part) {
  zip_source_t* source = zip_source_buffer(archive, part.text.data(), part.text.size(), 0);
  if (source == nullptr) return false;
  const zip_int64_t added = zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (added < 0) {
    zip_source_free(source);
    return false;
  }
  const auto index = static_cast<zip_uint64_t>(added);
  // The fastest compression will do: a staff's workbook is thousands of parts.
  return zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 1) == 0 &&
         zip_file_set_dostime(archive, index, kFirstTime, kFirstDay, 0) == 0;
}

}  // namespace

bool WritePackageFile(const std::string& path, const workbook_parts::PackageParts& parts, std::string& detail) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    TellError(&error, detail);
    zip_error_fini(&error);
    return false;
  }
  for (const workbook_parts::PackagePart& part : parts) {
    if (!AddPart(archive, part)) {
      TellError(zip_get_error(archive), detail);
      zip_discard(archive);
      return false;
    }
  }
  // The parts' texts are read here, while they are still the caller's.
  if (zip_close(archive) != 0) {
    TellError(zip_get_error(archive), detail);
    zip_discard(archive);
    return false;
  }
  return true;
}

}  // namespace soatnoma::report_files
