#include "core/expr/HelpTexts.h"

#include <string_view>

namespace mevrik::expr {
namespace {

// Points ① to ④, one line each as the box breaks them.
constexpr std::u16string_view kSharedLines[] = {
    u"    ①、本程序计算式计算仅支持正弦Sin()、余弦Cos()、正切Tan() ",
    u"反正切Atn()等4个三角函数，函数不分大小写，函数后接无符号数字时可省略括号，否则必须加括号；"
    u"函数支持嵌套，嵌套算式必须放入括号内，即写成Sin(Cos#)、Tan（aX+bY），否则会出错。",
    u"    ②、可以在【设置】-【角度单位】中设置角度的单位，程序每次启动均默认为°；"
    u"无论选择何种角度单位，在角度值后输入°符号或du，",
    u"程序都会以度为单位进行计算，即Sin(30°)=sin(π/6)=1/2。 ",
    u"    ③、程序自动以3.1416替换π、以°替换“du”，由于数据转换精度的原因某些角度计算会有问题，"
    u"例如Tan(90°)=82183014。",
    u"    ④、计算式中出现角度时程序以纯数字进行计算，即：Sin（30°）+Atn（1）=45.5、5°+3=8。",
};

constexpr std::u16string_view kCleanUp =
    u"程序会自动去掉计算式中的空格、前后等号，自动处理运算符、[ ]、｛｝等，"
    u"无法识别的运算会予以提示（提示不一定准确），鼠标放在输入框前的“★计算式”上会显示转换后的计算式。";

std::u16string SharedLines() {
  std::u16string text;
  for (std::u16string_view line : kSharedLines) text.append(line).append(u"\r\n");
  return text;
}

}  // namespace

std::u16string ExpressionHelpText() {
  return SharedLines() +
         u"    ⑤、数字或右括号“)”与三角函数或左括号“(”之间的乘号可以省略，程序在计算时会自动添加。\r\n" +
         u"    ⑥、" + std::u16string(kCleanUp);
}

std::u16string TrigonometryHelpText() {
  return u"    检测到计算式中有三角函数，使用三角函数请注意以下几点：\r\n\r\n" + SharedLines() +
         u"    ⑤、" + std::u16string(kCleanUp) + u"\r\n    ⑥、本说明程序每隔三次运行显示一次。";
}

}  // namespace mevrik::expr
