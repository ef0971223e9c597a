#include "tests/support/memory_run.hpp"

#include <memory>
#include <sstream>

#include "2D/driver.hpp"

namespace test_support {

MemoryRun run_in_memory(const std::string& input, runcontrol::MemoryFiles* files) {
  runcontrol::MemoryFiles own;
  if (files == nullptr) files = &own;
  files->add("IN", input);
  std::istringstream typed;
  std::ostringstream console, error;
  const auto state = std::make_unique<velda::Velda>();
  const std::string args[] = {"velda", "IN", "OUT"};
  const int status = velda::run(*state, args, {typed, console, error}, *files);
  return {status, console.str(), error.str(), files->contents("OUT")};
}

}  // namespace test_support
