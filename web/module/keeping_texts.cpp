#include "keeping_texts.h"

#include <string_view>

#include "json_writer.h"

namespace soatnoma::module {
namespace {

constexpr std::string_view kKeepFailed = "Hisobotni brauzer xotirasida saqlab bo'lmadi";
constexpr std::string_view kQuotaFull = "brauzer bu sahifaga ajratgan joy to'lgan";
constexpr std::string_view kSaveToFile =
    "Sahifa yopilsa, oxirgi tuzatishlar yo'qoladi: hisobotni hozir \"Excel kitobi\" bilan faylga saqlang.";

constexpr std::string_view kKeptApart =
    "Bu hisobot boshqa oynada ham ochilgan va o'sha yerda tuzatildi. Uning tuzatishlari ustidan yozilmadi: "
    "bu oynadagi tuzatishlar alohida hisobot bo'lib saqlanadi.";
constexpr std::string_view kPersistRefused =
    "Brauzer bu sahifaning xotirasini doimiy saqlashga ruxsat bermadi: joy tanqis bo'lsa, "
    "saqlanmagan hisobotlar o'chib ketishi mumkin. Hisobotni o'z vaqtida Excel kitobi qilib saqlang.";

// What a refusal of storage takes away, by what is refused: neither, entries, reports, both.
constexpr std::string_view kRefusedLosses[] = {
    "",
    "shakldagi yozuvlar keyingi safarga eslab qolinmaydi.",
    "hisobotlar brauzerda saqlanmaydi, sahifa yopilsa tuzatishlar yo'qoladi. Hisobotni \"Excel kitobi\" bilan "
    "faylga saqlang.",
    "hisobotlar brauzerda saqlanmaydi va shakldagi yozuvlar keyingi safarga eslab qolinmaydi. Sahifa yopilsa "
    "tuzatishlar yo'qoladi: hisobotni \"Excel kitobi\" bilan faylga saqlang.",
};
constexpr std::string_view kStorageRefused = "Brauzer bu sahifaga ma'lumot saqlashga ruxsat bermadi: ";

constexpr std::string_view kStaysKept = "hisobot brauzerda saqlanib turibdi";

}  // namespace

std::string SaveEndedText(const std::string& outcome, const std::string& fileName, bool kept) {
  if (outcome == "saved") return "Saqlandi: " + fileName;
  if (outcome == "downloaded") {
    // The browser may give the file another name ("... (1).xlsx" beside an earlier one), and
    // the page cannot know that it did, nor that the file appeared at all.
    const std::string handed = "\"" + fileName + "\" yuklab olishga berildi (brauzer boshqa nom berishi mumkin).";
    return kept ? handed + " Hisobot brauzerda ham saqlanib turadi." : handed;
  }
  const std::string cancelled("Saqlash bekor qilindi: fayl yozilmadi");
  return kept ? cancelled + ", " + std::string(kStaysKept) + "." : cancelled + ".";
}

std::string SaveFailedWords(bool kept) {
  return kept ? "Ish kitobini saqlab bo'lmadi, " + std::string(kStaysKept) + ":" : "Ish kitobini saqlab bo'lmadi:";
}

std::string KeepFailedText(bool quotaFull, const std::string& detail) {
  std::string text(kKeepFailed);
  const std::string reason = quotaFull ? std::string(kQuotaFull) : detail;
  if (!reason.empty()) text += ": " + reason;
  if (text.back() != '.') text += '.';
  return text + ' ' + std::string(kSaveToFile);
}

std::string KeepingWordsJson() {
  JsonWriter json;
  json.BeginObject().Key("keptApart").String(kKeptApart).Key("persistRefused").String(kPersistRefused).EndObject();
  return json.Text();
}

std::string StorageRefusedText(bool reportsRefused, bool entriesRefused) {
  const std::string_view loss = kRefusedLosses[(reportsRefused ? 2 : 0) + (entriesRefused ? 1 : 0)];
  return loss.empty() ? std::string() : std::string(kStorageRefused) + std::string(loss);
}

}  // namespace soatnoma::module
