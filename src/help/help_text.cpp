#include "help/help_text.h"

#include "report_sheet/school_year.h"
#include "roster_rules/roster_columns.h"

namespace soatnoma::help {
namespace {

HelpSection Form() {
  return {"Shakl",
          {"Familiya va ismni, maktab raqamini va fanni yozing, keyin har kungi dars soatini (Du ... Sh) kiriting: "
           "\"Ajratilgan dars soati\" o'zi qo'shiladi, uni to'g'ridan-to'g'ri ham yozish mumkin.",
           "\"Boshlangi'ch\" (stavka 18) yoki \"Yuqori\" (stavka 20) toifani tanlang, sinf rahbari bo'lsangiz "
           "\"Sinf rahbarligi\"ni belgilang va \"Bajar!\" tugmasini yoki haftalik soat katagida Enter ni bosing: "
           "hisobot chop etiladigan ko'rinishda ochiladi."}};
}

HelpSection SchoolYear() {
  return {std::string(report_sheet::kSchoolYearCaption),
          {"Hisobot qaysi o'quv yili uchun ekanini \"" + std::string(report_sheet::kSchoolYearCaption) +
               "\" tanlovi belgilaydi. Tanlanmagan bo'lsa, bugungi sananing yili va keyingisi olinadi (masalan, "
               "2027-yil fevralida " +
               report_sheet::SchoolYearText(2027) + "); oldingi va keyingi o'quv yilini ham tanlash mumkin.",
           "Tanlangan yil hisobot sarlavhasida, fayl nomida va \"Jami\" varag'ida yoziladi va keyingi safar ham "
           "eslab qolinadi. Qayta ochilgan hisobot o'zi tuzilgan yilni saqlaydi."}};
}

HelpSection Corrections() {
  return {"Tuzatishlar",
          {"Soatni o'zgartirish uchun katakni tanlab sonni yozing (yoki Enter, F2 yoki ikki marta bosing); "
           "\"12\", \"2,5\" va \"2.5\" qabul qilinadi, Delete katakni bo'shatadi. Barcha jamilar darhol qayta "
           "hisoblanadi.",
           "Tuzatilgan katak sariq bo'ladi, uning izohida dastur hisoblagan soat ko'rinadi. Kasr son, manfiy son "
           "yoki hisoblanganidan farq qiladigan yillik jami qizil burchak bilan belgilanadi.",
           "\"Hisoblanganga qaytarish\" tanlangan katakni yoki butun hisobotni qaytaradi; Ctrl+Z bekor qiladi, "
           "Ctrl+Y qaytaradi.",
           "Katak soati qanday hisoblanganini uning izohi va F1 ko'rsatadi (telefonda katakni bosib turing yoki "
           "\"?\" ni bosing): me'yor haftalik soatga ko'paytirilib stavkaga bo'linadi, kasri keyingi katakka "
           "o'tadi, kerak bo'lsa tuzatish qo'shiladi. \"Hisoblangani\" butun hisobotni yaxlitlashdan oldingi "
           "kasrli soatlari bilan ko'rsatadi. Bular chop etilmaydi va saqlanmaydi."}};
}

HelpSection SavingAndPrinting() {
  return {"Saqlash va chop etish",
          {"\"Excel kitobi\" hisobotni .xlsx kitob qilib saqlaydi; \"Chop etish\" va PDF uni A4 albom varaqqa "
           "chiqaradi. Belgilar faqat ekranda ko'rinadi.",
           "Tekshiriladigan kataklar bo'lsa, saqlash va chop etishdan oldin dastur ularni nomlab bir marta so'raydi.",
           "Saqlangan kitobni \"Ochish\" bilan qayta ochib, tuzatishlarni davom ettirish mumkin. Saqlanmagan hisobot "
           "nusxasi saqlab turiladi va keyingi ochilishda tiklash taklif qilinadi."}};
}

HelpSection StaffList() {
  return {std::string(kStaffListHeading),
          {"\"Ro'yxatdan\" maktab xodimlari ro'yxatini o'qiydi: CSV fayl (UTF-8 yoki Windows-1251; \",\", \";\" "
           "yoki tab bilan) yoki Excel kitobi (.xlsx, birinchi varaq). Har bir qatorda bitta o'qituvchi; har qator "
           "yonida uning holati yoki rad etilish sababi ko'rsatiladi.",
           "\"Namuna\" to'ldirish uchun tayyor ro'yxat beradi. Tayyor o'qituvchilar bitta Excel kitobiga (\"Jami\" "
           "varag'i va har biriga varaq) yoki chop etishga va PDF ga chiqadi: avval direktor imzolaydigan \"Jami\" "
           "sahifasi, keyin har bir o'qituvchining sahifasi."}};
}

HelpSection Columns() {
  HelpSection section{"Ro'yxat ustunlari",
                      {"Ustun nomlari qatori \"ism\" ustunini o'z ichiga olishi kerak; undan yuqoridagi sarlavha "
                       "qatorlari o'tkazib yuboriladi. Ustunlar istalgan tartibda, katta yoki kichik harf bilan "
                       "yozilishi mumkin."}};
  for (const roster_rules::RosterColumn& column : roster_rules::RosterColumns()) {
    section.paragraphs.push_back(std::string(column.names) + " - " + std::string(column.holds) +
                                 (column.required ? "" : " (majburiy emas)"));
  }
  return section;
}

}  // namespace

std::vector<HelpSection> HelpSections() {
  return {Form(), SchoolYear(), Corrections(), SavingAndPrinting(), StaffList(), Columns()};
}

}  // namespace soatnoma::help
