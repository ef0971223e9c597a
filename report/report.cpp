#include "report/report.hpp"

#include <algorithm>
#include <array>
#include <map>

#include "report/format.hpp"
#include "report/read_file.hpp"
#include "report/report_error.hpp"
#include "report/statement.hpp"
#include "report/title.hpp"
#include "textio/fields.hpp"

namespace report {
namespace {

using textio::trimmed;

constexpr Kind I = Kind::integer, E = Kind::real;
constexpr std::array kCounts{I, I};
constexpr std::array kSymmetry{I, I};
constexpr std::array kPoint{I, E, E};
constexpr std::array kNodeEchoOne{I, I, E};
constexpr std::array kNodeEchoTwo{I, I, E, E};
constexpr std::array kOneInteger{I};
constexpr std::array kNode{I, E, E, E, E, E};
constexpr std::array kInterfaceNode{I, E, E, E, E};
constexpr std::array kInternal{E, E, E, E, E};
constexpr std::array kFluxLine{I, E};
// The code field of the echo is two columns wide: asterisks there stand for
// a group of at least 10.
constexpr int kLeastStarredGroup = 10;

// How a statement's message shows a value missing at the end of a line.
constexpr std::string_view kNothing = "holds \"\"";

// Where the report ends when it ends before its end.
struct Ended {
  std::string where;
};

int integer(const Statement& s, std::size_t k) { return std::get<int>(s.values[k]); }
double real(const Statement& s, std::size_t k) { return std::get<double>(s.values[k]); }

class Reader {
 public:
  Reader(Lines lines, const std::string& name) : lines_(lines), name_(name) {}

  // The statement at the reader's place, moved past; the reading ends when
  // the report ends first or is not as the layout writes it there.
  Statement need(std::string_view layout, std::span<const Kind> kinds, const char* where) {
    std::optional<Statement> s = maybe(layout, kinds, where);
    if (!s && row_line_ == lines_.number())
      fail(last_why_ + ", or as a row of the table above, " + row_why_);
    if (!s) fail(last_why_);
    return *s;
  }
  Statement need(std::string_view layout, const char* where) { return need(layout, {}, where); }

  // The same, or nothing, staying put, when the lines are not this statement's.
  std::optional<Statement> maybe(std::string_view layout, std::span<const Kind> kinds,
                                 const char* where) {
    auto shape = shapes_.find({layout.data(), kinds.size()});
    if (shape == shapes_.end())
      shape =
          shapes_.emplace(std::pair(layout.data(), kinds.size()), shape_of(layout, kinds)).first;
    Statement s = read_statement(lines_, layout, kinds, shape->second);
    if (s.outcome == Statement::ended) throw Ended{where};
    if (s.outcome == Statement::read) return s;
    last_why_ = s.why;
    return std::nullopt;
  }

  // A numbered record of a table: the one numbered `number`, of either shape.
  std::optional<Statement> numbered(std::string_view layout, std::span<const Kind> longer,
                                    std::span<const Kind> shorter, int number, const char* where) {
    const Lines before = lines_;
    auto s = maybe(layout, longer, where);
    const std::string longer_why = last_why_;
    if (!s && !shorter.empty()) s = maybe(layout, shorter, where);
    if (!s) {
      // Why it is not a row: of the longer shape, unless a value is missing
      // from the end of its line.
      row_why_ = longer_why.find(kNothing) == std::string::npos ? longer_why : last_why_;
      row_why_ = row_why_.substr(row_why_.find(' ', std::string_view("line ").size()) + 1);
      row_line_ = lines_.number();
    }
    if (s && integer(*s, 0) != number) {
      lines_ = before;
      row_why_ = "is row " + std::to_string(integer(*s, 0)) + ", not " + std::to_string(number);
      row_line_ = lines_.number();
      return std::nullopt;
    }
    return s;
  }

  Lines& lines() { return lines_; }

  [[noreturn]] void fail(const std::string& why) const {
    throw ReportError("cannot read the report '" + name_ + "': " + why);
  }

  std::string line_number() const { return "line " + std::to_string(lines_.number()); }

 private:
  Lines lines_;
  const std::string& name_;
  std::string last_why_;
  std::string row_why_;  // why the line at row_line_ is not a row of the table
  std::size_t row_line_ = 0;
  // Each layout's shape, by its text and number of values, found once.
  std::map<std::pair<const char*, std::size_t>, Shape> shapes_;
};

// A count of the echo, as a run that goes on to its results has it.
int count(const Reader& reader, const Statement& s, std::size_t k, int least, const char* what) {
  const int n = integer(s, k);
  if (n < least) reader.fail("the echo's " + std::string(what) + " is not a count");
  return n;
}

// The echo of the input after the title: the counts it gives, and the
// currents groups its node codes call for.
struct Echo {
  int elements = 0, internal_points = 0;
  Statement counts;
  int groups = 0;        // the largest group number shown
  bool starred = false;  // a code too negative to be shown: a group of 10 or more
};

void read_boundaries(Reader& reader, Report& report) {
  Lines ahead = reader.lines();
  const Statement first = read_statement(ahead, kBoundariesEcho, std::span(kOneInteger));
  if (first.texts.empty()) reader.fail(first.why);
  const int boundaries = integer(first, 0);
  if (boundaries < 1) reader.fail("the echo's number of different boundaries is not a count");
  const std::vector<Kind> kinds(static_cast<std::size_t>(boundaries) + 1, I);
  report.boundaries = reader.need(kBoundariesEcho, kinds, "in the data echo").texts[0];
}

Echo read_echo(Reader& reader, Report& report) {
  Echo echo;
  constexpr const char* kIn = "in the data echo";
  if (reader.lines().at_end())
    throw Ended{"after its title: the counts were refused or could not be read"};
  echo.counts = reader.need(kCountsEcho, kCounts, kIn);
  report.elements = echo.counts.texts[0];
  report.internal_points = echo.counts.texts[1];
  reader.need(kSymmetryEcho, kSymmetry, kIn);
  if (!reader.maybe(kPointsHeading, {}, kIn)) {
    read_boundaries(reader, report);
    reader.need(kPointsHeading, kIn);
  }
  for (int P = 1; reader.numbered(kPointEcho, kPoint, {}, P, kIn); ++P) {
  }
  reader.need(kConditionsHeading, kIn);
  for (int node = 1;; ++node) {
    const auto s = reader.numbered(kNodeEcho, kNodeEchoTwo, kNodeEchoOne, node, kIn);
    if (!s) break;
    const int code = integer(*s, 1);
    echo.starred = echo.starred || code == kTooWide;
    if (code < 0 && code != kTooWide) echo.groups = std::max(echo.groups, -code);
  }
  return echo;
}

// What follows the echo when the run went on: a line of asterisks, perhaps
// after the solver's warning; or the line that says why the input is
// refused, at the end of the report. True when the results follow.
bool results_follow(Reader& reader, Report& report) {
  constexpr const char* kBefore = "before its results";
  if (reader.lines().at_end()) throw Ended{kBefore};
  if (const auto warning = reader.maybe(kPivotWarning, kOneInteger, kBefore))
    report.note =
        std::string(trimmed(textio::format_records(kPivotWarning, warning->values).front()));
  if (reader.maybe(kSeparator, {}, kBefore)) return true;
  if (!report.note.empty()) reader.need(kSeparator, kBefore);
  const auto refusal = reader.lines().peek();
  if (!refusal || !refusal->whole) throw Ended{kBefore};
  report.note = std::string(trimmed(refusal->text));
  reader.lines().advance();
  const auto after = reader.lines().peek();
  if (after && after->whole && after->text.empty()) reader.lines().advance();
  return false;
}

NodeResult node_of(const Statement& s) {
  NodeResult n{integer(s, 0), {real(s, 1), real(s, 2)}, real(s, 3), real(s, 4), {}, s.texts};
  n.printed.erase(n.printed.begin());
  if (s.values.size() == kNode.size()) n.derivative = real(s, 5);
  return n;
}

InternalResult internal_of(const Statement& s) {
  return {{real(s, 0), real(s, 1)}, real(s, 2), {real(s, 3), real(s, 4)}, s.texts};
}

void read_results(Reader& reader, const Echo& echo, Results& results) {
  constexpr const char* kIn = "in its results";
  reader.need(kNodesHeading, kIn);
  for (int node = 1;; ++node) {
    const auto s = reader.numbered(kNodeResult, kNode, kInterfaceNode, node, kIn);
    if (!s) break;
    results.nodes.push_back(node_of(*s));
  }
  if (echo.internal_points != 0) {
    reader.need(kInternalHeading, kIn);
    while (const auto s = reader.maybe(kInternalResult, kInternal, kIn))
      results.internal.push_back(internal_of(*s));
  }
  reader.need(kSeparator, kIn);
  const auto check = [&](std::size_t rows, int count, const std::string& what) {
    if (rows != static_cast<std::size_t>(count))
      reader.fail("it lists " + std::to_string(rows) + " " + what + ", the echo gives " +
                  std::to_string(count));
  };
  check(results.nodes.size(), echo.elements, "boundary nodes");
  check(results.internal.size(), echo.internal_points, "internal points");
}

std::vector<std::string> read_currents(Reader& reader, const Echo& echo) {
  constexpr const char* kIn = "in its currents";
  std::vector<std::string> fluxes;
  if (echo.groups == 0 && !echo.starred) return fluxes;
  if (reader.lines().at_end()) throw Ended{"before its currents"};
  reader.need(kCurrentsHeading, kIn);
  for (int group = 1;; ++group) {
    const auto s = reader.numbered(kFlux, kFluxLine, {}, group, kIn);
    if (!s) break;
    fluxes.push_back(s->texts[1]);
  }
  reader.need(kSeparator, kIn);
  const auto groups = static_cast<int>(fluxes.size());
  if (echo.starred ? groups < std::max(echo.groups, kLeastStarredGroup) : groups != echo.groups)
    reader.fail("it lists the currents of " + std::to_string(groups) +
                " groups, the node codes call for " +
                (echo.starred ? "10 or more" : std::to_string(echo.groups)));
  return fluxes;
}

// The report after its title, read into `report`.
void read_after_title(Reader& reader, Report& report) {
  Echo echo = read_echo(reader, report);
  if (!results_follow(reader, report)) {
    report.status = Status::refused;
  } else {
    echo.elements = count(reader, echo.counts, 0, 1, "number of boundary elements");
    echo.internal_points = count(reader, echo.counts, 1, 0, "number of internal points");
    read_results(reader, echo, report.results);
    report.fluxes = read_currents(reader, echo);
    report.status = Status::complete;
  }
  if (!reader.lines().at_end())
    reader.fail(reader.line_number() + " follows the end of the report");
}

}  // namespace

Report parse(std::string_view text, const std::string& name) {
  const Lines lines(text);
  const auto readings = read_title(lines, name);
  Report report;
  if (readings.empty()) report.note = "the report stops before its title";
  const std::string cut = text.ends_with('\n') ? "" : " (its last line has no line end)";
  if (readings.empty()) report.note += cut;
  for (std::size_t k = 0; k < readings.size(); ++k) {
    report = Report();
    report.title = readings[k].title;
    Reader reader(readings[k].after, name);
    try {
      read_after_title(reader, report);
      return report;
    } catch (const Ended& ended) {
      report.status = Status::incomplete;
      report.note = "the report stops " + ended.where;
      report.note += cut;
    } catch (const ReportError&) {
      if (k + 1 == readings.size()) throw;  // else the other reading of a blank title
      continue;
    }
    break;
  }
  report.results = {};  // no partial results
  report.fluxes.clear();
  return report;
}

Report read(const std::string& path) { return parse(read_file(path, "report"), path); }

}  // namespace report
