#include "cli_core/files_program.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "cli_core/cli_commands.h"
#include "cli_core/exit_codes.h"

namespace soatnoma::cli_core {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFilesProgram = "soatnoma-cli-files";
// Where it stands seen from this program: beside it in the build tree, in the private
// program folder once installed.
constexpr std::array<const char*, 2> kPlaces = {".", "../libexec/soatnoma"};

}  // namespace

int RunInFilesProgram(std::string_view command, std::span<const std::string> args, std::ostream& err) {
  std::error_code failed;
  const fs::path self = fs::read_symlink("/proc/self/exe", failed);
  int error = failed ? failed.value() : ENOENT;
  if (!failed) {
    std::vector<std::string> words = {kFilesProgram, std::string(command)};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    for (const char* place : kPlaces) {
      const std::string program = (self.parent_path() / place / kFilesProgram).lexically_normal().string();
      ::execv(program.c_str(), argv.data());
      if (errno != ENOENT) error = errno;
    }
  }
  err << kMessageStart << kFilesProgram << " ishga tushmadi (" << std::strerror(error) << ").\n";
  return kExitCannotWrite;
}

}  // namespace soatnoma::cli_core
