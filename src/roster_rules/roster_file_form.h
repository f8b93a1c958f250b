#pragma once
// Which of the forms a school office keeps a staff list in a file's bytes are, told by its
// content rather than its name, and what is said of a file that cannot be read. The
// desktop and the browser say it in the same words.

#include <cstddef>
#include <string>
#include <string_view>

namespace soatnoma::roster_rules {

// A staff list is small; anything far larger (a wrong file, a device that never ends) is
// refused before it fills the memory.
inline constexpr std::size_t kMaxRosterBytes = 16 * 1024 * 1024;

enum class RosterFileForm {
  Text,         // a CSV or "Unicode text" file
  Workbook,     // a zip package: a workbook (.xlsx)
  OldWorkbook,  // a compound document: an old workbook (.xls) or one locked by a password
};

RosterFileForm FormOfRosterFile(std::string_view contents);

// The reasons, to follow "Ro'yxat o'qilmadi: "<file>" ".
// Said while a staff list is read, and when the office stops the reading.
inline constexpr std::string_view kRosterReadingText = "Ro'yxat o'qilmoqda...";
inline constexpr std::string_view kRosterStoppedText = "To'xtatildi, ro'yxat o'qilmadi.";
inline constexpr std::string_view kOldWorkbookReason =
    "eski Excel (.xls) kitobi yoki parol bilan himoyalangan; uni Excel ish kitobi (.xlsx) yoki CSV qilib saqlang.";
inline constexpr std::string_view kNotAWorkbookReason = "Excel ish kitobi (.xlsx) emas yoki u buzilgan.";
inline constexpr std::string_view kTooLargeReason = "ro'yxat uchun juda katta (16 MB dan ortiq).";
inline constexpr std::string_view kNotFoundReason = "fayli topilmadi.";
inline constexpr std::string_view kNoPermissionReason = "faylini o'qishga ruxsat yo'q.";
inline constexpr std::string_view kFolderReason = "fayl emas, papka.";
// A named pipe or a device: reading it would wait for data that may never come.
inline constexpr std::string_view kNotAPlainFileReason = "oddiy fayl emas.";
// A reading that failed for another reason, the system's words for it in brackets.
std::string CouldNotReadReason(std::string_view detail);

// "Ro'yxat o'qilmadi: "<file>" " followed by the reason.
std::string UnreadableRosterMessage(std::string_view file, std::string_view reason);

}  // namespace soatnoma::roster_rules
