#include "textio/layout.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "runcontrol/failure.hpp"
#include "textio/fields.hpp"

namespace textio {
namespace {

struct Item {
  enum Kind { kSkip, kText, kInteger, kReal, kAlpha, kSlash, kKeepOpen, kGroup };

  explicit Item(Kind k, int r = 1) : kind(k), repeat(r) {}

  Kind kind;
  int repeat = 1;  // r of r(...) and r("text"); n of nX
  int width = 0;
  int digits = 0;
  std::string text;
  std::vector<Item> items;  // of a group

  bool takes_value() const { return kind == kInteger || kind == kReal || kind == kAlpha; }
};

// Layout texts are part of the program, so a malformed one is a programming
// error, not a user's.
[[noreturn]] void malformed(std::string_view layout) {
  throw std::logic_error("malformed layout " + std::string(layout));
}

class Parser {
 public:
  explicit Parser(std::string_view layout) : s_(layout) {}

  std::vector<Item> parse() {
    skip_blanks();
    expect('(');
    std::vector<Item> items = list();
    expect(')');
    skip_blanks();
    if (pos_ != s_.size()) malformed(s_);
    return items;
  }

 private:
  std::vector<Item> list() {
    std::vector<Item> items;
    for (;;) {
      skip_blanks();
      items.push_back(item());
      skip_blanks();
      if (peek() != ',') return items;
      ++pos_;
    }
  }

  Item item() {
    const int count = number(-1);
    const char c = peek();
    ++pos_;
    switch (std::toupper(static_cast<unsigned char>(c))) {
      case '(': {
        Item group(Item::kGroup, count < 0 ? 1 : count);
        group.items = list();
        expect(')');
        return group;
      }
      case '"': {
        const auto end = s_.find('"', pos_);
        if (end == std::string_view::npos) malformed(s_);
        Item text(Item::kText, count < 0 ? 1 : count);
        text.text = s_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return text;
      }
      case 'X':
        if (count < 0) malformed(s_);
        return Item(Item::kSkip, count);
      case 'I': {
        Item field(Item::kInteger);
        field.width = number(0);
        return field;
      }
      case 'E': {
        Item field(Item::kReal);
        field.width = number(0);
        expect('.');
        field.digits = number(0);
        return field;
      }
      case 'A':
        return Item(Item::kAlpha);
      case '/':
        return Item(Item::kSlash);
      case '\\':
        return Item(Item::kKeepOpen);
      default:
        malformed(s_);
    }
  }

  // An unsigned number, or `absent` when none stands here.
  int number(int absent) {
    if (!std::isdigit(static_cast<unsigned char>(peek()))) return absent;
    int n = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) n = 10 * n + (s_[pos_++] - '0');
    return n;
  }

  char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
  void skip_blanks() {
    while (peek() == ' ') ++pos_;
  }
  void expect(char c) {
    skip_blanks();
    if (peek() != c) malformed(s_);
    ++pos_;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

bool any_value_item(const std::vector<Item>& items) {
  return std::any_of(items.begin(), items.end(), [](const Item& item) {
    return item.takes_value() || (item.kind == Item::kGroup && any_value_item(item.items));
  });
}

// One write statement: walks the layout, consuming values, and collects the
// records it produces.
class WriteStatement {
 public:
  explicit WriteStatement(std::span<const Value> values) : values_(values) {}

  std::vector<std::string> run(const std::vector<Item>& layout) {
    // Where a new pass starts when the layout ends with values left: the
    // last group of the outermost level, else the start.
    std::size_t again = 0;
    for (std::size_t i = 0; i < layout.size(); ++i)
      if (layout[i].kind == Item::kGroup) again = i;
    const std::vector<Item> rest(layout.begin() + again, layout.end());
    if (!values_.empty() && !any_value_item(rest)) malformed("without value items for the values");

    bool more = walk(layout);
    while (more && next_ < values_.size()) {
      end_record();
      more = walk(rest);
    }
    end_record();
    return std::move(records_);
  }

 private:
  // Processes the items in order; false once a value item finds no value
  // left, which ends the statement.
  bool walk(const std::vector<Item>& items) {
    for (const Item& item : items) {
      switch (item.kind) {
        case Item::kSkip:
          skip_ += item.repeat;
          break;
        case Item::kText:
          for (int r = 0; r < item.repeat; ++r) put(item.text);
          break;
        case Item::kSlash:
          end_record();
          break;
        case Item::kKeepOpen:
          // Every record's line end is written in front of the next record,
          // so a record is always left open for what follows it.
          break;
        case Item::kGroup:
          for (int r = 0; r < item.repeat; ++r)
            if (!walk(item.items)) return false;
          break;
        default:
          if (next_ == values_.size()) return false;
          put(render(item, values_[next_++]));
      }
    }
    return true;
  }

  static std::string render(const Item& item, const Value& value) {
    switch (item.kind) {
      case Item::kInteger:
        return integer_field(std::get<int>(value), item.width);
      case Item::kReal:
        return real_field(std::get<double>(value), item.width, item.digits);
      default:
        return std::string(std::get<std::string_view>(value));
    }
  }

  // Skipped columns become blanks only when something follows them.
  void put(std::string_view text) {
    current_.append(skip_, ' ');
    skip_ = 0;
    current_ += text;
  }

  void end_record() {
    records_.push_back(std::move(current_));
    current_.clear();
    skip_ = 0;
  }

  std::span<const Value> values_;
  std::size_t next_ = 0;
  std::vector<std::string> records_;
  std::string current_;
  int skip_ = 0;
};

}  // namespace

std::vector<std::string> format_records(std::string_view layout, std::span<const Value> values) {
  return WriteStatement(values).run(Parser(layout).parse());
}

void write(OutputChannel& channel, std::string_view layout, std::span<const Value> values) {
  for (const Value& value : values) {
    const double* real = std::get_if<double>(&value);
    if (real != nullptr && !std::isfinite(*real)) {
      runcontrol::check_arithmetic();
      throw runcontrol::Failure(runcontrol::Statement::ARITHMETIC, channel.name(),
                                "a result to be written is not a finite number");
    }
  }
  for (const std::string& rec : format_records(layout, values)) channel.record(rec);
}

void write(OutputChannel& channel, std::string_view layout, std::initializer_list<Value> values) {
  write(channel, layout, std::span(values.begin(), values.size()));
}

}  // namespace textio
