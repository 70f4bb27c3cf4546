// CalculateTyped: the checks, mappings and boxes between the typed text and the evaluator.
#include "core/expr/Prepare.h"

#include <optional>

#include "core/expr/CharClass.h"
#include "core/expr/EvalSteps.h"
#include "core/expr/EvaluateExpr.h"
#include "core/expr/ExprError.h"
#include "core/expr/HelpTexts.h"
#include "core/text/Blanks.h"
#include "core/text/NumberWriters.h"
#include "core/text/TypedForm.h"

namespace mevrik::expr {
namespace {

// Full-width punctuation, paper operators and bracket shapes; nullopt keeps the character. No
// replacement produces a character that another one replaces, so one pass does them all.
std::optional<std::u16string_view> Mapped(char16_t c) {
  switch (c) {
    case u' ': return u"";
    case u'＋': return u"+";
    case u'－': return u"-";
    case u'×': case u'·': return u"*";
    case u'÷': return u"/";
    case u'（': case u'[': case u'〔': case u'{': case u'｛': return u"(";
    case u'）': case u']': case u'〕': case u'}': case u'｝': return u")";
    case u'π': return u"3.14159";
    default: return std::nullopt;
  }
}

// Digits and the point of an input method in full-width mode, mapped with the operators.
bool IsFullWidthNumberCharacter(char16_t c) { return (c >= u'０' && c <= u'９') || c == u'．'; }

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

// Whether a character of `firsts` is directly followed by one of `seconds`.
bool HasPair(std::u16string_view text, std::u16string_view firsts, std::u16string_view seconds) {
  const auto in = [](std::u16string_view set, char16_t c) {
    for (char16_t m : set) {
      if (m == c) return true;
    }
    return false;
  };
  for (size_t i = 1; i < text.size(); ++i) {
    if (in(seconds, text[i]) && in(firsts, text[i - 1])) return true;
  }
  return false;
}

bool ContainsFunctionName(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (FunctionNameAt(text, i)) return true;
  }
  return false;
}

// Replaces every occurrence, scanning left to right once.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
  std::u16string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t found; (found = text.find(from, start)) != std::u16string_view::npos;
       start = found + from.size()) {
    out.append(text.substr(start, found - start));
    out.append(to);
  }
  out.append(text.substr(start));
  return out;
}

std::u16string MapCharacters(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + 8);
  for (char16_t c : text) {
    const std::optional<std::u16string_view> to = Mapped(c);
    if (to) out.append(*to);
    else if (IsFullWidthNumberCharacter(c)) out += text::TypedForm(c);
    else out += c;
  }
  return out;
}

// "°°°" -> "°", after a box saying so.
void CollapseDegreeSigns(std::u16string& text, Notices& notices) {
  if (!Contains(text, u"°°")) return;
  notices.show(BoxKind::Information, u"注意",
               u"      计算式中出现连续的“°”，程序会去除重复的“°”后继续计算。\r\n"
               u"请注意检查计算式、计算结果是否正确。");
  while (Contains(text, u"°°")) text = ReplaceAll(text, u"°°", u"°");
}

std::u16string_view StripEquals(std::u16string_view text) {
  while (!text.empty() && text.front() == u'=') text.remove_prefix(1);
  while (!text.empty() && text.back() == u'=') text.remove_suffix(1);
  return text;
}

// The warnings about doubtful operator pairs; false when the text is refused.
bool CheckOperators(std::u16string_view text, Notices& notices) {
  if (HasPair(text, u"*/", u"*/")) {  // "**", "*/", "//", "/*"
    notices.show(BoxKind::Critical, u"注意！",
                 u"    计算式中含有连续运算（**、*/、//、/*），\r\n"
                 u"连续乘除运算会出错，请检查、修正。 ");
    return false;
  }
  if (Contains(text, u"\\")) {
    notices.show(BoxKind::Warning, u"注意！",
                 u"    检测到计算式中含有整除运算（\\），\r\n"
                 u"请确认是否需要整除运算（5\\2=2）。 ");
  }
  if (HasPair(text, u"+-*/", u"+-")) {  // "+-", "--", "*-", "/-", "++", "-+", "*+", "/+"
    notices.show(BoxKind::Warning, u"注意！",
                 u"    计算式中含有连续运算（+-、--、*-、/-、++、-+、*+、/+），\r\n"
                 u"注意检查是否正确。 ");
  }
  return true;
}

// Considered once per run, at the first text that gets this far; shown at one run in four of
// those whose first text has a function.
void TrigonometryHelp(std::u16string_view text, ExprContext& context) {
  if (!context.flags.trigHelp) return;
  context.flags.trigHelp = false;
  if (context.helpCountdown == nullptr) return;
  const bool hasFunction = ContainsFunctionName(text);
  // Read even without a function: the configuration read writes its default back.
  const int countdown = context.helpCountdown->get();
  if (!hasFunction) return;
  if (countdown == 0) context.notices.show(BoxKind::Information, u"注意！", TrigonometryHelpText());
  context.helpCountdown->set(countdown - 1 < 0 ? 3 : countdown - 1);
}

void ShowError(const ExprError& error, ExprContext& context) {
  const std::int32_t code = error.code();
  const std::u16string number = text::ValueText(code);
  std::u16string message;
  if (code == errors::DivisionByZero) {
    message = u"  错误：" + number + u"——" + error.description() + u"\r\n\r\n请检查运算符！";
  } else if (code == errors::TypeMismatch || code == errors::ExtraCloseBracket ||
             code == errors::MissingCloseBracket) {
    message = u"  错误！" + error.description();
  } else {
    message = u"  错误：" + number + u"——" + error.description() +
              u"\r\n\r\n  这可能是由于计算式内含有非运算或函数符号引起的，\r\n\r\n请重新检查计算式！";
  }
  context.notices.show(BoxKind::CriticalSystemModal, u"错误！", message);
  // These mean the typed text itself is wrong, so it should not stay in the history.
  const bool typingError = code == errors::DivisionByZero || code == errors::TypeMismatch ||
                           code == errors::ExtraCloseBracket ||
                           code == errors::MissingCloseBracket;
  if (typingError && context.removeHistoryHead) context.removeHistoryHead();
}

}  // namespace

std::u16string CalculateTyped(std::u16string_view input, ExprContext& context) {
  Notices& notices = context.notices;
  if (input.find_first_of(u"dDeE") != std::u16string_view::npos) {
    notices.show(BoxKind::Information, u"注意！",
                 u"      计算式中出现字母“e”、“d”，计算机用其作为科学计数法字符，"
                 u"请注意检查计算结果是否准确。");
  }
  std::u16string mapped = MapCharacters(input);
  CollapseDegreeSigns(mapped, notices);
  if (text::TrimSpaces(mapped).empty()) {
    notices.show(BoxKind::Warning, u"无计算式！", u"无有效计算式!\r\n请检查计算式是否正确。");
    return {};
  }
  const std::u16string_view text = StripEquals(mapped);
  if (text.empty()) return {};
  if (!CheckOperators(text, notices)) return {};
  TrigonometryHelp(text, context);
  // Longer texts overflow the 16-bit positions of the rewriting, which gives up silently.
  if (text.size() > kMaxExprLength) {
    if (context.tooLong) context.tooLong();
    return {};
  }
  std::u16string converted = ExpandShorthand(text, context.flags, notices);
  if (Contains(converted, u"°")) {
    converted = ReplaceAll(converted, u"°", context.radians ? u"*0.0174532925" : u"");
  }
  if (context.convertedTooltip) context.convertedTooltip(u"整理后：" + converted);
  try {
    return text::ValueText(EvaluateExpr(converted, context.angleFactor, notices));
  } catch (const ExprError& error) {
    ShowError(error, context);
    return {};
  }
}

}  // namespace mevrik::expr
