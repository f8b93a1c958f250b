#include "explain/report_explanation.h"
#include "desktop/main_window.h"

#include <array>
#include <exception>
#include <stdexcept>
#include <string>
#include <variant>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QMenuBar>
#include <QVBoxLayout>

#include "model/weekly_hours.h"
#include "report_sheet/report_builder.h"
#include "desktop/about_view.h"
#include "desktop/blinking_arrow.h"
#include "desktop/form_builder.h"
#include "desktop/form_control.h"
#include "desktop/form_entries.h"
#include "desktop/form_fonts.h"
#include "desktop/form_menu.h"
#include "desktop/form_layout.h"
#include "desktop/pressable_picture.h"
#include "desktop/program_version.h"
#include "desktop/remembered_folders.h"
#include "desktop/report_window.h"
#include "desktop/roster_action.h"
#include "desktop/rounding_timer.h"
#include "desktop/school_year_choice.h"
#include "desktop/scrolling_credit.h"

namespace soatnoma::desktop {
namespace {

// The terms of use have never had a text: an empty line, a carriage return, an empty line.
const QString kTermsOfUse = QStringLiteral("\r");

std::string Entry(const QLineEdit& box) { return box.text().toStdString(); }

// A day box whose text is not a number gets a red frame and says why in its tool tip.
void MarkDayBox(QLineEdit& box, bool notANumber) {
  box.setStyleSheet(notANumber ? QStringLiteral("QLineEdit { border: 2px solid rgb(210, 30, 30); }") : QString());
  box.setToolTip(notANumber ? QString::fromUtf8(kDayNotANumber.data(), static_cast<qsizetype>(kDayNotANumber.size()))
                            : QString());
}

}  // namespace

MainWindow::MainWindow(FormServices services, QWidget* parent)
    : QWidget(parent), services_(WithRememberedFolders(std::move(services))) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Soatnoma " SOATNOMA_PROGRAM_VERSION));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(FormFont(form_controls::ControlFont::Window));

  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  // The controls stand in the client area as drawn; the menu bar lies above it.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  // On a large screen the form opens larger than drawn, so that it reads at a glance.
  const int drawnHeight = TwipsToPixels(form_controls::kClientArea, dpi).height();
  const double scale =
      screen && services_.scaledToScreen ? FormScale(screen->availableGeometry().height(), drawnHeight) : 1.0;
  BuildFormControls(*client, dpi, scale);
  client->setFixedSize(TwipsToPixels(form_controls::kClientArea, dpi * scale).size());

  about_ = std::make_unique<AboutView>(*this);
  new BlinkingArrow(Control<QLabel>("Label4"), services_.timings.arrowBlink, this);
  new ScrollingCredit(Control<QLabel>("Label6"), services_.timings.creditStep, this);
  Control<QRadioButton>(form_controls::ControlRole::Upper).setChecked(true);
  ConnectFields();
  if (const auto entries = LoadFormEntries(services_.settingsFile)) ShowEntries(*entries);
  AddOpenAction();
  schoolYear_ = new SchoolYearChoice(services_.today, services_.settingsFile, this);
  AddRosterAction(*this, services_, *schoolYear_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(BuildFormMenu(*this, *schoolYear_));
  layout->addWidget(client);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->activate();  // the window's size is known before it is centred
  CentreOnScreen();
  Control<QLineEdit>(form_controls::ControlRole::Name).setFocus();
  // Once the form is up, reports an earlier run left unsaved are offered back.
  QTimer::singleShot(0, this, &MainWindow::OfferRecovery);
}

MainWindow::~MainWindow() {
  for (const QPointer<ReportWindow>& report : reports_) delete report.data();
}

template <typename Widget>
Widget& MainWindow::Control(std::string_view name) const {
  return FormControl<Widget>(*this, name);
}

template <typename Widget>
Widget& MainWindow::Control(form_controls::ControlRole role) const {
  return Control<Widget>(form_controls::ControlNamed(role));
}

void MainWindow::ConnectFields() {
  for (const std::string_view day : form_controls::DayControls()) {
    connect(&Control<QLineEdit>(day), &QLineEdit::textChanged, this, &MainWindow::SumDayBoxes);
  }
  connect(&Control<QRadioButton>(form_controls::ControlRole::Primary), &QRadioButton::clicked, this,
          [this] { ChooseCategory(TeacherCategory::Primary); });
  connect(&Control<QRadioButton>(form_controls::ControlRole::Upper), &QRadioButton::clicked, this,
          [this] { ChooseCategory(TeacherCategory::Upper); });
  connect(&Control<QPushButton>(form_controls::ControlRole::RunUpper), &QPushButton::clicked, this,
          [this] { StartRun(TeacherCategory::Upper); });
  connect(&Control<QPushButton>(form_controls::ControlRole::RunPrimary), &QPushButton::clicked, this,
          [this] { StartRun(TeacherCategory::Primary); });
  // Enter in the weekly-hours box runs the category the teacher has chosen.
  connect(&Control<QLineEdit>(form_controls::ControlRole::WeeklyHours), &QLineEdit::returnPressed, this,
          [this] { StartRun(ChosenCategory()); });
  connect(&Control<QPushButton>(form_controls::ControlRole::Terms), &QPushButton::clicked, this,
          &MainWindow::ShowTermsOfUse);
  connect(&Control<PressablePicture>("Image2"), &PressablePicture::clicked, this, &MainWindow::ToggleAboutView);
}

void MainWindow::SumDayBoxes() {
  // Every day box counts, whichever of them changed, so that correcting Monday after
  // Saturday still leaves the whole week in the box.
  std::array<std::string, form_controls::kDayCount> entries;
  std::array<std::string_view, form_controls::kDayCount> days;
  for (std::size_t i = 0; i < form_controls::kDayCount; ++i) {
    auto& box = Control<QLineEdit>(form_controls::DayControls()[i]);
    entries[i] = Entry(box);
    days[i] = entries[i];
    MarkDayBox(box, DayIsNotANumber(entries[i]));
  }
  // While a day holds text that is not a number, the week stays as it was.
  if (const auto week = WeeklyHoursFromDays(days))
    Control<QLineEdit>(form_controls::ControlRole::WeeklyHours).setText(QString::fromStdString(*week));
}

void MainWindow::ChooseCategory(TeacherCategory category) {
  Control<QLineEdit>(form_controls::ControlRole::Rate)
      .setText(QString::fromUtf8(DefaultRate(category).data(), static_cast<qsizetype>(DefaultRate(category).size())));
  // The two run buttons share one rectangle; only the chosen category's button is shown, so
  // that neither a click nor the Tab key can reach the other one beneath it.
  Control<QPushButton>(form_controls::ControlRole::RunPrimary).setVisible(category == TeacherCategory::Primary);
  Control<QPushButton>(form_controls::ControlRole::RunUpper).setVisible(category == TeacherCategory::Upper);
}

TeacherCategory MainWindow::ChosenCategory() const {
  return Control<QRadioButton>(form_controls::ControlRole::Primary).isChecked() ? TeacherCategory::Primary
                                                                                : TeacherCategory::Upper;
}

void MainWindow::ToggleAboutView() {
  about_->Toggle(ChosenCategory() == TeacherCategory::Primary);
  emit aboutViewToggled(about_->Shown());
}

void MainWindow::ShowTermsOfUse() { services_.showMessage(this, MessageIcon::Exclamation, kTermsOfUse); }

FormEntries MainWindow::Entries() const {
  FormEntries entries{.name = Control<QLineEdit>(form_controls::ControlRole::Name).text(),
                      .school = Control<QLineEdit>(form_controls::ControlRole::School).text(),
                      .subject = Control<QLineEdit>(form_controls::ControlRole::Subject).text(),
                      .days = {},
                      .primary = ChosenCategory() == TeacherCategory::Primary,
                      .classLeader = Control<QCheckBox>(form_controls::ControlRole::ClassLeader).isChecked()};
  for (std::size_t i = 0; i < form_controls::kDayCount; ++i)
    entries.days[i] = Control<QLineEdit>(form_controls::DayControls()[i]).text();
  return entries;
}

void MainWindow::ShowEntries(const FormEntries& entries) {
  Control<QLineEdit>(form_controls::ControlRole::Name).setText(entries.name);
  Control<QLineEdit>(form_controls::ControlRole::School).setText(entries.school);
  Control<QLineEdit>(form_controls::ControlRole::Subject).setText(entries.subject);
  // The days add up into the weekly hours as if typed.
  for (std::size_t i = 0; i < form_controls::kDayCount; ++i)
    Control<QLineEdit>(form_controls::DayControls()[i]).setText(entries.days[i]);
  const TeacherCategory category = entries.primary ? TeacherCategory::Primary : TeacherCategory::Upper;
  Control<QRadioButton>(entries.primary ? form_controls::ControlRole::Primary : form_controls::ControlRole::Upper)
      .setChecked(true);
  ChooseCategory(category);
  Control<QCheckBox>(form_controls::ControlRole::ClassLeader).setChecked(entries.classLeader);
}

void MainWindow::StartRun(TeacherCategory category) {
  SaveFormEntries(services_.settingsFile, Entries());
  auto& weeklyHours = Control<QLineEdit>(form_controls::ControlRole::WeeklyHours);
  const report_sheet::ReportRequest run{
      .category = category,
      .weeklyHours = Entry(weeklyHours),
      .rate = Entry(Control<QLineEdit>(form_controls::ControlRole::Rate)),
      .classLeader = Control<QCheckBox>(form_controls::ControlRole::ClassLeader).checkState() == Qt::Checked,
      .texts = {.school = Entry(Control<QLineEdit>(form_controls::ControlRole::School)),
                .subject = Entry(Control<QLineEdit>(form_controls::ControlRole::Subject)),
                .name = Entry(Control<QLineEdit>(form_controls::ControlRole::Name))},
      .calendarYear = schoolYear_->Year(),
  };
  report_sheet::ReportOutcome outcome;
  try {
    outcome = report_sheet::BuildReportBeforeRounding(run);
  } catch (const std::exception& fault) {
    services_.showMessage(this, MessageIcon::Critical,
                          QString::fromUtf8(report_sheet::kReportFailedMessage.data(),
                                            static_cast<qsizetype>(report_sheet::kReportFailedMessage.size())) +
                              QString::fromUtf8(fault.what()));
    return;
  }
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    services_.showMessage(this, MessageIcon::Information,
                          QString::fromUtf8(refusal->message.data(), static_cast<qsizetype>(refusal->message.size())));
    if (refusal->clearsWeeklyHours) weeklyHours.clear();
    weeklyHours.setFocus();
    return;
  }
  ReportSource source;
  source.sheet = std::move(std::get<report_sheet::ReportSheet>(outcome));
  source.texts = run.texts;
  source.textsTyped = true;
  source.calendarYear = run.calendarYear;
  source.story = explain::TellReport(run);
  ReportWindow* window = ShowReport(std::move(source));
  ScheduleRounding(*window, run, services_.timings.rounding);
}

std::vector<ReportWindow*> MainWindow::OpenReports() const {
  std::vector<ReportWindow*> open;
  for (const QPointer<ReportWindow>& report : reports_) {
    if (report && report->isVisible()) open.push_back(report.data());
  }
  return open;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Every open report is asked about before the program ends; "Bekor qilish" on any of
  // them keeps the program running.
  for (ReportWindow* report : OpenReports()) {
    if (!report->close()) {
      event->ignore();
      return;
    }
  }
  SaveFormEntries(services_.settingsFile, Entries());
  event->accept();
}

void MainWindow::CentreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

}  // namespace soatnoma::desktop
