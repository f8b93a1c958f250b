#include "page_words.h"

#include "json_writer.h"
#include "screen_view/file_kinds.h"

namespace soatnoma::module {

std::string PageWordsJson() {
  JsonWriter json;
  json.BeginObject();
  json.Key("startFailed").String("Sahifani ishga tushirib bo'lmadi:");
  json.Key("workFailed").String("Ish bajarilmadi:");
  json.Key("shareFailed").String("Ulashib bo'lmadi:");
  json.Key("noStorage").String("brauzer xotirasi yo'q");
  json.Key("olderPageOpen").String("sahifaning eski nusxasi boshqa oynada ochiq");
  json.Key("recordUnreadable").String("yozuvini o'qib bo'lmadi:");
  json.Key("downloaded").String("yuklab olishga berilgan");
  json.Key("damaged").String("buzilgan");
  json.Key("workbookKind").String(screen_view::kWorkbookKind);
  json.EndObject();
  return json.Text();
}

std::string SharedText(const std::string& fileName) { return "\"" + fileName + "\" ulashildi."; }

}  // namespace soatnoma::module
