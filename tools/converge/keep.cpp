#include "tools/converge/keep.hpp"

#include <filesystem>
#include <system_error>

#include "runcontrol/replacing_file.hpp"
#include "textio/printable.hpp"
#include "tools/converge/refused.hpp"

namespace converge {
namespace {

void write_file(const std::string& name, const std::string& bytes) {
  std::string why;
  const auto file = runcontrol::replacing_file(name, why);
  if (file) {
    file->stream() << bytes;
    file->stream().flush();
    if (!file->stream()) why = "it could not be written";
    if (file->stream() && file->keep(why)) return;
  }
  throw Refused("cannot write " + textio::printable(name) + ": " + why);
}

}  // namespace

void make_folder(const std::string& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return;
  if (!std::filesystem::create_directory(folder, error) || error)
    throw Refused("cannot make the folder " + textio::printable(folder) + ": " +
                  (error ? error.message() : "a file of that name is in the way"));
}

void keep_level(const std::string& folder, int k, const std::string& input,
                const std::string& report) {
  const std::filesystem::path base = std::filesystem::path(folder) / ("level" + std::to_string(k));
  write_file(base.string() + ".in", input);
  write_file(base.string() + ".out", report);
}

}  // namespace converge
