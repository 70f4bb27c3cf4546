#pragma once
#include <QStringList>

#include "platform/Clipboard.h"

namespace mevrik::fakes {

// Holds the text in memory and records the order of clear and set calls.
class FakeClipboard final : public platform::Clipboard {
public:
  void clear() override {
    content.clear();
    calls << QStringLiteral("clear");
  }
  void setText(const QString& text) override {
    content = text;
    calls << QStringLiteral("set ") + text;
  }
  void setTable(const QString& text, const QString& tableHtml) override {
    content = text;
    html = tableHtml;
    calls << QStringLiteral("table");
  }
  QString text() const override { return content; }

  QString content;
  QString html;  // the HTML form of the last table
  QStringList calls;
};

}  // namespace mevrik::fakes
