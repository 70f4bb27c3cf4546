// The two rewrites of the way people write products and function arguments on paper.
#include <string>

#include "core/expr/CharClass.h"
#include "core/expr/Prepare.h"

namespace mevrik::expr {
namespace {

void ShowOnce(bool& flag, Notices& notices, std::u16string_view text) {
  if (!flag) return;
  std::u16string message(text);
  message += u"\r\n(注意：程序重新运行前不再提醒！)";
  notices.show(BoxKind::Information, u"注意", message);
  flag = false;
}

// "2(3)" -> "2*(3)", ")Sin" -> ")*Sin": a digit or ")" right before "(" or a function name.
std::u16string InsertOmittedProducts(std::u16string_view text, NoticeFlags& flags,
                                     Notices& notices) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 4);
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (IsDigit(text[i - 1]) || text[i - 1] == u')') &&
        (text[i] == u'(' || FunctionNameAt(text, i))) {
      out += u'*';
      ShowOnce(flags.implicitMultiply, notices,
               u"      计算式中出现省略乘号的计算，程序会自动补全乘号后进行计算。"
               u"请注意检查计算式、计算结果是否准确。");
    }
    out += text[i];
  }
  return out;
}

// "Sin30°+1" -> "Sin(30°)+1": a function name followed by a digit gets brackets around the
// number that follows, a "°" right after it included.
std::u16string CompleteFunctionBrackets(std::u16string_view text, NoticeFlags& flags,
                                        Notices& notices) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 4);
  size_t i = 0;
  while (i < text.size()) {
    if (!FunctionNameAt(text, i) || i + 3 >= text.size() || !IsDigit(text[i + 3])) {
      out += text[i++];
      continue;
    }
    ShowOnce(flags.bracketCompletion, notices,
             u"      计算式中出现三角函数后省略括号的计算，程序会自动补全括号后进行计算。"
             u"请注意检查计算式、计算结果是否准确。");
    out.append(text.substr(i, 3));
    out += u'(';
    i += 3;
    while (i < text.size() && (IsDigit(text[i]) || text[i] == u'.')) out += text[i++];
    if (i < text.size() && text[i] == u'°') out += text[i++];
    out += u')';
  }
  return out;
}

}  // namespace

std::u16string ExpandShorthand(std::u16string_view text, NoticeFlags& flags, Notices& notices) {
  return CompleteFunctionBrackets(InsertOmittedProducts(text, flags, notices), flags, notices);
}

}  // namespace mevrik::expr
