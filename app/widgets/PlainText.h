#pragma once
// Text from the user or the configuration file is shown exactly as written: "<b>1*" is five
// characters, not a bold "1*", and blanks and line breaks stay.
#include <QString>

class QLabel;

namespace mevrik::widgets {

// The label never reads its text as markup.
void ShowPlain(QLabel* label);
// A tooltip that shows `text` as written (Qt reads any tooltip that looks like markup as markup).
QString PlainToolTip(const QString& text);

}  // namespace mevrik::widgets
