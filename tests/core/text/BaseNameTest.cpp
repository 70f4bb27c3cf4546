#include "core/text/BaseName.h"

#include <gtest/gtest.h>

#include "core/text/Utf16.h"

using mevrik::text::GetBaseName;
using mevrik::text::ToUtf8;

TEST(GetBaseName, TakesTheLastComponentWithoutItsLastExtension) {
  const struct { const char16_t* path; const char* expected; } cases[] = {
      {u"D:\\Docs\\Plan.xlsx", "Plan"},
      {u"/home/li/计划.xlsx", "计划"},
      {u"/home/li/a.tar.gz", "a.tar"},
      {u"D:\\Docs/mixed\\报告.doc", "报告"},
      {u"D:\\Docs\\", "Docs"},
      {u"/usr/bin/", "bin"},
      {u"README", "README"},
      {u"/home/li/.profile", ".profile"},
      {u"D:\\Program Files\\My App\\app v2.exe", "app v2"},
      {u"D:\\", "D:"},
      {u"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUtf8(GetBaseName(c.path)), c.expected) << c.expected;
}
