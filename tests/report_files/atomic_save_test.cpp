// Saving is all or nothing: a failed save says why and leaves an earlier file as it was.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "report_files/atomic_save.h"
#include "report_files/pdf_writer.h"
#include "report_files/save_leftovers.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

report_files::ContentWriter Writes(const std::string& content) {
  return [content](const std::string& path, std::string&) {
    WriteFile(path, content);
    return true;
  };
}

TEST(AtomicSave, ReplacesTheTargetAndKeepsItsPermissions) {
  const ScratchFolder folder;
  const std::string target = folder.File("hisobot.xlsx");
  WriteFile(target, "old");
  ::chmod(target.c_str(), 0640);
  const report_files::SaveResult result = report_files::SaveAtomically(target, Writes("new"));
  EXPECT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ReadFile(target), "new");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640U);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"hisobot.xlsx"});
}

// A writer that gives up half way leaves the earlier file and nothing beside it, and says
// why; a full disk in the program's words, whatever the writer's library had to say.
TEST(AtomicSave, FailedWriteLeavesTheEarlierFileAndNoLeftovers) {
  const ScratchFolder folder;
  const std::string target = folder.File("hisobot.xlsx");
  WriteFile(target, "earlier report");
  const std::string full = "Hisobot saqlanmadi: diskda joy qolmadi (\"" + target + "\").";
  struct Case {
    int error;
    const char* detail;
    std::string message;
  } cases[] = {{EIO, "disk xatosi", "Hisobot saqlanmadi: \"" + target + "\" faylini yozib bo'lmadi (disk xatosi)."},
               {ENOSPC, "Write error: No space left on device", full},
               {EDQUOT, "", full},
               {ENOSPC, "", full}};
  for (const Case& c : cases) {
    const report_files::SaveResult result =
        report_files::SaveAtomically(target, [&c](const std::string& path, std::string& detail) {
          WriteFile(path, "half a rep");
          detail = c.detail;
          errno = c.error;
          return false;
        });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message) << c.detail;
  }
  EXPECT_EQ(report_files::SaveFailureMessage(target, ENOSPC), full);
  EXPECT_EQ(ReadFile(target), "earlier report");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"hisobot.xlsx"});
}

namespace fs = std::filesystem;

// A private folder as a save stopped half way left it: its content, and when it was last touched.
std::string Leftover(const ScratchFolder& folder, const std::string& name, const std::vector<std::string>& files,
                     std::chrono::minutes age) {
  const std::string path = folder.File(name);
  fs::create_directory(path);
  const auto then = fs::file_time_type::clock::now() - age;
  for (const std::string& file : files) {
    WriteFile(path + "/" + file, "half a rep");
    fs::last_write_time(path + "/" + file, then);
  }
  fs::last_write_time(path, then);
  return path;
}

// A save killed half way leaves its private folder; a later save into the same folder
// removes such leftovers of its own, and nothing else.
TEST(AtomicSave, LeftoversOfEarlierSavesGoAndNothingElse) {
  const ScratchFolder folder;
  const auto old = std::chrono::minutes(11);
  Leftover(folder, ".soatnoma-a1B2c3", {"yozilmoqda"}, old);
  Leftover(folder, ".soatnoma-d4E5f6", {"yozilmoqda", "yozilmoqda.Xy12Zw"}, old);  // the workbook library's copy
  Leftover(folder, ".soatnoma-000000", {}, old);                                   // killed before writing
  Leftover(folder, ".soatnoma-recent", {"yozilmoqda"}, std::chrono::minutes(2));   // may be a save at work
  Leftover(folder, ".soatnoma-others", {"yozilmoqda", "hisobot.xlsx"}, old);       // holds something else
  Leftover(folder, ".soatnoma-young1", {}, old);
  WriteFile(folder.File(".soatnoma-young1/yozilmoqda"), "written just now");  // its file still grows
  fs::last_write_time(folder.File(".soatnoma-young1"), fs::file_time_type::clock::now() - old);
  Leftover(folder, ".soatnoma-abc", {"yozilmoqda"}, old);  // not a name of ours
  Leftover(folder, "soatnoma-abcdef", {"yozilmoqda"}, old);
  const std::string held = Leftover(folder, ".soatnoma-held00", {"yozilmoqda"}, old);
  const int holder = ::open(held.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);  // a save at work, however long it takes
  // A link by the right name is removed by nobody, nor is what it points at.
  const std::string elsewhere = Leftover(folder, "boshqa", {"yozilmoqda"}, old);
  fs::create_directory_symlink(elsewhere, folder.File(".soatnoma-link00"));
  const std::string ownNameInside = Leftover(folder, ".soatnoma-dir000", {}, old);
  fs::create_directory(ownNameInside + "/yozilmoqda");
  fs::last_write_time(ownNameInside, fs::file_time_type::clock::now() - old);

  const report_files::SaveResult result = report_files::SaveAtomically(folder.File("hisobot.pdf"), Writes("new"));
  ::close(holder);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{".soatnoma-abc", ".soatnoma-dir000", ".soatnoma-held00", ".soatnoma-link00",
                                      ".soatnoma-others", ".soatnoma-recent", ".soatnoma-young1", "boshqa",
                                      "hisobot.pdf", "soatnoma-abcdef"}));
  EXPECT_EQ(ReadFile(elsewhere + "/yozilmoqda"), "half a rep");
}

TEST(AtomicSave, SaysWhyInUzbekWhenTheFolderIsWrong) {
  const ScratchFolder folder;
  const std::string missing = folder.File("yo'q") + "/hisobot.xlsx";
  const report_files::SaveResult noFolder = report_files::SaveAtomically(missing, Writes("x"));
  EXPECT_FALSE(noFolder.ok);
  EXPECT_EQ(noFolder.message, "Hisobot saqlanmadi: \"" + folder.File("yo'q") + "\" papkasi topilmadi.");

  const report_files::SaveResult isFolder = report_files::SaveAtomically(folder.Path().string(), Writes("x"));
  EXPECT_FALSE(isFolder.ok);
  EXPECT_EQ(isFolder.message, "Hisobot saqlanmadi: \"" + folder.Path().string() + "\" fayl emas, papka.");

  if (::geteuid() != 0) {  // the superuser may write anywhere
    const std::string locked = folder.File("yopiq");
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0500);
    const report_files::SaveResult denied = report_files::SaveAtomically(locked + "/hisobot.xlsx", Writes("x"));
    EXPECT_EQ(denied.message, "Hisobot saqlanmadi: \"" + locked + "\" papkasiga yozishga ruxsat yo'q.");
    ::chmod(locked.c_str(), 0700);
  }
}

TEST(AtomicSave, ContentIsWrittenInAPrivateFolderEvenForTheLongestName) {
  const ScratchFolder folder;
  const std::string target = folder.File(std::string(251, 'h') + ".pdf");  // 255 bytes, as long as a name may be
  const report_files::SaveResult result =
      report_files::SaveAtomically(target, [](const std::string& path, std::string&) {
        struct stat privateFolder {};
        EXPECT_EQ(::stat(std::filesystem::path(path).parent_path().c_str(), &privateFolder), 0);
        EXPECT_EQ(privateFolder.st_mode & 07777, 0700U);
        WriteFile(path, "written");
        return true;
      });
  EXPECT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ReadFile(target), "written");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{std::string(251, 'h') + ".pdf"});
}

TEST(AtomicSave, ALinkPlantedAtTheWrittenFileIsNotFollowed) {
  const ScratchFolder folder;
  const std::string target = folder.File("hisobot.xlsx");
  const std::string victim = folder.File("boshqaniki");
  WriteFile(target, "earlier report");
  WriteFile(victim, "someone else's");
  ::chmod(victim.c_str(), 0600);
  const report_files::SaveResult result =
      report_files::SaveAtomically(target, [&](const std::string& path, std::string&) {
        WriteFile(path, "new report");
        std::filesystem::remove(path);  // swapped for a link after the writer is done
        std::filesystem::create_symlink(victim, path);
        return true;
      });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(ReadFile(victim), "someone else's");
  struct stat info {};
  ASSERT_EQ(::stat(victim.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600U);
  EXPECT_FALSE(std::filesystem::is_symlink(target));
  EXPECT_EQ(ReadFile(target), "earlier report");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"boshqaniki", "hisobot.xlsx"}));
}

TEST(AtomicSave, AWriteProtectedTargetIsRefusedAndKept) {
  const ScratchFolder folder;
  const std::string target = folder.File("hisobot.pdf");
  WriteFile(target, "signed copy");
  ::chmod(target.c_str(), 0444);
  bool written = false;
  const report_files::SaveResult result =
      report_files::SaveAtomically(target, [&](const std::string& path, std::string&) {
        written = true;
        WriteFile(path, "new");
        return true;
      });
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(written);
  EXPECT_EQ(result.message,
            "Hisobot saqlanmadi: \"" + target + "\" fayli yozishdan himoyalangan (faqat o'qish uchun).");
  EXPECT_EQ(ReadFile(target), "signed copy");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0444U);
}

TEST(AtomicSave, ReportWritersFailWithoutTouchingAnEarlierFile) {
  const ScratchFolder folder;
  const report_sheet::ReportSheet sheet =
      testing::Built(report_sheet::BuildReport(testing::Teacher(TeacherCategory::Upper, "20", "20", false)));
  const std::string blocked = folder.File("papka.xlsx");
  std::filesystem::create_directory(blocked);
  WriteFile(blocked + "/ichida", "kept");
  for (const report_files::SaveResult& result :
       {report_files::SaveXlsx(sheet, blocked), report_files::SavePdf(sheet, blocked)}) {
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
  }
  EXPECT_EQ(ReadFile(blocked + "/ichida"), "kept");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"papka.xlsx"});
}

}  // namespace
}  // namespace soatnoma
