#include "desktop/school_year_choice.h"

#include <algorithm>

#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QSettings>

#include "report_sheet/school_year.h"

namespace soatnoma::desktop {
namespace {

const QString kKey = QStringLiteral("oquv_yili/yil");

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString YearText(int year) { return QString::fromStdString(report_sheet::SchoolYearText(year)); }

// A year in the menu, its letter the last digit of its first year ("202&6/2027"): the three
// years offered differ in it.
QString MenuItemText(int year) {
  QString text = YearText(year);
  const qsizetype slash = text.indexOf(QLatin1Char('/'));
  if (slash > 0) text.insert(slash - 1, QLatin1Char('&'));
  return text;
}

QString MenuTitle(int year) {
  return QStringLiteral("&%1: %2").arg(Text(report_sheet::kSchoolYearCaption), YearText(year));
}

// The menu's items, made anew each time it opens: the years offered change with the date.
void FillMenu(QMenu& menu, SchoolYearChoice& choice) {
  menu.clear();
  auto* group = new QActionGroup(&menu);
  for (const int year : choice.Offered()) {
    QAction* item = menu.addAction(MenuItemText(year));
    item->setObjectName(QStringLiteral("schoolYear%1").arg(year));
    item->setCheckable(true);
    item->setChecked(year == choice.Year());
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, &choice, [&choice, year] { choice.Choose(year); });
  }
}

}  // namespace

SchoolYearChoice::SchoolYearChoice(std::function<QDate()> today, QString settingsFile, QObject* parent)
    : QObject(parent), today_(std::move(today)), settingsFile_(std::move(settingsFile)) {
  setObjectName(QStringLiteral("schoolYearChoice"));
  if (!settingsFile_.isEmpty()) {
    const QString kept = QSettings(settingsFile_, QSettings::IniFormat).value(kKey).toString();
    kept_ = report_sheet::ReadKeptSchoolYear(kept.toStdString());
  }
}

int SchoolYearChoice::Year() const { return report_sheet::ChosenSchoolYear(today_().year(), kept_); }

std::vector<int> SchoolYearChoice::Offered() const { return report_sheet::OfferedSchoolYears(today_().year()); }

void SchoolYearChoice::Choose(int year) {
  const std::vector<int> offered = Offered();
  if (std::find(offered.begin(), offered.end(), year) == offered.end()) return;
  const bool changed = year != Year();
  kept_ = year;
  if (!settingsFile_.isEmpty()) QSettings(settingsFile_, QSettings::IniFormat).setValue(kKey, year);
  if (changed) emit chosen(year);
}

QMenu* SchoolYearMenu(SchoolYearChoice& choice, QWidget* parent) {
  auto* menu = new QMenu(MenuTitle(choice.Year()), parent);
  menu->setObjectName(QStringLiteral("schoolYearMenu"));
  menu->setToolTipsVisible(true);
  menu->menuAction()->setToolTip(Text(report_sheet::kSchoolYearHint));
  FillMenu(*menu, choice);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &choice] { FillMenu(*menu, choice); });
  QObject::connect(&choice, &SchoolYearChoice::chosen, menu, [menu](int year) { menu->setTitle(MenuTitle(year)); });
  return menu;
}

QComboBox* SchoolYearBox(SchoolYearChoice& choice, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("schoolYear"));
  box->setToolTip(Text(report_sheet::kSchoolYearHint));
  for (const int year : choice.Offered()) box->addItem(YearText(year), year);
  box->setCurrentIndex(box->findData(choice.Year()));
  QObject::connect(box, &QComboBox::activated, &choice,
                   [box, &choice](int index) { choice.Choose(box->itemData(index).toInt()); });
  QObject::connect(&choice, &SchoolYearChoice::chosen, box,
                   [box](int year) { box->setCurrentIndex(box->findData(year)); });
  return box;
}

}  // namespace soatnoma::desktop
