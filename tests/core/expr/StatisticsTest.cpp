#include "core/expr/Statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/Utf16.h"

namespace mevrik::expr {
namespace {

using text::FromUtf8;
using text::ToUtf8;

// The sum is taken in single precision entry by entry, and shown with 7 significant digits.
TEST(Statistics, CountAndSingleSum) {
  const struct {
    std::vector<const char*> entries;
    const char* summary;
  } cases[] = {
      {{}, "共 0 项\r\n∑=0"},
      {{"22.66", "3.5"}, "共 2 项\r\n∑=26.16"},
      {{"22.66", "边宽 > 边厚"}, "共 2 项\r\n∑=22.66"},  // no number adds 0
      {{"12345.67", "1.234"}, "共 2 项\r\n∑=12346.9"},
      {{"1.0E08", "1"}, "共 2 项\r\n∑=1E+08"},  // 100000001 is no single
      {{"0.1", "0.2", "0.3"}, "共 3 项\r\n∑=0.6"},
      {{"1.5E+3", "-20钢"}, "共 2 项\r\n∑=1480"},  // leading numbers
  };
  for (const auto& c : cases) {
    Statistics list;
    for (const char* entry : c.entries) ASSERT_TRUE(list.Add(FromUtf8(entry)));
    EXPECT_EQ(ToUtf8(list.Summary()), c.summary) << c.summary;
  }
}

TEST(Statistics, RemoveClearAndTheLimit) {
  Statistics list;
  for (const char* entry : {"1.5", "2.5", "4"}) list.Add(FromUtf8(entry));
  list.Remove(1);
  list.Remove(7);  // no such entry
  EXPECT_EQ(ToUtf8(list.SumText()), "5.5");
  EXPECT_EQ(list.Entries().size(), 2u);
  list.Clear();
  EXPECT_EQ(ToUtf8(list.SumText()), "0");
  for (int i = 0; i < Statistics::kMaxEntries; ++i) ASSERT_TRUE(list.Add(u"1"));
  EXPECT_FALSE(list.Add(u"1"));
  EXPECT_EQ(list.Entries().size(), static_cast<std::size_t>(Statistics::kMaxEntries));
}

}  // namespace
}  // namespace mevrik::expr
