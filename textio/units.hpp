// The channels of a run: the console and the two files.
#pragma once

#include <istream>
#include <memory>

#include "runcontrol/replacing_file.hpp"
#include "textio/input_channel.hpp"
#include "textio/output_channel.hpp"

namespace textio {

struct Units {
  InputChannel keyboard;  // console input
  OutputChannel console;  // console output
  InputChannel input;     // the input file, unit 5
  OutputChannel report;   // the report file, unit 6

  std::unique_ptr<std::istream> input_file;
  std::unique_ptr<runcontrol::OutputFile> report_file;
};

}  // namespace textio
