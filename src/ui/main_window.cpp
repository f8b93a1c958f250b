#include "ui/main_window.h"

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
#include "report/report_builder.h"
#include "ui/about_view.h"
#include "ui/blinking_arrow.h"
#include "ui/form_builder.h"
#include "ui/form_entries.h"
#include "ui/form_fonts.h"
#include "ui/form_menu.h"
#include "ui/form_layout.h"
#include "ui/pressable_picture.h"
#include "ui/program_version.h"
#include "ui/remembered_folders.h"
#include "ui/report_window.h"
#include "ui/roster_action.h"
#include "ui/rounding_timer.h"
#include "ui/scrolling_credit.h"

namespace soatnoma::ui {
namespace {

// Monday to Saturday.
constexpr std::array<const char*, 6> kDayBoxes = {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};

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
  setFont(FormFont(ControlFont::Window));

  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  // The controls stand in the client area as drawn; the menu bar lies above it.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  BuildFormControls(*client, dpi);
  client->setFixedSize(TwipsToPixels(kClientArea, dpi).size());

  about_ = std::make_unique<AboutView>(*this);
  new BlinkingArrow(Control<QLabel>("Label4"), services_.timings.arrowBlink, this);
  new ScrollingCredit(Control<QLabel>("Label6"), services_.timings.creditStep, this);
  Control<QRadioButton>("Option2").setChecked(true);
  ConnectFields();
  if (const auto entries = LoadFormEntries(services_.settingsFile)) ShowEntries(*entries);
  AddOpenAction();
  AddRosterAction(*this, services_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(BuildFormMenu(*this));
  layout->addWidget(client);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->activate();  // the window's size is known before it is centred
  CentreOnScreen();
  Control<QLineEdit>("Text3").setFocus();
  // Once the form is up, reports an earlier run left unsaved are offered back.
  QTimer::singleShot(0, this, &MainWindow::OfferRecovery);
}

MainWindow::~MainWindow() {
  for (const QPointer<ReportWindow>& report : reports_) delete report.data();
}

template <typename Widget>
Widget& MainWindow::Control(const char* name) const {
  auto* control = findChild<Widget*>(QString::fromLatin1(name));
  if (!control) throw std::logic_error(std::string("the form has no control ") + name);
  return *control;
}

void MainWindow::ConnectFields() {
  for (const char* day : kDayBoxes) {
    connect(&Control<QLineEdit>(day), &QLineEdit::textChanged, this, &MainWindow::SumDayBoxes);
  }
  connect(&Control<QRadioButton>("Option1"), &QRadioButton::clicked, this,
          [this] { ChooseCategory(TeacherCategory::Primary); });
  connect(&Control<QRadioButton>("Option2"), &QRadioButton::clicked, this,
          [this] { ChooseCategory(TeacherCategory::Upper); });
  connect(&Control<QPushButton>("Command1"), &QPushButton::clicked, this, [this] { StartRun(TeacherCategory::Upper); });
  connect(&Control<QPushButton>("Command2"), &QPushButton::clicked, this,
          [this] { StartRun(TeacherCategory::Primary); });
  // Enter in the weekly-hours box runs the category the teacher has chosen.
  connect(&Control<QLineEdit>("Text2"), &QLineEdit::returnPressed, this, [this] { StartRun(ChosenCategory()); });
  connect(&Control<QPushButton>("Command3"), &QPushButton::clicked, this, &MainWindow::ShowTermsOfUse);
  connect(&Control<PressablePicture>("Image2"), &PressablePicture::clicked, this, &MainWindow::ToggleAboutView);
}

void MainWindow::SumDayBoxes() {
  // Every day box counts, whichever of them changed, so that correcting Monday after
  // Saturday still leaves the whole week in the box.
  std::array<std::string, kDayBoxes.size()> entries;
  std::array<std::string_view, kDayBoxes.size()> days;
  for (std::size_t i = 0; i < kDayBoxes.size(); ++i) {
    auto& box = Control<QLineEdit>(kDayBoxes[i]);
    entries[i] = Entry(box);
    days[i] = entries[i];
    MarkDayBox(box, DayIsNotANumber(entries[i]));
  }
  // While a day holds text that is not a number, the week stays as it was.
  if (const auto week = WeeklyHoursFromDays(days)) Control<QLineEdit>("Text2").setText(QString::fromStdString(*week));
}

void MainWindow::ChooseCategory(TeacherCategory category) {
  Control<QLineEdit>("Text1").setText(
      QString::fromUtf8(DefaultRate(category).data(), static_cast<qsizetype>(DefaultRate(category).size())));
  // The two run buttons share one rectangle; only the chosen category's button is shown, so
  // that neither a click nor the Tab key can reach the other one beneath it.
  Control<QPushButton>("Command2").setVisible(category == TeacherCategory::Primary);
  Control<QPushButton>("Command1").setVisible(category == TeacherCategory::Upper);
}

TeacherCategory MainWindow::ChosenCategory() const {
  return Control<QRadioButton>("Option1").isChecked() ? TeacherCategory::Primary : TeacherCategory::Upper;
}

void MainWindow::ToggleAboutView() {
  about_->Toggle(ChosenCategory() == TeacherCategory::Primary);
  emit aboutViewToggled(about_->Shown());
}

void MainWindow::ShowTermsOfUse() { services_.showMessage(this, MessageIcon::Exclamation, kTermsOfUse); }

FormEntries MainWindow::Entries() const {
  FormEntries entries{.name = Control<QLineEdit>("Text3").text(),
                      .school = Control<QLineEdit>("Text6").text(),
                      .subject = Control<QLineEdit>("Text4").text(),
                      .days = {},
                      .primary = ChosenCategory() == TeacherCategory::Primary,
                      .classLeader = Control<QCheckBox>("Check1").isChecked()};
  for (std::size_t i = 0; i < kDayBoxes.size(); ++i) entries.days[i] = Control<QLineEdit>(kDayBoxes[i]).text();
  return entries;
}

void MainWindow::ShowEntries(const FormEntries& entries) {
  Control<QLineEdit>("Text3").setText(entries.name);
  Control<QLineEdit>("Text6").setText(entries.school);
  Control<QLineEdit>("Text4").setText(entries.subject);
  // The days add up into the weekly hours as if typed.
  for (std::size_t i = 0; i < kDayBoxes.size(); ++i) Control<QLineEdit>(kDayBoxes[i]).setText(entries.days[i]);
  const TeacherCategory category = entries.primary ? TeacherCategory::Primary : TeacherCategory::Upper;
  Control<QRadioButton>(entries.primary ? "Option1" : "Option2").setChecked(true);
  ChooseCategory(category);
  Control<QCheckBox>("Check1").setChecked(entries.classLeader);
}

void MainWindow::StartRun(TeacherCategory category) {
  SaveFormEntries(services_.settingsFile, Entries());
  auto& weeklyHours = Control<QLineEdit>("Text2");
  const ReportRequest run{
      .category = category,
      .weeklyHours = Entry(weeklyHours),
      .rate = Entry(Control<QLineEdit>("Text1")),
      .classLeader = Control<QCheckBox>("Check1").checkState() == Qt::Checked,
      .texts = {.school = Entry(Control<QLineEdit>("Text6")),
                .subject = Entry(Control<QLineEdit>("Text4")),
                .name = Entry(Control<QLineEdit>("Text3"))},
      .calendarYear = services_.today().year(),
  };
  ReportOutcome outcome;
  try {
    outcome = BuildReportBeforeRounding(run);
  } catch (const std::exception& fault) {
    services_.showMessage(this, MessageIcon::Critical,
                          QString::fromUtf8(kReportFailedMessage.data(), static_cast<qsizetype>(kReportFailedMessage.size())) +
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
  source.sheet = std::move(std::get<ReportSheet>(outcome));
  source.texts = run.texts;
  source.textsTyped = true;
  source.calendarYear = run.calendarYear;
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

}  // namespace soatnoma::ui
