#pragma once
// The program looks the same on any system locale: Qt's own texts in Chinese (确定, 取消, 是,
// 否), Simplified Chinese glyph shapes for every Han character, and Chinese number and date
// conventions.
#include <QFont>

class QApplication;

namespace mevrik::main {

void ApplyChineseLook(QApplication& app);
// `font` in the program's Chinese family and size.
QFont ChineseFont(QFont font);
// For tables of figures: a sans-serif fixed-width family for the digits, then the program's
// Chinese families, at the program's size; the same choice on every system.
QFont ChineseFixedFont();

}  // namespace mevrik::main
