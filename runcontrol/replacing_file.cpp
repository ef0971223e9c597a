#include "runcontrol/replacing_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <streambuf>
#include <utility>
#include <vector>

#include "runcontrol/failure.hpp"

namespace runcontrol {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the system allows in a path
constexpr std::size_t kBufferSize = std::size_t{1} << 16;
constexpr int kCreateAttempts = 100;  // of a temporary name not in use

// A stream buffer that writes to a file descriptor, leaving errno as the
// failed write set it, and keeping it.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd), buffer_(kBufferSize) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~DescriptorBuffer() override {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }
  int error() const { return error_; }  // errno of the first failed write, or 0
  // Closes the descriptor; false, with errno, when the system reports a
  // failure of the writes it delayed.
  bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  bool drain() {
    for (const char* p = pbase(); p < pptr();) {
      const ssize_t n = ::write(fd_, p, pptr() - p);
      if (n < 0 && errno != EINTR) {
        if (error_ == 0) error_ = errno;
        return false;
      }
      if (n > 0) p += n;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
  }

  int fd_;
  int error_ = 0;
  std::vector<char> buffer_;
};

class DiskFile : public OutputFile {
 public:
  // Writes to fd; when `temporary` is given, fd is that file, to be renamed
  // over `target` when kept.
  DiskFile(int fd, std::string temporary, std::string target)
      : buffer_(fd), out_(&buffer_), temporary_(std::move(temporary)), target_(std::move(target)) {}
  ~DiskFile() override {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
  }

  std::ostream& stream() override { return out_; }

  bool keep(std::string& why) override {
    errno = 0;
    const bool written = out_.flush() && (temporary_.empty() || ::fsync(buffer_.fd()) == 0) &&
                         buffer_.close() &&
                         (temporary_.empty() || ::rename(temporary_.c_str(), target_.c_str()) == 0);
    if (!written) {
      if (buffer_.error() != 0) errno = buffer_.error();
      why = with_system_reason("the file could not be written completely");
      return false;
    }
    temporary_.clear();
    return true;
  }

 private:
  DescriptorBuffer buffer_;
  std::ostream out_;
  std::string temporary_;
  std::string target_;
};

// The file a name leads to through any symbolic links.
fs::path link_target(fs::path name) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(name, error))) break;
    const fs::path to = fs::read_symlink(name, error);
    if (error) break;
    name = to.is_absolute() ? to : name.parent_path() / to;
  }
  return name;
}

// A new file beside target, target.partial-XXXXXX, created with the given
// permissions (a new file's are subject to the umask, as for any new file).
int temporary_beside(const fs::path& target, mode_t mode, bool exact_mode, std::string& temporary) {
  thread_local std::mt19937 random{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    temporary = target.string() + ".partial-";
    for (int i = 0; i < 6; ++i) temporary += kLetters[random() % (sizeof kLetters - 1)];
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd >= 0 && exact_mode && ::fchmod(fd, mode) != 0) {
      ::close(fd);
      ::unlink(temporary.c_str());
      return -1;
    }
    return fd;
  }
  return -1;
}

}  // namespace

std::unique_ptr<OutputFile> replacing_file(const std::string& name, std::string& why) {
  const fs::path target = link_target(name);
  struct stat existing {};
  errno = 0;
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) {
    why = with_system_reason("the file cannot be created or written");
    return nullptr;
  }
  if (exists && !S_ISREG(existing.st_mode)) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0) return std::make_unique<DiskFile>(fd, std::string(), name);
  } else if (!exists || ::access(target.c_str(), W_OK) == 0) {
    std::string temporary;
    const mode_t mode = exists ? existing.st_mode & 07777 : 0666;
    const int fd = temporary_beside(target, mode, exists, temporary);
    if (fd >= 0) return std::make_unique<DiskFile>(fd, temporary, target.string());
  }
  why = with_system_reason("the file cannot be created or written");
  return nullptr;
}

}  // namespace runcontrol
