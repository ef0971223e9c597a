#include "textio/output_channel.hpp"

#include <cerrno>

#include "runcontrol/failure.hpp"

namespace textio {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNewPage = "\r\n\f\r \r";

// The bytes in front of a record's text, chosen by its control character.
std::string_view spacing(char control, bool pending) {
  switch (control) {
    case '0':
      return pending ? "\r\n\r\n" : kLineEnd;
    case '1':
      return kNewPage;
    case '+':
      return "\r";
    default:
      return pending ? kLineEnd : "";
  }
}

}  // namespace

void OutputChannel::connect(std::ostream& sink, int unit, const std::string& name) {
  sink_ = &sink;
  unit_ = unit;
  name_ = runcontrol::channel_name(unit, name);
  pending_ = false;
}

void OutputChannel::record(std::string_view rec) {
  const char control = rec.empty() ? ' ' : rec.front();
  put(spacing(control, pending_));
  if (!rec.empty()) put(rec.substr(1));
  pending_ = true;
  if (unit_ == 0) sink_->flush();  // progress messages and prompts show at once
}

void OutputChannel::line(std::string_view text) {
  if (pending_) put(kLineEnd);
  put(text);
  put(kLineEnd);
  pending_ = false;
  sink_->flush();
}

void OutputChannel::close() {
  if (sink_ == nullptr) return;
  if (pending_) put(kLineEnd);
  pending_ = false;
  errno = 0;
  sink_->flush();
  const bool failed = !*sink_;
  sink_ = nullptr;
  if (failed)
    throw runcontrol::Failure(
        runcontrol::Statement::CLOSE, name_,
        runcontrol::with_system_reason("the file could not be written completely"));
}

void OutputChannel::put(std::string_view bytes) {
  errno = 0;
  sink_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!*sink_)
    throw runcontrol::Failure(runcontrol::Statement::WRITE, name_,
                              runcontrol::with_system_reason("the file could not be written"));
}

}  // namespace textio
