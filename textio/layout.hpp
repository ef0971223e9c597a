// Writing records from layout texts such as (2X, I4, 2(2X, E14.5)).
//
// Items: nX, "text", r("text"), Iw, Ew.d, A, /, r(...) and a final \.
// Values are taken in order by the value items (I, E, A). When the values run
// out, output goes on through texts, nX and / up to the next value item; when
// the layout ends with values left, a new record starts at the last group of
// the outermost level (or at the start of a layout without one).
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "textio/output_channel.hpp"

namespace textio {

using Value = std::variant<int, double, std::string_view>;

// The records that one write statement produces, each with its control
// character first.
std::vector<std::string> format_records(std::string_view layout, std::span<const Value> values);

// Writes one statement's records to the channel. A real value that is not
// finite ends the run with a failure report instead.
void write(OutputChannel& channel, std::string_view layout, std::span<const Value> values);
void write(OutputChannel& channel, std::string_view layout,
           std::initializer_list<Value> values = {});

}  // namespace textio
