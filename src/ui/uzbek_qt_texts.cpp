#include "ui/uzbek_qt_texts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace soatnoma::ui {
namespace {

struct QtText {
  std::string_view context;
  std::string_view source;
  std::string_view uzbek;
};

constexpr auto kTexts = std::to_array<QtText>({
    // Buttons of message boxes and dialogs.
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Bekor qilish"},
    {"QPlatformTheme", "Open", "Ochish"},
    {"QPlatformTheme", "Save", "Saqlash"},
    {"QPlatformTheme", "Discard", "Saqlamaslik"},
    {"QPlatformTheme", "Close", "Yopish"},
    {"QPlatformTheme", "Apply", "Qo'llash"},
    {"QPlatformTheme", "Help", "Yordam"},
    {"QPlatformTheme", "&Yes", "&Ha"},
    {"QPlatformTheme", "&No", "&Yo'q"},
    {"QPlatformTheme", "Yes", "Ha"},
    {"QPlatformTheme", "No", "Yo'q"},

    // The context menu of the text boxes.
    {"QLineEdit", "&Undo", "&Bekor qilish"},
    {"QLineEdit", "&Redo", "&Qaytarish"},
    {"QLineEdit", "Cu&t", "&Kesib olish"},
    {"QLineEdit", "&Copy", "&Nusxa olish"},
    {"QLineEdit", "&Paste", "&Qo'yish"},
    {"QLineEdit", "Delete", "O'chirish"},
    {"QLineEdit", "Select All", "Hammasini belgilash"},
    {"QWidgetTextControl", "&Undo", "&Bekor qilish"},
    {"QWidgetTextControl", "&Redo", "&Qaytarish"},
    {"QWidgetTextControl", "Cu&t", "&Kesib olish"},
    {"QWidgetTextControl", "&Copy", "&Nusxa olish"},
    {"QWidgetTextControl", "Copy &Link Location", "&Havola manzilini nusxalash"},
    {"QWidgetTextControl", "&Paste", "&Qo'yish"},
    {"QWidgetTextControl", "Delete", "O'chirish"},
    {"QWidgetTextControl", "Select All", "Hammasini belgilash"},

    // Undo and redo of the report window's corrections.
    {"QUndoStack", "Undo %1", "Bekor qilish: %1"},
    {"QUndoStack", "Undo", "Bekor qilish"},
    {"QUndoStack", "Redo %1", "Qaytarish: %1"},
    {"QUndoStack", "Redo", "Qaytarish"},

    // The context menu of the scroll bars (the help text, the report page).
    {"QScrollBar", "Scroll here", "Shu yerga"},
    {"QScrollBar", "Top", "Boshiga"},
    {"QScrollBar", "Bottom", "Oxiriga"},
    {"QScrollBar", "Page up", "Bir sahifa yuqoriga"},
    {"QScrollBar", "Page down", "Bir sahifa pastga"},
    {"QScrollBar", "Scroll up", "Yuqoriga"},
    {"QScrollBar", "Scroll down", "Pastga"},
    {"QScrollBar", "Left edge", "Chap chetiga"},
    {"QScrollBar", "Right edge", "O'ng chetiga"},
    {"QScrollBar", "Page left", "Bir sahifa chapga"},
    {"QScrollBar", "Page right", "Bir sahifa o'ngga"},
    {"QScrollBar", "Scroll left", "Chapga"},
    {"QScrollBar", "Scroll right", "O'ngga"},

    // The file dialog.
    {"QFileDialog", "Look in:", "Papka:"},
    {"QFileDialog", "Back", "Orqaga"},
    {"QFileDialog", "Go back", "Orqaga qaytish"},
    {"QFileDialog", "Forward", "Oldinga"},
    {"QFileDialog", "Go forward", "Oldinga o'tish"},
    {"QFileDialog", "Parent Directory", "Yuqori papka"},
    {"QFileDialog", "Go to the parent directory", "Yuqori papkaga o'tish"},
    {"QFileDialog", "Create New Folder", "Yangi papka yaratish"},
    {"QFileDialog", "Create a New Folder", "Yangi papka yaratish"},
    {"QFileDialog", "List View", "Ro'yxat"},
    {"QFileDialog", "Change to list view mode", "Ro'yxat ko'rinishiga o'tish"},
    {"QFileDialog", "Detail View", "Batafsil"},
    {"QFileDialog", "Change to detail view mode", "Batafsil ko'rinishga o'tish"},
    {"QFileDialog", "Sidebar", "Yon panel"},
    {"QFileDialog", "List of places and bookmarks", "Joylar va xatcho'plar"},
    {"QFileDialog", "Files", "Fayllar"},
    {"QFileDialog", "Files of type:", "Fayl turi:"},
    {"QFileDialog", "Open", "Ochish"},
    {"QFileDialog", "File &name:", "Fayl &nomi:"},
    {"QFileDialog", "&Open", "&Ochish"},
    {"QFileDialog", "&Save", "&Saqlash"},
    {"QFileDialog", "Save As", "Saqlash"},
    {"QFileDialog", "All Files (*)", "Barcha fayllar (*)"},
    {"QFileDialog", "Show ", "Ko'rsatish: "},
    {"QFileDialog", "&Rename", "&Nomini o'zgartirish"},
    {"QFileDialog", "&Delete", "&O'chirish"},
    {"QFileDialog", "Show &hidden files", "&Yashirin fayllarni ko'rsatish"},
    {"QFileDialog", "&New Folder", "&Yangi papka"},
    {"QFileDialog", "New Folder", "Yangi papka"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 allaqachon bor.\nUning o'rniga yozilsinmi?"},
    {"QFileSystemModel", "Computer", "Kompyuter"},
    {"QFileSystemModel", "Name", "Nomi"},
    {"QFileSystemModel", "Size", "Hajmi"},
    {"QFileSystemModel", "Type", "Turi"},
    {"QFileSystemModel", "Date Modified", "O'zgartirilgan"},
    {"QAbstractFileIconProvider", "Drive", "Disk"},
    {"QAbstractFileIconProvider", "Folder", "Papka"},
    {"QAbstractFileIconProvider", "File", "Fayl"},
    {"QAbstractFileIconProvider", "%1 File", "%1 fayl"},

    // The print preview.
    {"QPrintPreviewDialog", "Print Preview", "Chop etishdan oldin ko'rish"},
    {"QPrintPreviewDialog", "Next page", "Keyingi sahifa"},
    {"QPrintPreviewDialog", "Previous page", "Oldingi sahifa"},
    {"QPrintPreviewDialog", "First page", "Birinchi sahifa"},
    {"QPrintPreviewDialog", "Last page", "Oxirgi sahifa"},
    {"QPrintPreviewDialog", "Fit width", "Kenglik bo'yicha"},
    {"QPrintPreviewDialog", "Fit page", "Butun sahifa"},
    {"QPrintPreviewDialog", "Zoom in", "Kattalashtirish"},
    {"QPrintPreviewDialog", "Zoom out", "Kichiklashtirish"},
    {"QPrintPreviewDialog", "Portrait", "Tik"},
    {"QPrintPreviewDialog", "Landscape", "Yotiq"},
    {"QPrintPreviewDialog", "Show single page", "Bitta sahifa"},
    {"QPrintPreviewDialog", "Show facing pages", "Yonma-yon sahifalar"},
    {"QPrintPreviewDialog", "Show overview of all pages", "Barcha sahifalar"},
    {"QPrintPreviewDialog", "Print", "Chop etish"},
    {"QPrintPreviewDialog", "Page setup", "Sahifa sozlamalari"},
    {"QPrintPreviewDialog", "Page Setup", "Sahifa sozlamalari"},
    {"QPrintPreviewDialog", "Export to PDF", "PDF ga eksport"},

    // The print dialog.
    {"QPrintDialog", "Print", "Chop etish"},
    {"QPrintDialog", "&Print", "&Chop etish"},
    {"QPrintDialog", "&Options >>", "&Sozlamalar >>"},
    {"QPrintDialog", "&Options <<", "&Sozlamalar <<"},
    {"QPrintDialog", "All Pages", "Barcha sahifalar"},
    {"QPrintDialog", "Odd Pages", "Toq sahifalar"},
    {"QPrintDialog", "Even Pages", "Juft sahifalar"},
    {"QPrintDialog", "Print to File (PDF)", "Faylga chop etish (PDF)"},
    {"QPrintDialog", "Local file", "Kompyuterdagi fayl"},
    {"QPrintDialog", "Write PDF file", "PDF fayl yozish"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Chapdan o'ngga, yuqoridan pastga"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Chapdan o'ngga, pastdan yuqoriga"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "O'ngdan chapga, pastdan yuqoriga"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "O'ngdan chapga, yuqoridan pastga"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Pastdan yuqoriga, chapdan o'ngga"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Pastdan yuqoriga, o'ngdan chapga"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Yuqoridan pastga, chapdan o'ngga"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Yuqoridan pastga, o'ngdan chapga"},
    {"QPrintWidget", "Printer", "Printer"},
    {"QPrintWidget", "&Name:", "&Nomi:"},
    {"QPrintWidget", "P&roperties", "&Xossalari"},
    {"QPrintWidget", "Location:", "Joyi:"},
    {"QPrintWidget", "Preview", "Ko'rish"},
    {"QPrintWidget", "Type:", "Turi:"},
    {"QPrintWidget", "Output &file:", "Natija &fayli:"},
    {"QPrintSettingsOutput", "Print range", "Chop etish oralig'i"},
    {"QPrintSettingsOutput", "Print all", "Hammasi"},
    {"QPrintSettingsOutput", "Pages from", "Sahifalar:"},
    {"QPrintSettingsOutput", "to", "dan"},
    {"QPrintSettingsOutput", "Pages", "Sahifalar"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: "
     "3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Sahifalarni yoki oraliqlarni vergul bilan ajratib yozing. Oraliq chiziqcha bilan ajratilgan ikki son bilan "
     "beriladi. Masalan: 3,5-7,9 3, 5, 6, 7 va 9-sahifalarni chop etadi."},
    {"QPrintSettingsOutput", "Current Page", "Joriy sahifa"},
    {"QPrintSettingsOutput", "Selection", "Belgilangan qism"},
    {"QPrintSettingsOutput", "Page Set:", "Sahifalar:"},
    {"QPrintSettingsOutput", "Output Settings", "Chiqarish sozlamalari"},
    {"QPrintSettingsOutput", "Copies:", "Nusxalar soni:"},
    {"QPrintSettingsOutput", "Collate", "Nusxalab terish"},
    {"QPrintSettingsOutput", "Reverse", "Teskari tartibda"},
    {"QPrintSettingsOutput", "Copies", "Nusxalar"},
    {"QPrintSettingsOutput", "Color Mode", "Rang"},
    {"QPrintSettingsOutput", "Color", "Rangli"},
    {"QPrintSettingsOutput", "Grayscale", "Kulrang"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Ikki tomonlama chop etish"},
    {"QPrintSettingsOutput", "Off", "Yo'q"},
    {"QPrintSettingsOutput", "Long side binding", "Uzun tomondan"},
    {"QPrintSettingsOutput", "Short side binding", "Qisqa tomondan"},
    {"QPrintSettingsOutput", "Options", "Sozlamalar"},
    {"QPageSetupWidget", "Paper", "Qog'oz"},
    {"QPageSetupWidget", "Page size:", "Sahifa o'lchami:"},
    {"QPageSetupWidget", "Width:", "Eni:"},
    {"QPageSetupWidget", "Height:", "Bo'yi:"},
    {"QPageSetupWidget", "Paper source:", "Qog'oz manbai:"},
    {"QPageSetupWidget", "Orientation", "Joylashuv"},
    {"QPageSetupWidget", "Portrait", "Tik"},
    {"QPageSetupWidget", "Landscape", "Yotiq"},
    {"QPageSetupWidget", "Reverse landscape", "Teskari yotiq"},
    {"QPageSetupWidget", "Reverse portrait", "Teskari tik"},
    {"QPageSetupWidget", "Margins", "Chetlar"},
    {"QPageSetupWidget", "top margin", "yuqori chet"},
    {"QPageSetupWidget", "left margin", "chap chet"},
    {"QPageSetupWidget", "right margin", "o'ng chet"},
    {"QPageSetupWidget", "bottom margin", "pastki chet"},
    {"QPageSetupWidget", "Page Layout", "Sahifa tuzilishi"},
    {"QPageSetupWidget", "Page order:", "Sahifalar tartibi:"},
    {"QPageSetupWidget", "Pages per sheet:", "Varaqdagi sahifalar:"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimetr (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Dyuym (in)"},
    {"QPageSetupWidget", "Points (pt)", "Punkt (pt)"},
    {"QPageSetupWidget", "Custom", "Boshqa"},
    {"QTabBar", "Scroll Left", "Chapga"},
    {"QTabBar", "Scroll Right", "O'ngga"},
});

}  // namespace

QString UzbekQtTexts::translate(const char* context, const char* sourceText, const char*, int) const {
  if (!context || !sourceText) return {};
  const std::string_view wantedContext(context);
  const std::string_view wantedSource(sourceText);
  const auto* found = std::find_if(kTexts.begin(), kTexts.end(), [&](const QtText& text) {
    return text.context == wantedContext && text.source == wantedSource;
  });
  if (found == kTexts.end()) return {};
  return QString::fromUtf8(found->uzbek.data(), static_cast<qsizetype>(found->uzbek.size()));
}

}  // namespace soatnoma::ui
