// mevrik-cli eval: the expression box and its calculate action from a terminal. Results go to
// stdout, the boxes the calculation shows go to stderr as "[TITLE]", the text and an empty line.
#include <iostream>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrNotices.h"
#include "cli/Usage.h"
#include "core/expr/EvaluateExpr.h"
#include "core/expr/JingDu.h"
#include "core/expr/Prepare.h"
#include "core/expr/TypedText.h"
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
    } else if (arg == "--precision" && i + 1 < args.size() && args[i + 1].size() == 1 &&
               args[i + 1][0] >= '0' && args[i + 1][0] <= '4') {
      options.precision = static_cast<PrecisionMode>(args[++i][0] - '0');
    } else {
      return std::nullopt;
    }
  }
  if (!haveExpression) return std::nullopt;
  return options;
}

// The state the window keeps for a run; the trigonometry help is never shown here.
class Session {
public:
  explicit Session(const EvalOptions& options)
      : precision_(options.precision),
        toHDu_(options.radians ? expr::kRadianFactor : expr::kDegreeFactor),
        context_{.notices = notices_, .toHDu = toHDu_, .flags = flags_, .radians = options.radians} {}

  // What the result box shows after typing the line and calculating it; nullopt for no result.
  std::optional<std::u16string> Calculate(std::string_view line) {
    // An expression copied from a spreadsheet or a document ends with a line break.
    const std::u16string text =
        expr::CalculationText(text::TrimTrailingBlanks(text::FromUtf8(line)));
    if (text.empty()) return std::nullopt;
    const std::u16string value = expr::BDSJS(text, context_);
    if (value.empty()) return std::nullopt;
    return expr::ResultText(precision_, value);
  }

private:
  StderrNotices notices_;
  expr::NoticeFlags flags_;
  PrecisionMode precision_;
  float toHDu_;
  expr::ExprContext context_;
};

// Prints the result line; true when there was a result.
bool CalculateLine(Session& session, std::string_view line) {
  const std::optional<std::u16string> result = session.Calculate(line);
  std::cout << (result ? text::ToUtf8(*result) : std::string()) << '\n';
  return result.has_value();
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
  Session session(*options);
  if (options->expression != "-") return CalculateLine(session, options->expression) ? 0 : 1;
  bool all = true;
  std::cin.tie(nullptr);
  for (std::string line; std::getline(std::cin, line);) {
    all = CalculateLine(session, line) && all;
    // Results reach an interactive reader before the next line is waited for, and a file
    // of expressions is not written one line per system call.
    if (std::cin.rdbuf()->in_avail() <= 0) std::cout.flush();
  }
  return all ? 0 : 1;
}

}  // namespace mevrik::cli
