#include "cli_core/cli_commands.h"

#include "cli_core/exit_codes.h"
#include "cli_core/version.h"

namespace soatnoma::cli_core {

std::string UsageText() {
  return "Foydalanish:\n"
         "  soatnoma-cli table --category upper|primary --weekly TEXT [--rate TEXT] [--leader]\n"
         "                     [--before-rounding]\n"
         "  soatnoma-cli explain --category upper|primary --weekly TEXT [--rate TEXT] [--leader] CELL\n"
         "  soatnoma-cli report --category upper|primary --weekly TEXT [--rate TEXT] [--leader]\n"
         "                      [--name TEXT] [--school TEXT] [--subject TEXT] [--year YYYY] -o FILE\n"
         "  soatnoma-cli batch ROSTER.csv -o OUT [--year YYYY]\n"
         "  soatnoma-cli list BOOK.xlsx\n"
         "  soatnoma-cli pdf BOOK.xlsx -o OUT.pdf\n"
         "  soatnoma-cli --help | --version\n"
         "\n"
         "table   o'qituvchining yillik ish yuklamasi jadvalini (5-20 qatorlar, C-S ustunlar)\n"
         "        CSV ko'rinishida chiqaradi. TEXT oynadagi maydonga yozilgandek aynan\n"
         "        olinadi; stavka berilmasa yuqori sinflar uchun 20, boshlang'ich sinflar\n"
         "        uchun 18.\n"
         "explain jadvalning CELL katagi (C5:S20, masalan D8) soati qanday hisoblanganini\n"
         "        aytadi: me'yor haftalik soat va stavkaga ko'ra, oldingi katakdan olingan va\n"
         "        keyingisiga berilgan kasr, tuzatish va yaxlitlangan soat; yig'indida uning\n"
         "        kataklari.\n"
         "report  o'qituvchining shaklini FILE ga yozadi: .xlsx (formulalari tirik kitob) yoki\n"
         "        .pdf (bir sahifa, A4 albom). --year sarlavhadagi Y/Y+1 o'quv yilining Y\n"
         "        yili, 2000 dan 2100 gacha (berilmasa joriy yil); matnlar berilganidek\n"
         "        olinadi.\n"
         "batch   ro'yxatdagi (CSV: ism, maktab, fan, toifa, soat, stavka, rahbar, du..sh)\n"
         "        har bir o'qituvchini OUT ga yozadi: .xlsx (har o'qituvchiga bir varaq va\n"
         "        \"Jami\" varag'i) yoki .pdf (har o'qituvchiga bir sahifa). Rad etilgan\n"
         "        qatorlar stderr'ga \"qator N: ...\" ko'rinishida yoziladi va tashlab ketiladi.\n"
         "list    xodimlar kitobining o'qituvchilari, har biri bir qatorda: varaq, ism va\n"
         "        \"Jami\" saqlagan yillik soat, oralarida tab; ochib bo'lmaydigan qatorda\n"
         "        soat bo'sh, sababi to'rtinchi maydonda.\n"
         "pdf     Soatnoma yozgan hisobot yoki xodimlar kitobini saqlanganidek, tuzatishlari\n"
         "        bilan OUT.pdf ga yozadi: xodimlar kitobida avval \"Jami\", so'ng har bir\n"
         "        o'qituvchining sahifasi.\n"
         "\n"
         "Chiqish holati: 0 bajarildi, 1 ro'yxatning ba'zi qatorlari tashlab ketildi,\n"
         "2 ma'lumot rad etildi (batch: birorta ham qator tayyorlanmadi, hech narsa\n"
         "yozilmadi; list, pdf: kitob o'qilmadi; sababi stderr'da), 3 fayl yozilmadi,\n"
         "64 buyruq satri noto'g'ri,\n"
         "130 batch Ctrl+C bilan to'xtatildi (hech narsa yozilmadi).\n";
}

int RunCommands(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                std::span<const Command> commands) {
  if (args.empty()) {
    err << UsageText();
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << UsageText();
    return kExitOk;
  }
  if (first == "--version") {
    out << "soatnoma-cli " << SOATNOMA_VERSION << "\n";
    return kExitOk;
  }
  for (const Command& command : commands) {
    if (command.name == first) {
      const auto rest = args.subspan(1);
      if (!rest.empty() && (rest.front() == "--help" || rest.front() == "-h")) {
        out << UsageText();
        return kExitOk;
      }
      return command.run(rest, out, err);
    }
  }
  err << kMessageStart << "noma'lum buyruq: " << first << "\n" << UsageText();
  return kExitUsage;
}

}  // namespace soatnoma::cli_core
