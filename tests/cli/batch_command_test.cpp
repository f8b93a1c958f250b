// soatnoma-cli batch: a staff list with good and bad rows into one workbook or one PDF,
// the refused rows on stderr, the exit status, and nothing written when nothing can be.
#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/stat.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "roster_rules/roster_overwrite.h"
#include "staff_book/staff_book.h"
#include "staff_files/example_roster.h"
#include "batch_test_support.h"
#include "cli/batch_command.h"
#include "cli_runner.h"
#include "cli/cli.h"
#include "cli_core/exit_codes.h"
#include "cli/held_interruptions.h"
#include "cli/progress_bar.h"
#include "report_test_support.h"

namespace soatnoma::cli {
namespace {

using soatnoma::testing::Quoted;
using soatnoma::testing::ReadFile;
using soatnoma::testing::RunTool;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;
using staff_files::testing::kRefusedRows;
using staff_files::testing::kSheetNames;
using staff_files::testing::kStaffList;
using staff_files::testing::SavedWorkbook;
using testing::Lines;

constexpr int kClockYear = 2031;

using BatchRun = testing::CliResult;

BatchRun Batch(const std::vector<std::string>& args, bool showProgress = false) {
  BatchRun run = testing::RunBatchAt(args, kClockYear, showProgress);
  EXPECT_EQ(run.out, "");
  return run;
}

TEST(BatchCommand, WorkbookHoldsEveryGoodRowInRosterOrderAndTheSummary) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), std::string(kStaffList));
  const BatchRun run = Batch({folder.File("xodimlar.csv"), "-o", folder.File("xodimlar.xlsx"), "--year", "2025"});
  EXPECT_EQ(run.status, cli_core::kExitSomeSkipped);
  EXPECT_EQ(Lines(run.err), kRefusedRows);

  const SavedWorkbook workbook(folder.File("xodimlar.xlsx"));
  ASSERT_TRUE(workbook.Opened());
  ASSERT_EQ(workbook.SheetNames(), kSheetNames);
  // Each teacher's sheet is the teacher's report (the staff workbook's own tests compare them
  // cell by cell); here the school year asked for reaches it.
  EXPECT_NE(workbook.Text(workbook.Sheet(2), "A2").find("Karimova; Dilnozaning 2025/2026"), std::string::npos);

  // "Jami" names every school once and the school year asked for; its rows, sums and page
  // are the staff book's and the workbook's parts' own tests.
  const pugi::xml_document summary = workbook.Sheet(1);
  EXPECT_EQ(workbook.Text(summary, "A1"),
            "12, 7, 5 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi");
}

// The page the director signs comes first, "Jami" of the school year the clock gives (its
// rows, total and signature lines are the summary pages' own tests); then a page per good
// row in roster order.
TEST(BatchCommand, PdfOpensWithTheSummaryThenAPagePerGoodRowInRosterOrder) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), std::string(kStaffList));
  const std::string pdf = folder.File("xodimlar.PDF");
  const BatchRun run = Batch({folder.File("xodimlar.csv"), "-o", pdf});
  EXPECT_EQ(run.status, cli_core::kExitSomeSkipped);
  EXPECT_EQ(Lines(run.err), kRefusedRows);
  EXPECT_EQ(soatnoma::testing::PdfPages(pdf), 5);
  const std::string summary = soatnoma::testing::PdfPageText(pdf, 1);
  EXPECT_NE(
      summary.find("12, 7, 5 - sonli maktablar o'qituvchilarining 2031/2032 o'quv yili uchun yillik ish yuklamasi"),
      std::string::npos)
      << summary;
  const std::vector<std::string> onPage = {"Karimova; Dilnozaning", "Oʻtkir Toshmatovning", "qatorli", "algebra"};
  for (std::size_t page = 0; page < onPage.size(); ++page) {
    const std::string text = soatnoma::testing::PdfPageText(pdf, static_cast<int>(page) + 2);
    EXPECT_NE(text.find(onPage[page]), std::string::npos) << page << text;
    EXPECT_NE(text.find("2031/2032"), std::string::npos) << "the year from the clock";
  }
}

// A list whose headings are not the program's: one message, naming the columns expected
// and the headings found, instead of a line per row; nothing is written. The separator is
// told from the row of headings, so a title line above it in Windows-1251 stops nothing.
TEST(BatchCommand, ListsWithoutTheProgramsHeadingsAreRefusedOnceAndTitlesDoNotMatter) {
  const ScratchFolder folder;
  const std::string list = "F.I.Sh.;Fani;Soat\r\nKarimova Dilnoza;fizika;24\r\nAliyev Vali;kimyo;20\r\n";
  WriteFile(folder.File("boshqa.csv"), list);
  const BatchRun refused = Batch({folder.File("boshqa.csv"), "-o", folder.File("a.xlsx")});
  EXPECT_EQ(refused.status, cli_core::kExitRefused);
  // The message, its columns and headings, is the roster's own test.
  EXPECT_EQ(Lines(refused.err), std::vector<std::string>{roster_rules::ReadRoster(list).headingProblem.value_or("")});
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"boshqa.csv"});

  // Which titles decide nothing is the roster's own test; here the code page is said.
  WriteFile(folder.File("sarlavha.csv"),
            "Xodimlar ro'yxati;;;;\r\nism;maktab;fan;toifa;soat\r\n"
            "\xCA\xE0\xF0\xE8\xEC\xEE\xE2\xE0;12;\xD4\xE8\xE7\xE8\xEA\xE0;yuqori;24\r\n");
  const BatchRun read = Batch({folder.File("sarlavha.csv"), "-o", folder.File("b.xlsx")});
  EXPECT_EQ(read.status, cli_core::kExitOk) << read.err;
  EXPECT_EQ(Lines(read.err), std::vector<std::string>{"Fayl Windows-1251 kodlashida o'qildi"});
  EXPECT_EQ(SavedWorkbook(folder.File("b.xlsx")).SheetNames(), (std::vector<std::string>{"Jami", "Каримова"}));
}

// The staff list is never written over: an output that is the list itself, however its
// path is written, or a symbolic or hard link to it, is refused as a bad command line
// before anything is read or written, and the list and its links stay as they were.
TEST(BatchCommand, TheStaffListIsNeverWrittenOver) {
  namespace fs = std::filesystem;
  const ScratchFolder folder;
  const std::string list = folder.File("xodimlar.xlsx");
  ASSERT_TRUE(staff_files::SaveExampleRoster(list, staff_files::ExampleRosterFormat::Xlsx).ok);
  const std::string listBytes = ReadFile(list);
  fs::create_directory(folder.File("ichki"));
  fs::create_directory_symlink(folder.Path(), folder.File("havola"));
  fs::create_symlink(list, folder.File("belgi.xlsx"));
  fs::create_symlink("xodimlar.xlsx", folder.File("belgi.pdf"));
  fs::create_hard_link(list, folder.File("nusxa.xlsx"));
  const std::vector<std::string> entries = folder.Entries();

  const std::vector<std::pair<std::string, std::string>> sameFile = {
      {list, list},
      {list, folder.Path().string() + "/./xodimlar.xlsx"},
      {list, folder.File("ichki/../xodimlar.xlsx")},
      {list, folder.File("havola/xodimlar.xlsx")},  // through a linked folder
      {list, folder.File("belgi.xlsx")},            // a symbolic link to the list
      {list, folder.File("belgi.pdf")},             // the same, relative, for a PDF
      {list, folder.File("nusxa.xlsx")},            // a hard link: the list under another name
      {folder.File("belgi.xlsx"), list},            // the list read through its link
  };
  for (const auto& [roster, output] : sameFile) {
    const BatchRun run = Batch({roster, "-o", output});
    EXPECT_EQ(run.status, cli_core::kExitUsage) << output;
    EXPECT_EQ(Lines(run.err).front(), "soatnoma-cli: " + roster_rules::WritesOverRosterMessage(output)) << output;
    EXPECT_TRUE(ReadFile(list) == listBytes) << output;
    EXPECT_EQ(folder.Entries(), entries) << output;
    EXPECT_TRUE(fs::is_symlink(folder.File("belgi.xlsx")) && fs::is_symlink(folder.File("belgi.pdf")));
  }

  // The real program, started in the list's folder, and the list given as "./xodimlar.xlsx".
  const auto relative = RunTool("cd " + Quoted(folder.Path()) + " && " + Quoted(SOATNOMA_CLI) +
                                " batch xodimlar.xlsx -o ./xodimlar.xlsx");
  EXPECT_EQ(relative.status, cli_core::kExitUsage) << relative.output;
  EXPECT_NE(relative.output.find(roster_rules::WritesOverRosterMessage("./xodimlar.xlsx")), std::string::npos);
  EXPECT_TRUE(ReadFile(list) == listBytes);

  // The name every edition offers is written beside the list (which names are offered is
  // the staff book's own test).
  const std::string offered = folder.File(staff_book::StaffFileName("xodimlar.xlsx", "xlsx"));
  EXPECT_EQ(Batch({list, "-o", offered}).status, cli_core::kExitOk);
  EXPECT_EQ(SavedWorkbook(offered).SheetNames().size(), 5u);  // "Jami" and the example's four teachers
  EXPECT_TRUE(ReadFile(list) == listBytes);
}

TEST(BatchCommand, NothingToProduceWritesNothingAndKeepsAnEarlierFile) {
  const ScratchFolder folder;
  const std::string earlier = folder.File("xodimlar.xlsx");
  WriteFile(earlier, "earlier workbook");
  WriteFile(folder.File("yomon.csv"), "ism,maktab,fan,toifa,soat\nA,1,f,yuqori,5\n");
  const BatchRun bad = Batch({folder.File("yomon.csv"), "-o", earlier});
  EXPECT_EQ(bad.status, cli_core::kExitRefused);
  EXPECT_EQ(Lines(bad.err),
            (std::vector<std::string>{
                "qator 2: soat \"5\": 10 soatdan kam dars uchun soatnoma shart emas.",
                "Hech bir hisobot tayyorlanmadi, fayl yozilmadi: ro'yxatning hech bir qatori to'g'ri emas.",
            }));
  WriteFile(folder.File("bosh.csv"), "\xEF\xBB\xBFism;maktab;fan;toifa;soat\r\n;;;;\r\n");
  const BatchRun empty = Batch({folder.File("bosh.csv"), "-o", earlier});
  EXPECT_EQ(empty.status, cli_core::kExitRefused);
  EXPECT_EQ(empty.err, "Hech bir hisobot tayyorlanmadi, fayl yozilmadi: ro'yxatda o'qituvchi yo'q.\n");
  const BatchRun missing = Batch({folder.File("yo'q.csv"), "-o", earlier});
  EXPECT_EQ(missing.status, cli_core::kExitRefused);
  EXPECT_EQ(missing.err, "Ro'yxat o'qilmadi: \"" + folder.File("yo'q.csv") + "\" fayli topilmadi.\n");
  const std::string huge = folder.File("katta.csv");
  WriteFile(huge, "ism\n");
  std::filesystem::resize_file(huge, 17 * 1024 * 1024);  // holes: nothing written on the disk
  const BatchRun tooLarge = Batch({huge, "-o", earlier});
  EXPECT_EQ(tooLarge.status, cli_core::kExitRefused);
  EXPECT_EQ(tooLarge.err, "Ro'yxat o'qilmadi: \"" + huge + "\" ro'yxat uchun juda katta (16 MB dan ortiq).\n");
  std::filesystem::remove(huge);
  EXPECT_EQ(ReadFile(earlier), "earlier workbook");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"bosh.csv", "xodimlar.xlsx", "yomon.csv"}));
}

// A named pipe would keep the batch waiting for a writer that may never come, a device for
// data without end: refused at once, as the desktop refuses them, and nothing is written.
TEST(BatchCommand, ANamedPipeOrADeviceIsRefusedAtOnce) {
  const ScratchFolder folder;
  const std::string pipe = folder.File("xodimlar.csv");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& roster : {pipe, std::string("/dev/zero")}) {
    const BatchRun run = Batch({roster, "-o", folder.File("natija.xlsx")});
    EXPECT_EQ(run.status, cli_core::kExitRefused);
    EXPECT_EQ(run.err, "Ro'yxat o'qilmadi: \"" + roster + "\" oddiy fayl emas.\n");
  }
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"xodimlar.csv"}));
}

TEST(BatchCommand, OutputThatCannotBeWrittenIsStatusThree) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), std::string(kStaffList));
  const std::string missing = folder.File("yo'q") + "/xodimlar.pdf";
  const BatchRun run = Batch({folder.File("xodimlar.csv"), "-o", missing});
  EXPECT_EQ(run.status, cli_core::kExitCannotWrite);
  EXPECT_EQ(Lines(run.err).back(), "Hisobot saqlanmadi: \"" + folder.File("yo'q") + "\" papkasi topilmadi.");
}

// Each is refused with the usage; what is wrong, where it can be told, is said first in Uzbek.
TEST(BatchCommand, BadCommandLinesAreUsageErrors) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{"-o", "x.xlsx"}, ""},
      {{"a.csv"}, ""},
      {{"a.csv", "-o", "x.pdf", "--leader"}, ""},
      {{"a.csv", "b.csv", "-o", "x.xlsx"}, "batch uchun bitta ro'yxat fayli berilishi kerak"},
      {{"a.csv", "-o", "x.csv"}, "-o OUT nomi .xlsx yoki .pdf bilan tugashi kerak"},
      {{"a.csv", "-o", "x.pdf", "--year", "1"},
       "--year 2000 dan 2100 gacha bo'lgan yil bo'lishi kerak (masalan, 2025)"},
  };
  for (const auto& [args, message] : bad) {
    const BatchRun run = Batch(args);
    EXPECT_EQ(run.status, cli_core::kExitUsage) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("soatnoma-cli batch ROSTER.csv -o OUT"), std::string::npos);
    if (!message.empty()) {
      EXPECT_TRUE(run.err.starts_with("soatnoma-cli: " + message + "\n")) << run.err;
    }
  }
}

TEST(BatchCommand, ProgressBarOnlyWhereSomeoneWatches) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), std::string(kStaffList));
  const BatchRun watched = Batch({folder.File("xodimlar.csv"), "-o", folder.File("a.pdf")}, true);
  EXPECT_EQ(watched.status, cli_core::kExitSomeSkipped);
  EXPECT_NE(watched.err.find("\rHisobotlar [##############################] 100% 4/4\n"), std::string::npos)
      << watched.err;
  EXPECT_NE(watched.err.find("\rHisobotlar [#######-----------------------]  25% 1/4"), std::string::npos);
  EXPECT_EQ(ProgressLine(0, 1000), "Hisobotlar [------------------------------]   0%    0/1000");

  // The real program: a bar on a terminal, none into a pipe.
  const std::string command =
      Quoted(SOATNOMA_CLI) + " batch " + Quoted(folder.File("xodimlar.csv")) + " -o " + Quoted(folder.File("b.pdf"));
  const auto piped = RunTool(command);
  EXPECT_EQ(piped.status, cli_core::kExitSomeSkipped);
  EXPECT_EQ(piped.output.find("Hisobotlar"), std::string::npos);
  const auto terminal = RunTool("script -qec " + Quoted(command) + " /dev/null");
  EXPECT_NE(terminal.output.find("Hisobotlar ["), std::string::npos) << terminal.output;
  EXPECT_NE(terminal.output.find("4/4"), std::string::npos) << terminal.output;
}

// A signal sent from inside the batch, after its first teacher: it arrives while the batch
// is running, every time, however fast the machine.
struct SignalMidway {
  int signal;
  int sentAfter = 0;  // teachers done when it was sent; 0: never sent
  void operator()(int done) {
    if (sentAfter != 0) return;
    sentAfter = done;
    kill(getpid(), signal);
  }
};

volatile sig_atomic_t interruptsDelivered = 0;
void CountInterrupt(int) { interruptsDelivered = interruptsDelivered + 1; }

// The signal's action for the length of a test, restored afterwards.
class SignalAction {
 public:
  SignalAction(int signal, void (*handler)(int)) : signal_(signal) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigaction(signal_, &action, &previous_);
  }
  ~SignalAction() { sigaction(signal_, &previous_, nullptr); }
  SignalAction(const SignalAction&) = delete;
  SignalAction& operator=(const SignalAction&) = delete;

 private:
  int signal_;
  struct sigaction previous_ {};
};

std::string StaffOf(int teachers) {
  std::string staff = "ism;maktab;fan;toifa;soat\n";
  for (int i = 0; i < teachers; ++i) staff += "Ism " + std::to_string(i) + ";1;fizika;yuqori;24\n";
  return staff;
}

// Ctrl+C in the middle of a batch: it stops after the teacher at hand, writes nothing, keeps
// the earlier file, and then lets the signal take its usual effect (here: counted).
TEST(BatchCommand, InterruptedBatchLeavesNoFileBehind) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), StaffOf(5));
  WriteFile(folder.File("xodimlar.pdf"), "earlier");
  const SignalAction counting(SIGINT, CountInterrupt);
  interruptsDelivered = 0;
  SignalMidway ctrlC{SIGINT};
  const BatchRun run = testing::RunBatchAt({folder.File("xodimlar.csv"), "-o", folder.File("xodimlar.pdf")}, kClockYear,
                                           false, std::ref(ctrlC));
  ASSERT_EQ(ctrlC.sentAfter, 1) << "the signal was never sent";
  EXPECT_EQ(run.status, cli_core::kExitInterrupted) << run.err;
  EXPECT_EQ(run.err, "To'xtatildi, fayl yozilmadi.\n");
  EXPECT_EQ(interruptsDelivered, 1);
  EXPECT_EQ(ReadFile(folder.File("xodimlar.pdf")), "earlier");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"xodimlar.csv", "xodimlar.pdf"}));
}

// Started with nohup, or in the background with Ctrl+C ignored: the signal the caller
// chose to ignore does not stop the batch.
TEST(BatchCommand, SignalsTheCallerIgnoresDoNotStopIt) {
  const ScratchFolder folder;
  WriteFile(folder.File("xodimlar.csv"), StaffOf(3));
  for (const auto& [signal, file] : {std::pair{SIGHUP, "nohup.pdf"}, std::pair{SIGINT, "fonda.pdf"}}) {
    const SignalAction ignored(signal, SIG_IGN);
    SignalMidway sent{signal};
    const BatchRun run =
        testing::RunBatchAt({folder.File("xodimlar.csv"), "-o", folder.File(file)}, kClockYear, false, std::ref(sent));
    ASSERT_EQ(sent.sentAfter, 1) << file << ": the signal was never sent";
    EXPECT_EQ(run.status, cli_core::kExitOk) << file << "\n" << run.err;
    EXPECT_TRUE(ReadFile(folder.File(file)).starts_with("%PDF")) << file;
  }
}

// A Ctrl+C held until the file is in place can be let go then (that the signals the caller
// ignored stay ignored is the batch's test above).
TEST(HeldInterruptions, ALateOneCanBeLetGo) {
  HeldInterruptions held;
  pthread_kill(pthread_self(), SIGINT);
  EXPECT_TRUE(held.Requested());
  held.Forget();  // one still held when it ends would end the test program
  EXPECT_FALSE(held.Requested());
}

}  // namespace
}  // namespace soatnoma::cli
