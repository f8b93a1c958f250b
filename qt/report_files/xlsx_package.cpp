#include "report_files/xlsx_package.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <memory>

namespace soatnoma::report_files {
namespace {

std::uint32_t Checksum(const std::string& content) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most 4 GB at a time; a part is far smaller, but the loop costs nothing.
  for (std::size_t at = 0; at < content.size();) {
    const auto piece = static_cast<uInt>(std::min<std::size_t>(content.size() - at, 1U << 30));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(content.data() + at), piece);
    at += piece;
  }
  return static_cast<std::uint32_t>(crc);
}

}  // namespace

std::optional<XlsxPackage> XlsxPackage::Open(const std::string& path, std::string& detail) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), 0, &error);
  if (archive == nullptr) {
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, error);
    detail = zip_error_strerror(&zipError);
    zip_error_fini(&zipError);
    return std::nullopt;
  }
  return XlsxPackage(archive);
}

XlsxPackage::XlsxPackage(XlsxPackage&& other) noexcept
    : archive_(other.archive_), replacements_(std::move(other.replacements_)) {
  other.archive_ = nullptr;
}

XlsxPackage::~XlsxPackage() {
  if (archive_ != nullptr) zip_discard(archive_);
}

std::optional<std::string> XlsxPackage::Read(const std::string& entry) const {
  return Read(entry, std::numeric_limits<std::size_t>::max());
}

bool XlsxPackage::AllPartsIntact(std::size_t maxBytes) const {
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t index = 0; index < count; ++index) {
    const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(index), 0);
    if (name == nullptr || !Read(name, maxBytes)) return false;
  }
  return true;
}

workbook_package::PackageSize XlsxPackage::SizeVerdict() const {
  workbook_package::PackageSizeCount count;
  const zip_int64_t entries = zip_get_num_entries(archive_, 0);
  for (zip_int64_t index = 0; index < entries; ++index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    // A part whose size is not told cannot be weighed: it counts as the largest allowed.
    const bool told =
        zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0;
    count.Add(told ? stat.size : workbook_package::kLargestWorkbookPart + 1);
  }
  return count.Verdict();
}

bool XlsxPackage::Contains(const std::string& entry) const { return zip_name_locate(archive_, entry.c_str(), 0) >= 0; }

std::optional<std::string> XlsxPackage::Read(const std::string& entry, std::size_t maxBytes) const {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive_, entry.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) return std::nullopt;
  if (stat.size > maxBytes) return std::nullopt;
  const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(archive_, entry.c_str(), 0), &zip_fclose);
  if (!file) return std::nullopt;
  std::string content(stat.size, '\0');
  const zip_int64_t read = zip_fread(file.get(), content.data(), stat.size);
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) return std::nullopt;
  // The library leaves the part's checksum unchecked: a part damaged on the disk (a flipped
  // bit that turns 103 into 903) must not pass for the real one.
  if ((stat.valid & ZIP_STAT_CRC) == 0 || Checksum(content) != stat.crc) return std::nullopt;
  return content;
}

bool XlsxPackage::Replace(const std::string& entry, std::string content) {
  const zip_int64_t index = zip_name_locate(archive_, entry.c_str(), 0);
  if (index < 0) return false;
  const std::string& kept = replacements_.emplace_back(std::move(content));
  zip_source_t* source = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
  if (source == nullptr) return false;
  // The parts are written on every save: the fastest compression will do. The library
  // keeps its slowest level for a part replaced by one of the same method, so the new
  // part takes the old one's place as a new entry (at the end of the package).
  if (zip_delete(archive_, static_cast<zip_uint64_t>(index)) != 0) {
    zip_source_free(source);
    return false;
  }
  const zip_int64_t added = zip_file_add(archive_, entry.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (added < 0) {
    zip_source_free(source);
    return false;
  }
  return zip_set_file_compression(archive_, static_cast<zip_uint64_t>(added), ZIP_CM_DEFLATE, 1) == 0;
}

bool XlsxPackage::Put(const std::string& entry, std::string content) {
  if (Contains(entry)) return Replace(entry, std::move(content));
  const std::string& kept = replacements_.emplace_back(std::move(content));
  zip_source_t* source = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
  if (source == nullptr) return false;
  const zip_int64_t added = zip_file_add(archive_, entry.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (added < 0) {
    zip_source_free(source);
    return false;
  }
  return zip_set_file_compression(archive_, static_cast<zip_uint64_t>(added), ZIP_CM_DEFLATE, 1) == 0;
}

bool XlsxPackage::Save(std::string& detail) {
  if (zip_close(archive_) != 0) {
    detail = zip_strerror(archive_);
    // The system's error number behind the library's words, for the one place that words it.
    zip_error_t* error = zip_get_error(archive_);
    if (zip_error_system_type(error) == ZIP_ET_SYS) errno = zip_error_code_system(error);
    return false;
  }
  archive_ = nullptr;
  return true;
}

}  // namespace soatnoma::report_files
