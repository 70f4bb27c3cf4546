// One scan over the whole text finds every bracket pair and, for each bracket group, the tree of
// its top-level operators (rightmost loosest operator at the root). Evaluation then walks those
// trees with an explicit stack, so a sub-text is never rescanned or copied and deep nesting
// cannot exhaust the machine stack. The result, the boxes and their order and the errors are
// those of splitting each sub-text afresh at its rightmost loosest operator.
#include "core/expr/EvaluateExpr.h"

#include <cstdint>
#include <vector>

#include "core/expr/EvalSteps.h"
#include "core/text/Blanks.h"

namespace mevrik::expr {
namespace {

using namespace steps;

constexpr std::int32_t kNone = -1;

struct OperatorNode {
  std::int32_t position;
  int level;
  std::int32_t left = kNone;   // tree of the text before the operator
  std::int32_t right = kNone;  // tree of the text after it
};

// For a "(" position: its ")" and the operator tree of the text between them.
struct Group {
  std::int32_t close = kNone;
  std::int32_t root = kNone;
};

// A sub-text [lo, hi) with the root of its operator tree, or a pending step.
enum class TaskKind : std::uint8_t { Evaluate, Combine, Negate, Apply };
struct Task {
  TaskKind kind;
  std::int32_t lo = 0, hi = 0;
  std::int32_t node = kNone;  // Evaluate/Combine: operator node; Apply: the function
};

class Evaluator {
public:
  Evaluator(std::u16string_view text, float& angleFactor, Notices& notices)
      : s_(text), angleFactor_(angleFactor), notices_(notices), groups_(text.size()) {
    // Enough for common texts in one allocation each; deeper ones grow as needed.
    nodes_.reserve(text.size() / 2 + 1);
    tasks_.reserve(text.size() + 4);
    values_.reserve(text.size() / 2 + 2);
  }

  double Run() {
    const std::int32_t root = Scan();
    Push(TaskKind::Evaluate, 0, Size(), root);
    while (!tasks_.empty()) {
      const Task task = tasks_.back();
      tasks_.pop_back();
      Perform(task);
    }
    return values_.back();
  }

private:
  static std::int32_t ToIndex(size_t i) { return static_cast<std::int32_t>(i); }
  std::int32_t Size() const { return ToIndex(s_.size()); }
  std::u16string_view Sub(std::int32_t lo, std::int32_t hi) const {
    return s_.substr(static_cast<size_t>(lo), static_cast<size_t>(hi - lo));
  }
  char16_t At(std::int32_t i) const { return s_[static_cast<size_t>(i)]; }
  void Push(TaskKind kind, std::int32_t lo, std::int32_t hi, std::int32_t node) {
    tasks_.push_back(Task{kind, lo, hi, node});
  }
  double Pop() {
    const double v = values_.back();
    values_.pop_back();
    return v;
  }

  // Matches brackets and builds each group's operator tree; returns the top-level root. A "+" or
  // "-" right after an operator, a "(" or the start is a sign, not an operator.
  std::int32_t Scan() {
    std::vector<std::int32_t> spine;  // right spines of the open groups' trees, one above another
    std::vector<std::pair<std::int32_t, size_t>> open;  // "(" position, its spine base
    bool afterOperator = true;
    for (std::int32_t i = 0; i < Size(); ++i) {
      const char16_t c = At(i);
      if (c == u' ') continue;
      if (c == u'(') {
        open.emplace_back(i, spine.size());
        afterOperator = true;
      } else if (c == u')') {
        if (open.empty()) ThrowExtraCloseBracket(s_);
        const auto [position, base] = open.back();
        open.pop_back();
        groups_[static_cast<size_t>(position)] = Group{i, base < spine.size() ? spine[base] : kNone};
        spine.resize(base);
        afterOperator = false;
      } else {
        const int level = OperatorLevel(c);
        const bool isOperator = level != 0 && !(level == 4 && afterOperator);
        afterOperator = level != 0;
        if (isOperator) AddOperator(i, level, spine, open.empty() ? 0 : open.back().second);
      }
    }
    if (!open.empty()) ThrowMissingCloseBracket(s_);
    return spine.empty() ? kNone : spine.front();
  }

  // Cartesian-tree insertion: a later operator of the same or a lower level becomes the parent,
  // so the root is the rightmost loosest operator.
  void AddOperator(std::int32_t position, int level, std::vector<std::int32_t>& spine,
                   size_t base) {
    const std::int32_t node = ToIndex(nodes_.size());
    nodes_.push_back(OperatorNode{position, level});
    std::int32_t last = kNone;
    while (spine.size() > base && nodes_[static_cast<size_t>(spine.back())].level >= level) {
      last = spine.back();
      spine.pop_back();
    }
    nodes_.back().left = last;
    if (spine.size() > base) nodes_[static_cast<size_t>(spine.back())].right = node;
    spine.push_back(node);
  }

  void Perform(const Task& task) {
    switch (task.kind) {
      case TaskKind::Evaluate: Evaluate(task.lo, task.hi, task.node); break;
      case TaskKind::Combine: CombineTop(task.node); break;
      case TaskKind::Negate: values_.back() = -values_.back(); break;
      case TaskKind::Apply:
        values_.back() = ApplyFunction(static_cast<Function>(task.node), values_.back(), angleFactor_);
        break;
    }
  }

  void Evaluate(std::int32_t lo, std::int32_t hi, std::int32_t node) {
    while (lo < hi && At(lo) == u' ') ++lo;
    while (hi > lo && At(hi - 1) == u' ') --hi;
    if (node == kNone) return EvaluateOperand(lo, hi);
    const OperatorNode& op = nodes_[static_cast<size_t>(node)];
    const char16_t symbol = At(op.position);
    if (op.position == lo || op.position + 1 == hi) {
      WarnMissingOperand(notices_, Sub(lo, op.position), symbol, Sub(op.position + 1, hi));
    }
    Push(TaskKind::Combine, 0, 0, node);
    const Task a{TaskKind::Evaluate, lo, op.position, op.left};
    const Task b{TaskKind::Evaluate, op.position + 1, hi, op.right};
    // The side evaluated first goes on the stack last.
    tasks_.push_back(LeftFirst(symbol) ? b : a);
    tasks_.push_back(LeftFirst(symbol) ? a : b);
  }

  void CombineTop(std::int32_t node) {
    const char16_t symbol = At(nodes_[static_cast<size_t>(node)].position);
    const double first = Pop();
    const double second = Pop();
    const bool leftFirst = LeftFirst(symbol);
    values_.push_back(Combine(symbol, leftFirst ? second : first, leftFirst ? first : second));
  }

  // A trimmed text without top-level operators: group, signed operand, function call or numeral.
  void EvaluateOperand(std::int32_t lo, std::int32_t hi) {
    const std::int32_t n = hi - lo;
    if (n == 0) return values_.push_back(0);
    if (At(lo) == u'(' && At(hi - 1) == u')') return EvaluateGroup(lo, hi - 1);
    if (At(lo) == u'-' || At(lo) == u'+') {
      if (At(lo) == u'-') Push(TaskKind::Negate, 0, 0, kNone);
      return Push(TaskKind::Evaluate, lo + 1, hi, kNone);
    }
    if (At(hi - 1) == u')' && n > 5) {
      EnsureAngleFactor(angleFactor_, notices_);
      const Function f = FunctionOf(Sub(lo, hi));
      if (f != Function::None) {
        Push(TaskKind::Apply, 0, 0, static_cast<std::int32_t>(f));
        return EvaluateGroup(lo + 3, hi - 1);
      }
    }
    values_.push_back(LeafValue(Sub(lo, hi)));
  }

  // The text between the "(" at open and the ")" at close. When they are not a pair, the text
  // between them has a ")" too many.
  void EvaluateGroup(std::int32_t open, std::int32_t close) {
    const Group& group = groups_[static_cast<size_t>(open)];
    if (group.close != close) ThrowExtraCloseBracket(text::TrimSpaces(Sub(open + 1, close)));
    Push(TaskKind::Evaluate, open + 1, close, group.root);
  }

  std::u16string_view s_;
  float& angleFactor_;
  Notices& notices_;
  std::vector<Group> groups_;
  std::vector<OperatorNode> nodes_;
  std::vector<Task> tasks_;
  std::vector<double> values_;
};

}  // namespace

double EvaluateExpr(std::u16string_view text, float& angleFactor, Notices& notices) {
  const std::u16string_view trimmed = text::TrimSpaces(text);
  if (trimmed.empty()) return 0;
  CheckLength(trimmed);
  return Evaluator(trimmed, angleFactor, notices).Run();
}

}  // namespace mevrik::expr
