#include "screen_view/action_labels.h"

#include <array>

namespace soatnoma::screen_view {
namespace {

constexpr std::array<ActionLabel, 21> kLabels = {{
    {Action::Open, "open", "&Ochish", "Saqlangan hisobotni ochish"},
    {Action::Roster, "roster", "&Ro'yxatdan",
     "Maktab xodimlari ro'yxatidan (CSV yoki Excel) hamma o'qituvchining hisoboti"},
    {Action::Print, "print", "&Chop etish", {}},
    {Action::Undo, "undo", "Bekor qilish", {}},
    {Action::Redo, "redo", "Qaytarish", {}},
    {Action::ResetCell, "resetCell", "&Hisoblanganga qaytarish",
     "Tanlangan katakka dastur hisoblagan soatni qaytaradi"},
    {Action::ResetAll, "resetAll", "Hisoblanganga qaytarish (&butun hisobot)", {}},
    {Action::ZoomIn, "zoomIn", "&Kattalashtirish", {}},
    {Action::ZoomOut, "zoomOut", "Ki&chiklashtirish", {}},
    {Action::FitWidth, "fitWidth", "Sahifa &eniga", {}},
    {Action::Workbook, "workbook", "Excel kitobi", {}},
    {Action::StaffWorkbook, "staffWorkbook", "&Excel kitobi",
     "Tayyor o'qituvchilarning hisobotlari bitta kitobga: har biriga varaq va \"Jami\" varag'i"},
    {Action::BeforeRounding, "beforeRounding", "&Hisoblangani",
     "Butun hisobot yaxlitlashdan oldin: har katakda dastur hisoblagan kasrli soat"},
    {Action::Explain, "explain", "Hisob &tafsiloti", "Tanlangan katak soati qanday hisoblangani (F1)"},
    {Action::Close, "close", "Yopish", {}},
    {Action::Stop, "stop", "To'xtatish", {}},
    {Action::Help, "help", "&Yordam", {}},
    {Action::Share, "share", "Ulashish", "Hisobotning Excel kitobini telefondagi boshqa dasturga berish"},
    {Action::RosterChoose, "rosterChoose", "Ro'yxat faylini tanlash", {}},
    {Action::RosterExample, "rosterExample", "Namuna (Excel)",
     "To'ldirish uchun ro'yxat namunasi: Excel ish kitobi, ustunlar izohi bilan"},
    {Action::RosterExampleCsv, "rosterExampleCsv", "Namuna (CSV)",
     "To'ldirish uchun ro'yxat namunasi: CSV, Excel o'zbekcha sozlamalarida saqlagandek"},
}};

}  // namespace

std::span<const ActionLabel> ActionLabels() { return kLabels; }

const ActionLabel& LabelOf(Action action) {
  for (const ActionLabel& label : kLabels) {
    if (label.action == action) return label;
  }
  return kLabels.front();
}

std::string PlainText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;
    plain += text[at];
  }
  return plain;
}

}  // namespace soatnoma::screen_view
