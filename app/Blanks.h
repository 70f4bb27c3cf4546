#pragma once
// The window's trim: U+0020 blanks at both ends and nothing else. Tabs and line breaks belong to
// the text, so a text of only a tab is not empty and meets the usual error when calculated.
#include <QString>

namespace mevrik::app {

inline QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  return text.mid(first, last - first);
}

}  // namespace mevrik::app
