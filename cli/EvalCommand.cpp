// mevrik-cli eval: the expression box and its calculate action from a terminal. Results go to
// stdout, the boxes the calculation shows go to stderr as "[TITLE]", the text and an empty line.
#include <iostream>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/OptionValues.h"
#include "cli/StderrNotices.h"
#include "cli/Usage.h"
#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExpressionSession.h"
#include "core/text/Blanks.h"
#include "core/text/Utf16.h"

namespace mevrik::cli {
namespace {

using expr::PrecisionMode;

struct EvalOptions {
  PrecisionMode precision = PrecisionMode::SmartLow;
  bool radians = false;
  std::string expression;  // "-" reads one expression per line from stdin
};

std::optional<EvalOptions> ParseOptions(const std::vector<std::string>& args) {
  EvalOptions options;
  bool haveExpression = false;
  bool optionsEnd = false;  // after "--" an argument is the expression, even "--2"
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnd || arg.rfind("--", 0) != 0) {
      if (haveExpression) return std::nullopt;
      options.expression = arg;
      haveExpression = true;
    } else if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--radians") {
      options.radians = true;
    } else if (arg == "--precision" && i + 1 < args.size()) {
      const auto precision = PrecisionOption(text::FromUtf8(args[++i]));
      if (!precision) return std::nullopt;
      options.precision = *precision;
    } else {
      return std::nullopt;
    }
  }
  if (!haveExpression) return std::nullopt;
  return options;
}

// The window ends such a calculation without a word; a terminal user gets the reason.
void SayTooLong() {
  std::cerr << "计算式超过 " << expr::kMaxExprLength << " 个字符，不能计算。/ The expression is longer than "
            << expr::kMaxExprLength << " characters and cannot be calculated.\n";
}

// Prints what the result box shows after typing the line and calculating it; true when there
// was a result.
bool CalculateLine(expr::ExpressionSession& session, std::string_view line) {
  // An expression copied from a spreadsheet or a document ends with a line break.
  const auto done = session.Calculate(text::TrimTrailingBlanks(text::FromUtf8(line)));
  const bool result = done && !done->value.empty() && done->result;
  std::cout << (result ? text::ToUtf8(*done->result) : std::string()) << '\n';
  return result;
}

// More bytes than any expression the evaluator takes can have: a character is at most three
// bytes of UTF-8 for each of its UTF-16 units, and a few more cover the degree signs and equals
// signs the calculation drops.
constexpr std::size_t kLineLimit = 4 * expr::kMaxExprLength + 4;

enum class LineRead { Line, TooLong, End, Unreadable };

// One line of input without its line break and without its blanks, which the calculation
// removes anyway. A line that goes on beyond kLineLimit bytes is read to its end without being
// kept: a line of a hundred megabytes costs no memory. Input that cannot be read (closed, a
// folder) is Unreadable: the stream's buffer reports it by throwing.
LineRead ReadLine(std::istream& in, std::string& line) try {
  line.clear();
  std::streambuf& input = *in.rdbuf();
  bool tooLong = false;
  int c = input.sbumpc();
  if (c == std::char_traits<char>::eof()) return LineRead::End;
  for (; c != std::char_traits<char>::eof() && c != '\n'; c = input.sbumpc()) {
    if (c == ' ') continue;
    if (line.size() < kLineLimit) line += static_cast<char>(c);
    else tooLong = true;
  }
  return tooLong ? LineRead::TooLong : LineRead::Line;
} catch (const std::ios_base::failure&) {
  return LineRead::Unreadable;
}

}  // namespace

int RunEval(const std::vector<std::string>& args) {
  if (AsksForHelp(args)) {
    std::cout << "用法 / Usage:\n" << kEvalUsage;
    return 0;
  }
  const std::optional<EvalOptions> options = ParseOptions(args);
  if (!options) {
    std::cerr << "用法 / Usage: mevrik-cli eval [--precision N] [--radians] [--] EXPRESSION|-\n"
                 "  (mevrik-cli eval --help)\n";
    return 2;
  }
  std::ios::sync_with_stdio(false);  // stdout and stderr are separate streams to the reader
  // The trigonometry help is never shown here.
  StderrNotices notices;
  expr::ExpressionSession session(notices);
  session.SetPrecision(options->precision);
  if (options->radians) session.SetUnit(expr::AngleUnit::Radians);
  session.OnTooLong(SayTooLong);
  if (options->expression != "-") return CalculateLine(session, options->expression) ? 0 : 1;
  bool all = true;
  std::cin.tie(nullptr);
  std::string line;
  for (LineRead read; (read = ReadLine(std::cin, line)) != LineRead::End;) {
    if (read == LineRead::Unreadable) {
      std::cerr << "mevrik-cli: 标准输入无法读取 / standard input cannot be read\n";
      return 1;
    }
    if (read == LineRead::TooLong) {
      SayTooLong();
      std::cout << '\n';
      all = false;
    } else {
      all = CalculateLine(session, line) && all;
    }
    // Results reach an interactive reader before the next line is waited for, and a file
    // of expressions is not written one line per system call.
    if (std::cin.rdbuf()->in_avail() <= 0) std::cout.flush();
    // Nobody reads the results or the warnings any more: the rest of the input is left
    // uncalculated.
    if (!std::cout || !std::cerr) break;
  }
  return all ? 0 : 1;
}

}  // namespace mevrik::cli
