// The replacing writer's file modes and the names it cannot replace: an
// existing file keeps its permissions, a new one gets those the umask gives
// any new file, a read-only file is never written over by a user who may not
// write it, and a loop of symbolic links is refused, leaving the links.
#include "runcontrol/replacing_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/run_program.hpp"

namespace {

namespace fs = std::filesystem;

// Runs the test under the umask given, then puts the old one back.
class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }

 private:
  mode_t old_;
};

mode_t mode_of(const fs::path& path) {
  struct stat s {};
  EXPECT_EQ(::stat(path.c_str(), &s), 0) << path;
  return s.st_mode & 07777;
}

// Writes `text` to `name` through the replacing writer; false, with `why`,
// when it refuses the name.
bool replace(const fs::path& name, const std::string& text, std::string& why) {
  const auto file = runcontrol::replacing_file(name.string(), why);
  if (!file) return false;
  file->stream() << text;
  return file->keep(why);
}

TEST(ReplacingFile, AnExistingFileKeepsItsPermissionsWhateverTheUmask) {
  const Umask mask(027);
  const test_support::Folder folder;
  for (const mode_t mode : {0666, 0640, 0604, 0750, 0600}) {
    folder.write("r.out", "old");
    fs::permissions(folder.path() / "r.out", static_cast<fs::perms>(mode));
    std::string why;
    ASSERT_TRUE(replace(folder.path() / "r.out", "new", why)) << why;
    EXPECT_EQ(folder.read("r.out"), "new");
    EXPECT_EQ(mode_of(folder.path() / "r.out"), mode) << std::oct << mode;
  }
}

TEST(ReplacingFile, ANewFileGetsTheModeTheUmaskGivesAnyNewFile) {
  for (const mode_t mask : {0, 022, 027, 077}) {
    const Umask use(mask);
    const test_support::Folder folder;
    std::string why;
    ASSERT_TRUE(replace(folder.path() / "r.out", "new", why)) << why;
    EXPECT_EQ(mode_of(folder.path() / "r.out"), 0666 & ~mask) << std::oct << mask;
  }
}

// A user who may not write the file gets a refusal and the file stays; the
// superuser, who may, gets it replaced with its mode kept.
TEST(ReplacingFile, AReadOnlyFileIsReplacedOnlyByWhoMayWriteIt) {
  const test_support::Folder folder;
  folder.write("r.out", "old");
  fs::permissions(folder.path() / "r.out", static_cast<fs::perms>(0444));
  std::string why;
  const bool replaced = replace(folder.path() / "r.out", "new", why);
  if (::geteuid() == 0) {
    EXPECT_TRUE(replaced) << why;
    EXPECT_EQ(folder.read("r.out"), "new");
  } else {
    EXPECT_FALSE(replaced);
    EXPECT_NE(why.find("Permission denied"), std::string::npos) << why;
    EXPECT_EQ(folder.read("r.out"), "old");
  }
  EXPECT_EQ(mode_of(folder.path() / "r.out"), 0444u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(ReplacingFile, ALoopOfLinksIsRefusedAndStaysAsItWas) {
  const test_support::Folder folder;
  fs::create_symlink("b.out", folder.path() / "a.out");
  fs::create_symlink("a.out", folder.path() / "b.out");
  std::string why;
  EXPECT_FALSE(replace(folder.path() / "a.out", "new", why));
  EXPECT_NE(why.find("symbolic links"), std::string::npos) << why;
  EXPECT_EQ(fs::read_symlink(folder.path() / "a.out"), "b.out");
  EXPECT_EQ(fs::read_symlink(folder.path() / "b.out"), "a.out");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

}  // namespace
