// Saving is all or nothing: a failed save says why and leaves an earlier file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "report/atomic_save.h"
#include "report/pdf_writer.h"
#include "report/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

ContentWriter Writes(const std::string& content) {
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
  const SaveResult result = SaveAtomically(target, Writes("new"));
  EXPECT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ReadFile(target), "new");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640U);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"hisobot.xlsx"});
}

TEST(AtomicSave, FailedWriteLeavesTheEarlierFileAndNoLeftovers) {
  const ScratchFolder folder;
  const std::string target = folder.File("hisobot.pdf");
  WriteFile(target, "earlier report");
  const SaveResult result = SaveAtomically(target, [](const std::string& path, std::string& detail) {
    WriteFile(path, "half a rep");  // the writer gives up half way
    detail = "disk xatosi";
    return false;
  });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "Hisobot saqlanmadi: \"" + target + "\" faylini yozib bo'lmadi (disk xatosi).");
  EXPECT_EQ(ReadFile(target), "earlier report");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"hisobot.pdf"});
}

TEST(AtomicSave, SaysWhyInUzbekWhenTheFolderIsWrong) {
  const ScratchFolder folder;
  const std::string missing = folder.File("yo'q") + "/hisobot.xlsx";
  const SaveResult noFolder = SaveAtomically(missing, Writes("x"));
  EXPECT_FALSE(noFolder.ok);
  EXPECT_EQ(noFolder.message, "Hisobot saqlanmadi: \"" + folder.File("yo'q") + "\" papkasi topilmadi.");

  const SaveResult isFolder = SaveAtomically(folder.Path().string(), Writes("x"));
  EXPECT_FALSE(isFolder.ok);
  EXPECT_EQ(isFolder.message, "Hisobot saqlanmadi: \"" + folder.Path().string() + "\" fayl emas, papka.");

  if (::geteuid() != 0) {  // the superuser may write anywhere
    const std::string locked = folder.File("yopiq");
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0500);
    const SaveResult denied = SaveAtomically(locked + "/hisobot.xlsx", Writes("x"));
    EXPECT_EQ(denied.message, "Hisobot saqlanmadi: \"" + locked + "\" papkasiga yozishga ruxsat yo'q.");
    ::chmod(locked.c_str(), 0700);
  }
}

TEST(AtomicSave, ReportWritersFailWithoutTouchingAnEarlierFile) {
  const ScratchFolder folder;
  const ReportSheet sheet = testing::Built(BuildReport(testing::Teacher(TeacherCategory::Upper, "20", "20", false)));
  const std::string blocked = folder.File("papka.xlsx");
  std::filesystem::create_directory(blocked);
  WriteFile(blocked + "/ichida", "kept");
  for (const SaveResult& result : {SaveXlsx(sheet, blocked), SavePdf(sheet, blocked)}) {
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
  }
  EXPECT_EQ(ReadFile(blocked + "/ichida"), "kept");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"papka.xlsx"});
}

}  // namespace
}  // namespace soatnoma
