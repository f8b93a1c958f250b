#include "desktop/roster_dialog.h"

#include <algorithm>

#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "staff_files/example_roster.h"
#include "roster_rules/roster_overwrite.h"
#include "staff_files/roster_source.h"
#include "staff_files/staff_document.h"
#include "staff_book/staff_book.h"
#include "model/number_text.h"
#include "report_sheet/school_year.h"
#include "desktop/help_window.h"
#include "help/help_text.h"
#include "desktop/school_year_choice.h"
#include "staff_book/staff_work_texts.h"
#include "roster_rules/roster_table.h"
#include "desktop/action_texts.h"
#include "desktop/file_dialog_texts.h"
#include "desktop/staff_export_progress.h"

namespace soatnoma::desktop {
namespace {

const QColor kRefusedColour(0xA0, 0x10, 0x10);

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A cell of the column: numbers to the right.
QTableWidgetItem* ColumnCell(std::size_t column, const std::string& text) {
  return roster_rules::IsNumberColumn(column) ? Cell(Utf8(text), Qt::AlignRight | Qt::AlignVCenter) : Cell(Utf8(text));
}

struct FormatTexts {
  QString suffix;
  QString title;
  QString filter;
};

FormatTexts TextsOf(staff_files::StaffFileFormat format) {
  if (format == staff_files::StaffFileFormat::Pdf) {
    return {QStringLiteral("pdf"), QStringLiteral("Hisobotlarni PDF qilib saqlash"), PdfFilter()};
  }
  return {QStringLiteral("xlsx"), QStringLiteral("Xodimlar kitobini saqlash"), WorkbookFilter()};
}

// The table of the list's rows: a row a teacher, the reason of a refused row wrapping
// onto more lines of its row instead of ending in "...".
QTableWidget* NewRosterTable(QWidget* parent) {
  auto* rows = new QTableWidget(0, roster_rules::kRosterColumnCount, parent);
  rows->setObjectName(QStringLiteral("rosterRows"));
  rows->setAccessibleName(QStringLiteral("Ro'yxatdagi o'qituvchilar"));
  for (std::size_t column = 0; column < roster_rules::kRosterColumnCount; ++column) {
    auto* heading = new QTableWidgetItem(Utf8(roster_rules::kRosterColumns[column].heading));
    heading->setToolTip(Utf8(roster_rules::kRosterColumns[column].toolTip));
    rows->setHorizontalHeaderItem(static_cast<int>(column), heading);
  }
  rows->verticalHeader()->hide();
  rows->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows->setWordWrap(true);
  rows->setTextElideMode(Qt::ElideNone);
  rows->horizontalHeader()->setSectionResizeMode(roster_rules::kStatusColumn, QHeaderView::Stretch);
  rows->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return rows;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, const QString& toolTip) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  if (!toolTip.isEmpty()) button->setToolTip(toolTip);
  return button;
}

}  // namespace

RosterDialog::RosterDialog(FormServices services, SchoolYearChoice& schoolYear, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), schoolYear_(schoolYear) {
  setObjectName(QStringLiteral("rosterDialog"));
  setWindowTitle(QStringLiteral("Ro'yxatdan hisobot"));
  resize(760, 420);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("rosterSummary"));
  summary_->setWordWrap(true);
  rows_ = NewRosterTable(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(rows_);
  layout->addLayout(MakeButtons());
  ShowRows({});
}

QHBoxLayout* RosterDialog::MakeButtons() {
  QPushButton* chooseRoster = NewButton(this, "chooseRoster", QStringLiteral("&Boshqa ro'yxat..."),
                                        QStringLiteral("Boshqa ro'yxat faylini (CSV yoki Excel) ochish"));
  QPushButton* saveExample = NewButton(
      this, "saveExampleRoster", QStringLiteral("&Namuna..."),
      QStringLiteral("Ro'yxat namunasini (Excel ish kitobi yoki CSV) saqlash: uni to'ldirib, shu yerda oching"));
  saveWorkbook_ =
      NewButton(this, "saveStaffWorkbook", ActionText(screen_view::Action::StaffWorkbook, QStringLiteral("...")),
                ActionToolTip(screen_view::Action::StaffWorkbook));
  savePdf_ = NewButton(this, "saveStaffPdf", QStringLiteral("&PDF..."),
                       QStringLiteral("Tayyor o'qituvchilarning hisobotlari bitta PDF ga: har biriga sahifa"));
  QPushButton* help = NewButton(this, "rosterHelp", ActionText(screen_view::Action::Help),
                                QStringLiteral("Ro'yxat qanday tuziladi va qaysi ustunlar kerak"));
  QPushButton* close = NewButton(this, "closeRoster", QStringLiteral("Yop&ish"), QString());
  saveWorkbook_->setDefault(true);

  connect(chooseRoster, &QPushButton::clicked, this, &RosterDialog::ChooseRoster);
  connect(saveExample, &QPushButton::clicked, this, &RosterDialog::SaveExample);
  connect(saveWorkbook_, &QPushButton::clicked, this, [this] { SaveStaff(staff_files::StaffFileFormat::Xlsx); });
  connect(savePdf_, &QPushButton::clicked, this, [this] { SaveStaff(staff_files::StaffFileFormat::Pdf); });
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(*this, help::kStaffListHeading); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* yearLabel =
      new QLabel(QStringLiteral("&") + Utf8(report_sheet::kSchoolYearCaption) + QStringLiteral(":"), this);
  QComboBox* year = SchoolYearBox(schoolYear_, this);
  yearLabel->setBuddy(year);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chooseRoster);
  buttons->addWidget(saveExample);
  buttons->addStretch();
  for (QWidget* each : std::initializer_list<QWidget*>{yearLabel, year, saveWorkbook_, savePdf_, help, close}) {
    buttons->addWidget(each);
  }
  return buttons;
}

bool RosterDialog::OpenRosterFile(const QString& path) {
  const staff_files::LoadedRoster loaded = staff_files::LoadRoster(path.toStdString());
  if (!loaded.ok) {
    services_.showMessage(this, MessageIcon::Exclamation, Utf8(loaded.message));
    return false;
  }
  rosterPath_ = QFileInfo(path).absoluteFilePath();
  setWindowTitle(QStringLiteral("%1 - Ro'yxatdan hisobot").arg(QFileInfo(path).fileName()));
  ShowRows(loaded.roster);
  return true;
}

QString RosterDialog::StartFolder() const {
  QString folder = rosterPath_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                         : QFileInfo(rosterPath_).absolutePath();
  return QDir(folder).exists() ? folder : QDir::homePath();
}

void RosterDialog::ChooseRoster() {
  const QString path = services_.askOpenPath(
      this, OpenRequest{QStringLiteral("Ro'yxatni ochish"), StartFolder(),
                        QStringLiteral("Ro'yxat: CSV yoki Excel ish kitobi (*.csv *.txt *.xlsx)")});
  if (!path.isEmpty()) OpenRosterFile(path);
}

void RosterDialog::SaveExample() {
  const QString path = services_.askSavePath(
      this,
      SaveRequest{QStringLiteral("Ro'yxat namunasini saqlash"),
                  QDir(StartFolder())
                      .filePath(QString::fromUtf8(roster_rules::kExampleWorkbookName.data(),
                                                  static_cast<qsizetype>(roster_rules::kExampleWorkbookName.size()))),
                  WorkbookOrCsvFilter(), QStringLiteral("xlsx")});
  if (path.isEmpty()) return;
  const bool csv = QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
  const report_files::SaveResult saved = staff_files::SaveExampleRoster(
      path.toStdString(), csv ? staff_files::ExampleRosterFormat::Csv : staff_files::ExampleRosterFormat::Xlsx);
  if (!saved.ok) {
    services_.showMessage(this, MessageIcon::Critical, Utf8(saved.message));
    return;
  }
  services_.showMessage(
      this, MessageIcon::Information,
      Utf8(roster_rules::ExampleSavedText(QDir::toNativeSeparators(path).toStdString(), "Boshqa ro'yxat...")));
}

void RosterDialog::ShowRows(const roster_rules::Roster& roster) {
  teachers_ = roster.Teachers();
  rows_->setRowCount(static_cast<int>(roster.rows.size()));
  int index = 0;
  for (const roster_rules::RosterRow& row : roster.rows) {
    const auto texts = roster_rules::RosterRowTexts(row);
    for (std::size_t column = 0; column < texts.size(); ++column) {
      rows_->setItem(index, static_cast<int>(column), ColumnCell(column, texts[column]));
    }
    if (!row.teacher) rows_->item(index, roster_rules::kStatusColumn)->setForeground(QBrush(kRefusedColour));
    ++index;
  }
  FitColumns();
  summary_->setText(
      rosterPath_.isEmpty()
          ? QStringLiteral("Ro'yxat ochilmagan. Ro'yxat faylini oching yoki namunasini saqlab, to'ldiring.")
          : Utf8(roster_rules::RosterSummaryText(roster)));
  // A screen reader coming to the rows hears how many are ready, as the line above them says.
  rows_->setAccessibleDescription(summary_->text());
  saveWorkbook_->setEnabled(!teachers_.empty());
  savePdf_->setEnabled(!teachers_.empty());
}

void RosterDialog::FitColumns() {
  // Every column as wide as its texts, except the names, schools and subjects, which are
  // held to a share of the window, and the status, which takes the rest and wraps.
  for (int column = 0; column < static_cast<int>(roster_rules::kStatusColumn); ++column)
    rows_->resizeColumnToContents(column);
  const int limit = std::max(120, width() / 5);
  for (const int column : {roster_rules::kNameColumn, roster_rules::kSchoolColumn, roster_rules::kSubjectColumn}) {
    if (rows_->columnWidth(column) > limit) rows_->setColumnWidth(column, limit);
  }
}

QString RosterDialog::SuggestedPath(const QString& suffix) const {
  const QFileInfo roster(rosterPath_);
  return roster.dir().filePath(
      QString::fromStdString(staff_book::StaffFileName(roster.fileName().toStdString(), suffix.toStdString())));
}

void RosterDialog::SaveStaff(staff_files::StaffFileFormat format) {
  if (teachers_.empty()) return;
  const FormatTexts texts = TextsOf(format);
  QString suggested = SuggestedPath(texts.suffix);
  for (;;) {
    const QString path = services_.askSavePath(this, SaveRequest{texts.title, suggested, texts.filter, texts.suffix});
    if (path.isEmpty()) return;
    if (roster_rules::WritesOverRoster(rosterPath_.toStdString(), path.toStdString())) {
      services_.showMessage(this, MessageIcon::Critical,
                            Utf8(roster_rules::WritesOverRosterMessage(path.toStdString())));
      return;
    }
    staff_book::CarryPlan carried;
    if (format == staff_files::StaffFileFormat::Xlsx) {
      carried = staff_files::PlanCarryingInto(path.toStdString(), teachers_, schoolYear_.Year());
    }
    switch (carried.notCarried.empty() ? CarryChoice::GoOn : AskAboutCorrectionsLost(carried, path)) {
      case CarryChoice::Cancel: return;
      case CarryChoice::OtherName: suggested = path; continue;
      case CarryChoice::GoOn: break;
    }
    const staff_files::StaffExportResult result =
        ExportStaffWithProgress(this, {teachers_, schoolYear_.Year(), format, path.toStdString(), &carried});
    MarkRefused(result.refused);
    ReportResult(result, path, carried);
    return;
  }
}

CarryChoice RosterDialog::AskAboutCorrectionsLost(const staff_book::CarryPlan& carried, const QString& path) {
  return services_.askCarry(this,
                            Utf8(staff_book::NotCarriedQuestion(carried, QFileInfo(path).fileName().toStdString())));
}

void RosterDialog::MarkRefused(const std::vector<roster_rules::RosterProblem>& refused) {
  for (const roster_rules::RosterProblem& problem : refused) {
    for (int index = 0; index < rows_->rowCount(); ++index) {
      if (rows_->item(index, roster_rules::kLineColumn)->text() != QString::number(problem.line)) continue;
      rows_->item(index, roster_rules::kStatusColumn)->setText(Utf8(problem.reason));
      rows_->item(index, roster_rules::kStatusColumn)->setForeground(QBrush(kRefusedColour));
    }
  }
}

void RosterDialog::ReportResult(const staff_files::StaffExportResult& result, const QString& path,
                                const staff_book::CarryPlan& carried) {
  switch (result.status) {
    case staff_files::StaffExportStatus::Written: {
      std::string text = staff_book::StaffFileText(result.produced, QDir::toNativeSeparators(path).toStdString(),
                                                   staff_book::StaffFileFate::Saved, result.refused);
      if (carried.carried > 0) text += "\n\n" + staff_book::CarriedText(carried);
      services_.showMessage(this, MessageIcon::Information, Utf8(text));
      return;
    }
    case staff_files::StaffExportStatus::Stopped:
      services_.showMessage(this, MessageIcon::Information, Utf8(staff_book::kStaffStoppedText));
      return;
    case staff_files::StaffExportStatus::NothingToWrite:
      services_.showMessage(this, MessageIcon::Exclamation, Utf8(staff_book::NothingMadeText(result.refused)));
      return;
    case staff_files::StaffExportStatus::NotWritten:
      services_.showMessage(this, MessageIcon::Critical, Utf8(result.message));
      return;
  }
}

}  // namespace soatnoma::desktop
