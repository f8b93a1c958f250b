#include "desktop/uzbek_qt_texts.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

namespace soatnoma::desktop {
namespace {

struct Translation {
  std::string_view source;
  std::string_view uzbek;
};

// The texts of one of Qt's own classes, named as Qt asks for them.
struct ClassTexts {
  std::string_view context;
  std::span<const Translation> texts;
};

// Buttons of message boxes and dialogs.
constexpr Translation kPlatformTheme[] = {
    {"OK", "OK"},
    {"Cancel", "Bekor qilish"},
    {"Open", "Ochish"},
    {"Save", "Saqlash"},
    {"Discard", "Saqlamaslik"},
    {"Close", "Yopish"},
    {"Apply", "Qo'llash"},
    {"Help", "Yordam"},
    {"&Yes", "&Ha"},
    {"&No", "&Yo'q"},
    {"Yes", "Ha"},
    {"No", "Yo'q"},
};

// The context menu of the text boxes.
constexpr Translation kLineEdit[] = {
    {"&Undo", "&Bekor qilish"},
    {"&Redo", "&Qaytarish"},
    {"Cu&t", "&Kesib olish"},
    {"&Copy", "&Nusxa olish"},
    {"&Paste", "&Qo'yish"},
    {"Delete", "O'chirish"},
    {"Select All", "Hammasini belgilash"},
};

// The context menu of the boxes of several lines and of the help text.
constexpr Translation kWidgetTextControl[] = {
    {"&Undo", "&Bekor qilish"},
    {"&Redo", "&Qaytarish"},
    {"Cu&t", "&Kesib olish"},
    {"&Copy", "&Nusxa olish"},
    {"Copy &Link Location", "&Havola manzilini nusxalash"},
    {"&Paste", "&Qo'yish"},
    {"Delete", "O'chirish"},
    {"Select All", "Hammasini belgilash"},
};

// Undo and redo of the report window's corrections.
constexpr Translation kUndoStack[] = {
    {"Undo %1", "Bekor qilish: %1"},
    {"Undo", "Bekor qilish"},
    {"Redo %1", "Qaytarish: %1"},
    {"Redo", "Qaytarish"},
};

// The context menu of the scroll bars (the help text, the report page).
constexpr Translation kScrollBar[] = {
    {"Scroll here", "Shu yerga"},
    {"Top", "Boshiga"},
    {"Bottom", "Oxiriga"},
    {"Page up", "Bir sahifa yuqoriga"},
    {"Page down", "Bir sahifa pastga"},
    {"Scroll up", "Yuqoriga"},
    {"Scroll down", "Pastga"},
    {"Left edge", "Chap chetiga"},
    {"Right edge", "O'ng chetiga"},
    {"Page left", "Bir sahifa chapga"},
    {"Page right", "Bir sahifa o'ngga"},
    {"Scroll left", "Chapga"},
    {"Scroll right", "O'ngga"},
};

// The file dialog.
constexpr Translation kFileDialog[] = {
    {"Look in:", "Papka:"},
    {"Back", "Orqaga"},
    {"Go back", "Orqaga qaytish"},
    {"Forward", "Oldinga"},
    {"Go forward", "Oldinga o'tish"},
    {"Parent Directory", "Yuqori papka"},
    {"Go to the parent directory", "Yuqori papkaga o'tish"},
    {"Create New Folder", "Yangi papka yaratish"},
    {"Create a New Folder", "Yangi papka yaratish"},
    {"List View", "Ro'yxat"},
    {"Change to list view mode", "Ro'yxat ko'rinishiga o'tish"},
    {"Detail View", "Batafsil"},
    {"Change to detail view mode", "Batafsil ko'rinishga o'tish"},
    {"Sidebar", "Yon panel"},
    {"List of places and bookmarks", "Joylar va xatcho'plar"},
    {"Files", "Fayllar"},
    {"Files of type:", "Fayl turi:"},
    {"Open", "Ochish"},
    {"File &name:", "Fayl &nomi:"},
    {"&Open", "&Ochish"},
    {"&Save", "&Saqlash"},
    {"Save As", "Saqlash"},
    {"All Files (*)", "Barcha fayllar (*)"},
    {"Show ", "Ko'rsatish: "},
    {"&Rename", "&Nomini o'zgartirish"},
    {"&Delete", "&O'chirish"},
    {"Show &hidden files", "&Yashirin fayllarni ko'rsatish"},
    {"&New Folder", "&Yangi papka"},
    {"New Folder", "Yangi papka"},
    {"%1 already exists.\nDo you want to replace it?", "%1 allaqachon bor.\nUning o'rniga yozilsinmi?"},
};

// The file dialog's columns, sizes and kinds of entry.
constexpr Translation kFileSystemModel[] = {
    {"Computer", "Kompyuter"},           {"Name", "Nomi"}, {"Size", "Hajmi"}, {"Type", "Turi"},
    {"Date Modified", "O'zgartirilgan"},
};

constexpr Translation kLocale[] = {
    {"%n byte(s)", "%n bayt"},
};

constexpr Translation kAbstractFileIconProvider[] = {
    {"Drive", "Disk"},
    {"Folder", "Papka"},
    {"File", "Fayl"},
    {"%1 File", "%1 fayl"},
};

// The print preview.
constexpr Translation kPrintPreviewDialog[] = {
    {"Print Preview", "Chop etishdan oldin ko'rish"},
    {"Next page", "Keyingi sahifa"},
    {"Previous page", "Oldingi sahifa"},
    {"First page", "Birinchi sahifa"},
    {"Last page", "Oxirgi sahifa"},
    {"Fit width", "Kenglik bo'yicha"},
    {"Fit page", "Butun sahifa"},
    {"Zoom in", "Kattalashtirish"},
    {"Zoom out", "Kichiklashtirish"},
    {"Portrait", "Tik"},
    {"Landscape", "Yotiq"},
    {"Show single page", "Bitta sahifa"},
    {"Show facing pages", "Yonma-yon sahifalar"},
    {"Show overview of all pages", "Barcha sahifalar"},
    {"Print", "Chop etish"},
    {"Page setup", "Sahifa sozlamalari"},
    {"Page Setup", "Sahifa sozlamalari"},
    {"Export to PDF", "PDF ga eksport"},
};

// The print dialog, and what it says when a choice cannot be taken.
constexpr Translation kPrintDialog[] = {
    {"Print", "Chop etish"},
    {"&Print", "&Chop etish"},
    {"&Options >>", "&Sozlamalar >>"},
    {"&Options <<", "&Sozlamalar <<"},
    {"All Pages", "Barcha sahifalar"},
    {"Odd Pages", "Toq sahifalar"},
    {"Even Pages", "Juft sahifalar"},
    {"Print to File (PDF)", "Faylga chop etish (PDF)"},
    {"Local file", "Kompyuterdagi fayl"},
    {"Write PDF file", "PDF fayl yozish"},
    {"Left to Right, Top to Bottom", "Chapdan o'ngga, yuqoridan pastga"},
    {"Left to Right, Bottom to Top", "Chapdan o'ngga, pastdan yuqoriga"},
    {"Right to Left, Bottom to Top", "O'ngdan chapga, pastdan yuqoriga"},
    {"Right to Left, Top to Bottom", "O'ngdan chapga, yuqoridan pastga"},
    {"Bottom to Top, Left to Right", "Pastdan yuqoriga, chapdan o'ngga"},
    {"Bottom to Top, Right to Left", "Pastdan yuqoriga, o'ngdan chapga"},
    {"Top to Bottom, Left to Right", "Yuqoridan pastga, chapdan o'ngga"},
    {"Top to Bottom, Right to Left", "Yuqoridan pastga, o'ngdan chapga"},
    {"%1 is a directory.\nPlease choose a different file name.", "%1 — papka.\nBoshqa fayl nomini tanlang."},
    {"File %1 is not writable.\nPlease choose a different file name.",
     "%1 fayliga yozib bo'lmaydi.\nBoshqa fayl nomini tanlang."},
    {"%1 already exists.\nDo you want to overwrite it?", "%1 allaqachon bor.\nUning o'rniga yozilsinmi?"},
    {"Print To File ...", "Faylga chop etish..."},
    {"Invalid Pages Definition", "Sahifalar noto'g'ri yozilgan"},
    {"%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and "
     "make sure ranges do not intersect with each other.",
     "%1 to'g'ri yozilmagan. Sahifa va oraliqlarni ',' bilan ajrating, oraliqni '-' bilan yozing; oraliqlar bir-birini "
     "qoplamasin."},
    {"Duplex Settings Conflicts", "Ikki tomonlama chop etish sozlamalari zid"},
    {"There are conflicts in duplex settings. Do you want to fix them?",
     "Ikki tomonlama chop etish sozlamalari bir-biriga zid. Tuzatasizmi?"},
    {"Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those "
     "options off.",
     "\"Varaqdagi sahifalar\" va \"Sahifalar\" birga tanlanmaydi.\nUlardan birini o'chiring."},
    {"There are conflicts in some options. Please fix them.", "Ba'zi sozlamalar bir-biriga zid. Ularni tuzating."},
};

// The print dialog's printer, output and page setup parts.
constexpr Translation kPrintWidget[] = {
    {"Printer", "Printer"}, {"&Name:", "&Nomi:"}, {"P&roperties", "&Xossalari"},       {"Location:", "Joyi:"},
    {"Preview", "Ko'rish"}, {"Type:", "Turi:"},   {"Output &file:", "Natija &fayli:"},
};

constexpr Translation kPrintSettingsOutput[] = {
    {"Print range", "Chop etish oralig'i"},
    {"Print all", "Hammasi"},
    {"Pages from", "Sahifalar:"},
    {"to", "dan"},
    {"Pages", "Sahifalar"},
    {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: "
     "3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Sahifalarni yoki oraliqlarni vergul bilan ajratib yozing. Oraliq chiziqcha bilan ajratilgan ikki son bilan "
     "beriladi. Masalan: 3,5-7,9 3, 5, 6, 7 va 9-sahifalarni chop etadi."},
    {"Current Page", "Joriy sahifa"},
    {"Selection", "Belgilangan qism"},
    {"Page Set:", "Sahifalar:"},
    {"Output Settings", "Chiqarish sozlamalari"},
    {"Copies:", "Nusxalar soni:"},
    {"Collate", "Nusxalab terish"},
    {"Reverse", "Teskari tartibda"},
    {"Copies", "Nusxalar"},
    {"Color Mode", "Rang"},
    {"Color", "Rangli"},
    {"Grayscale", "Kulrang"},
    {"Double Sided Printing", "Ikki tomonlama chop etish"},
    {"Off", "Yo'q"},
    {"Long side binding", "Uzun tomondan"},
    {"Short side binding", "Qisqa tomondan"},
    {"Options", "Sozlamalar"},
};

constexpr Translation kPageSetupWidget[] = {
    {"Paper", "Qog'oz"},
    {"Page size:", "Sahifa o'lchami:"},
    {"Width:", "Eni:"},
    {"Height:", "Bo'yi:"},
    {"Paper source:", "Qog'oz manbai:"},
    {"Orientation", "Joylashuv"},
    {"Portrait", "Tik"},
    {"Landscape", "Yotiq"},
    {"Reverse landscape", "Teskari yotiq"},
    {"Reverse portrait", "Teskari tik"},
    {"Margins", "Chetlar"},
    {"top margin", "yuqori chet"},
    {"left margin", "chap chet"},
    {"right margin", "o'ng chet"},
    {"bottom margin", "pastki chet"},
    {"Page Layout", "Sahifa tuzilishi"},
    {"Page order:", "Sahifalar tartibi:"},
    {"Pages per sheet:", "Varaqdagi sahifalar:"},
    {"Millimeters (mm)", "Millimetr (mm)"},
    {"Inches (in)", "Dyuym (in)"},
    {"Points (pt)", "Punkt (pt)"},
    {"Custom", "Boshqa"},
    {"Pica (P̸)", "Pika (P̸)"},
    {"Didot (DD)", "Didot (DD)"},
    {"Cicero (CC)", "Tsitsero (CC)"},
};

// The printer's own properties ("Xossalari").
constexpr Translation kPrintPropertiesDialog[] = {
    {"Printer Properties", "Printer xossalari"},
    {"Job Options", "Vazifa sozlamalari"},
    {"Page Setup Conflicts", "Sahifa sozlamalari bir-biriga zid"},
    {"There are conflicts in page setup options. Do you want to fix them?",
     "Sahifa sozlamalari bir-biriga zid. Tuzatasizmi?"},
    {"Advanced Option Conflicts", "Qo'shimcha sozlamalar bir-biriga zid"},
    {"There are conflicts in some advanced options. Do you want to fix them?",
     "Ba'zi qo'shimcha sozlamalar bir-biriga zid. Tuzatasizmi?"},
};

constexpr Translation kPrintPropertiesWidget[] = {
    {"Page", "Sahifa"},
    {"Advanced", "Qo'shimcha"},
    {"There are conflicts in some options. Please fix them.", "Ba'zi sozlamalar bir-biriga zid. Ularni tuzating."},
};

constexpr Translation kCupsJobWidget[] = {
    {"Job", "Vazifa"},
    {"Job Control", "Vazifani boshqarish"},
    {"Scheduled printing:", "Chop etish vaqti:"},
    {"Print Immediately", "Darhol chop etish"},
    {"Hold Indefinitely", "Muddatsiz kutish"},
    {"Day (06:00 to 17:59)", "Kunduzi (06:00 dan 17:59 gacha)"},
    {"Night (18:00 to 05:59)", "Kechasi (18:00 dan 05:59 gacha)"},
    {"Second Shift (16:00 to 23:59)", "Ikkinchi smena (16:00 dan 23:59 gacha)"},
    {"Third Shift (00:00 to 07:59)", "Uchinchi smena (00:00 dan 07:59 gacha)"},
    {"Weekend (Saturday to Sunday)", "Dam olish kunlari (shanba va yakshanba)"},
    {"Specific Time", "Belgilangan vaqtda"},
    {"Billing information:", "Hisob-kitob ma'lumoti:"},
    {"Job priority:", "Vazifa navbati:"},
    {"Banner Pages", "Sarvaraqlar"},
    {"Start:", "Boshida:"},
    {"End:", "Oxirida:"},
    {"Banner page at start", "Boshidagi sarvaraq"},
    {"Banner page at end", "Oxiridagi sarvaraq"},
    {"None", "Yo'q"},
    {"Standard", "Oddiy"},
    {"Unclassified", "Maxfiy emas"},
    {"Confidential", "Xizmat doirasida"},
    {"Classified", "Maxfiy"},
    {"Secret", "Sir"},
    {"Top Secret", "O'ta maxfiy"},
};

// The message box's details.
constexpr Translation kMessageBox[] = {
    {"Show Details...", "Batafsil..."},
    {"Hide Details...", "Batafsilni yashirish..."},
};

// The scroll buttons of a row of tabs.
constexpr Translation kTabBar[] = {
    {"Scroll Left", "Chapga"},
    {"Scroll Right", "O'ngga"},
};

constexpr ClassTexts kClasses[] = {
    {"QPlatformTheme", kPlatformTheme},
    {"QLineEdit", kLineEdit},
    {"QWidgetTextControl", kWidgetTextControl},
    {"QUndoStack", kUndoStack},
    {"QScrollBar", kScrollBar},
    {"QFileDialog", kFileDialog},
    {"QFileSystemModel", kFileSystemModel},
    {"QLocale", kLocale},
    {"QAbstractFileIconProvider", kAbstractFileIconProvider},
    {"QPrintPreviewDialog", kPrintPreviewDialog},
    {"QPrintDialog", kPrintDialog},
    {"QPrintWidget", kPrintWidget},
    {"QPrintSettingsOutput", kPrintSettingsOutput},
    {"QPageSetupWidget", kPageSetupWidget},
    {"QPrintPropertiesDialog", kPrintPropertiesDialog},
    {"QPrintPropertiesWidget", kPrintPropertiesWidget},
    {"QCupsJobWidget", kCupsJobWidget},
    {"QMessageBox", kMessageBox},
    {"QTabBar", kTabBar},
};

}  // namespace

QString UzbekQtTexts::translate(const char* context, const char* sourceText, const char*, int) const {
  if (!context || !sourceText) return {};
  const std::string_view wantedContext(context);
  const std::string_view wantedSource(sourceText);
  const auto* owner = std::find_if(std::begin(kClasses), std::end(kClasses),
                                   [&](const ClassTexts& texts) { return texts.context == wantedContext; });
  if (owner == std::end(kClasses)) return {};
  const auto found = std::find_if(owner->texts.begin(), owner->texts.end(),
                                  [&](const Translation& text) { return text.source == wantedSource; });
  if (found == owner->texts.end()) return {};
  return QString::fromUtf8(found->uzbek.data(), static_cast<qsizetype>(found->uzbek.size()));
}

}  // namespace soatnoma::desktop
