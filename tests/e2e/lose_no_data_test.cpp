// No run loses data: not the input, not a good report it fails to replace,
// not another file, whatever the names, signals, disk or memory.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <set>
#include <thread>

#include "fixtures/capacity_case.hpp"
#include "tests/support/process.hpp"
#include "tests/support/run_program.hpp"

namespace {

namespace fs = std::filesystem;
using test_support::Launch;

const std::string kOldReport = "a good report of an earlier run\r\n";

class LoseNoData : public ::testing::Test {
 protected:
  void SetUp() override { folder_.write("a.in", test_support::source_file("examples/square.in")); }

  std::set<std::string> names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path()))
      names.insert(entry.path().filename().string());
    return names;
  }
  test_support::Outcome run(const Launch& launch) const {
    return test_support::run(folder_.path(), launch);
  }

  test_support::Folder folder_;
};

// Each alias of the input as the report is refused before the report is
// opened; the input stays as it was and no file is added.
TEST_F(LoseNoData, TheReportIsNeverTheInput) {
  fs::create_hard_link(folder_.path() / "a.in", folder_.path() / "hard.in");
  fs::create_symlink("a.in", folder_.path() / "link.in");
  folder_.write("VELDA.OUT", folder_.read("a.in"));
  folder_.write("answers", "VELDA.OUT\n\n");
  const Launch aliases[] = {
      {{"a.in", "hard.in"}}, {{"a.in", "link.in"}},
      {{"link.in", "a.in"}}, {{"a.in", (folder_.path() / "a.in").string()}},
      {{"a.in", "a.in   "}}, {{"a.in", "/dev/stdin"}, "a.in"},
      {{}, "answers"},  // the input typed as VELDA.OUT, the report by default
  };
  const auto before = names();
  for (const Launch& alias : aliases) {
    const auto ended = run(alias);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.error.find("- this is the input file"), std::string::npos) << ended.error;
    EXPECT_EQ(folder_.read("a.in"), test_support::source_file("examples/square.in"));
    EXPECT_EQ(names(), before);
  }
}

// A name that would have to be cut, or that holds a NUL byte, opens no file.
TEST_F(LoseNoData, OverLongAndNulNamesAreRefusedBeforeAnyFileIsOpened) {
  folder_.write(std::string(64, 'i'), folder_.read("a.in"));
  folder_.write("typed", std::string(65, 'r') + "\n");
  folder_.write("nul", std::string("a.in\0x\n", 7));
  const std::string long_name = "R" + std::string(64, 'r');
  const std::pair<Launch, std::string> cases[] = {
      {{{"a.in", long_name}}, "file=" + long_name.substr(0, 64) + "...)"},  // shown cut
      {{{"a.in", long_name}}, "the name has 65 characters"},
      {{{std::string(64, 'i') + "i", "r.out"}}, "the name has 65 characters"},
      {{{"a.in"}, "typed"}, "the name has 65 characters"},
      {{{}, "nul"}, "the name holds a NUL byte"},
  };
  const auto before = names();
  for (const auto& [launch, reason] : cases) {
    const auto ended = run(launch);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.error.find(reason), std::string::npos) << ended.error;
    EXPECT_EQ(names(), before);
  }
}

// A run killed while it writes the report, or stopped by a full disk, leaves
// the earlier report as it was, and a full disk is named as the reason.
TEST_F(LoseNoData, AReportIsReplacedWholeOrNotAtAll) {
  folder_.write("capacity.in", fixtures::quarter_box_case(fixtures::kCapacityElements,
                                                          fixtures::kCapacityInternalPoints));
  folder_.write("r.out", kOldReport);
  test_support::Child killed(folder_.path(), {{"capacity.in", "r.out"}});
  // The echo is written at the start; the solution takes a second or more.
  const auto partly_written = [&] {
    for (const auto& entry : fs::directory_iterator(folder_.path()))
      if (entry.path().filename().string().starts_with("r.out.") && entry.file_size() > 0)
        return true;
    return false;
  };
  for (int wait = 0; wait < 1000 && !partly_written(); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  killed.signal(SIGINT);
  EXPECT_EQ(killed.wait().status, 128 + SIGINT);
  EXPECT_EQ(folder_.read("r.out"), kOldReport);

  for (const auto& entry : fs::directory_iterator(folder_.path()))
    if (entry.path().filename().string().starts_with("r.out.")) fs::remove(entry.path());
  Launch full_disk{{"a.in", "r.out"}};
  full_disk.file_size = 1000;
  const auto full = run(full_disk);
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.error.find("File too large"), std::string::npos) << full.error;
  EXPECT_EQ(folder_.read("r.out"), kOldReport);
  EXPECT_EQ(names(), (std::set<std::string>{"a.in", "capacity.in", "r.out"}));

  const auto device = run({{"a.in", "/dev/full"}});
  EXPECT_EQ(device.status, 1);
  EXPECT_NE(device.error.find("No space left on device"), std::string::npos) << device.error;
}

// Two runs on one report each write a whole report: the last one stays. A
// report named by a symbolic link replaces the link's target.
TEST_F(LoseNoData, ConcurrentRunsAndLinksLeaveAWholeReport) {
  folder_.write("small.in", fixtures::quarter_box_case(400, 1000));
  folder_.write("large.in", fixtures::quarter_box_case(480, 1000));
  ASSERT_EQ(run({{"small.in", "small.out"}}).status, 0);
  ASSERT_EQ(run({{"large.in", "large.out"}}).status, 0);
  test_support::Child small(folder_.path(), {{"small.in", "r.out"}});
  test_support::Child large(folder_.path(), {{"large.in", "r.out"}});
  EXPECT_EQ(small.wait().status, 0);
  EXPECT_EQ(large.wait().status, 0);
  const std::string report = folder_.read("r.out");
  EXPECT_TRUE(report == folder_.read("small.out") || report == folder_.read("large.out"));

  fs::create_symlink("small.out", folder_.path() / "link.out");
  ASSERT_EQ(run({{"large.in", "link.out"}}).status, 0);
  EXPECT_TRUE(fs::is_symlink(folder_.path() / "link.out"));
  EXPECT_EQ(folder_.read("small.out"), folder_.read("large.out"));
}

// An endless line ends the run with a failure, soon and in bounded memory;
// so does a problem state that cannot be allocated.
TEST_F(LoseNoData, MemoryStaysBounded) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#else
  Launch endless{{"/dev/zero", "r.out"}};
  endless.memory = std::size_t{256} << 20;
  const auto line = run(endless);
  EXPECT_EQ(line.status, 1);
  EXPECT_NE(line.error.find("READ(unit=5, file=/dev/zero)\r\n- line 1 is longer than 1048576"),
            std::string::npos)
      << line.error;
  Launch small_memory{{"a.in", "r.out"}};
  small_memory.memory = std::size_t{16} << 20;
  const auto state = run(small_memory);
  EXPECT_EQ(state.status, 1);
  EXPECT_NE(state.error.find("ALLOCATE(problem state)"), std::string::npos) << state.error;
#endif
}

}  // namespace
