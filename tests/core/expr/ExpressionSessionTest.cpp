#include "core/expr/ExpressionSession.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RecordingNotices.h"
#include "core/text/Utf16.h"

namespace mevrik::expr {
namespace {

using testing::RecordingNotices;
using text::FromUtf8;
using text::ToUtf8;

std::vector<std::string> Utf8(const std::vector<std::u16string>& texts) {
  std::vector<std::string> out;
  for (const std::u16string& t : texts) out.push_back(ToUtf8(t));
  return out;
}

// What the result box shows after the calculate action, at each precision and angle unit.
TEST(ExpressionSession, CalculationsAsTheResultBoxShowsThem) {
  // `text` is what is calculated and kept; a null `result` leaves the box as it was.
  const struct { PrecisionMode mode; AngleUnit unit; const char* typed, *text, *result; } cases[] = {
      {PrecisionMode::SmartLow, AngleUnit::Degrees, "1 + 2", "1+2", "3.000"},
      {PrecisionMode::SmartLow, AngleUnit::Degrees, "3 0 d u", "30°", "30.00"},
      {PrecisionMode::SmartHigh, AngleUnit::Degrees, "10/4", "10/4", "2.5000"},
      {PrecisionMode::Unformatted, AngleUnit::Degrees, "Sin30du", "Sin30°", "0.499999996487411"},
      {PrecisionMode::Unformatted, AngleUnit::Radians, "Sin(1)", "Sin(1)", "0.841470984807897"},
      {PrecisionMode::SmartLow, AngleUnit::Degrees, "1/0", "1/0", nullptr},
      {PrecisionMode::Unformatted, AngleUnit::Degrees, "1/0", "1/0", ""},
  };
  for (const auto& c : cases) {
    RecordingNotices notices;
    ExpressionSession session(notices);
    session.SetPrecision(c.mode);
    session.SetUnit(c.unit);
    const std::optional<Calculation> done = session.Calculate(FromUtf8(c.typed));
    ASSERT_TRUE(done) << c.typed;
    EXPECT_EQ(ToUtf8(done->text), c.text) << c.typed;
    EXPECT_EQ(done->result.has_value(), c.result != nullptr) << c.typed;
    if (c.result) {
      EXPECT_EQ(ToUtf8(*done->result), c.result) << c.typed;
    }
    EXPECT_EQ(done->value.empty(), c.result == nullptr || *c.result == '\0') << c.typed;
  }
  RecordingNotices notices;
  ExpressionSession session(notices);
  EXPECT_FALSE(session.Calculate(u"   "));
  EXPECT_TRUE(session.History().empty());
  EXPECT_TRUE(notices.boxes.empty()) << "a blank text is no calculation";
}

// Each step on one session, and the history after it, newest first.
TEST(ExpressionSession, HistoryKeepsEachTextOnceWithinItsLimit) {
  RecordingNotices notices;
  ExpressionSession session(notices);
  EXPECT_TRUE(session.Restore(u" 2+2 "));
  EXPECT_FALSE(session.Restore(u"   "));
  EXPECT_TRUE(session.Restore(u"2+2"));
  using History = std::vector<std::string>;
  // `size` is an index of kHistorySizes chosen before the step, -1 for none.
  const struct { const char* typed; int size; History after; } steps[] = {
      // A restored history that holds a text twice keeps one of them when it comes up again.
      {"2+2", -1, {"2+2", "2+2"}},
      {"1+1", -1, {"1+1", "2+2", "2+2"}},
      {"sin(30)", -1, {"sin(30)", "1+1", "2+2", "2+2"}},
      {"1+1", -1, {"1+1", "sin(30)", "2+2", "2+2"}},
      {"Sin(30)", -1, {"Sin(30)", "1+1", "sin(30)", "2+2", "2+2"}},
      {"1/0", -1, {"Sin(30)", "1+1", "sin(30)", "2+2", "2+2"}},  // a wrong text is removed
      {"1+", -1, {"1+", "Sin(30)", "1+1", "sin(30)", "2+2", "2+2"}},  // a warning keeps it
      // One entry past the limit goes per calculation; with "不记录" the new one goes.
      {"3", 1, {"3", "1+", "Sin(30)", "1+1", "sin(30)", "2+2", "2+2"}},
      {"4", 1, {"4", "3", "1+", "Sin(30)", "1+1", "sin(30)", "2+2", "2+2"}},
      {"5", 1, {"5", "4", "3", "1+", "Sin(30)", "1+1", "sin(30)", "2+2"}},
      {"6", 0, {"5", "4", "3", "1+", "Sin(30)", "1+1", "sin(30)", "2+2"}},
  };
  for (const auto& step : steps) {
    if (step.size >= 0) {
      ASSERT_TRUE(session.SetHistorySize(step.size));
    }
    session.Calculate(FromUtf8(step.typed));
    EXPECT_EQ(Utf8(session.History()), step.after) << step.typed;
  }
  EXPECT_FALSE(session.SetHistorySize(4));
  EXPECT_EQ(session.HistoryLimit(), 0);
}

// The copy button and the auto-copy take a text of at least 2 characters without its blanks;
// the buttons are enabled by its length with them.
TEST(ExpressionSession, CopyDecisions) {
  RecordingNotices notices;
  ExpressionSession session(notices);
  const struct { bool autoCopy; const char* shown; bool copied, autoCopied, copyable; } cases[] = {
      {true, "3.000", true, true, true}, {true, "5", false, false, false},
      {true, " 5 ", false, false, true}, {false, "3.000", true, false, true}};
  for (const auto& c : cases) {
    session.SetAutoCopy(c.autoCopy);
    const std::u16string shown = FromUtf8(c.shown);
    EXPECT_EQ(ExpressionSession::CopyText(shown).has_value(), c.copied) << c.shown;
    EXPECT_EQ(session.AutoCopyText(shown).has_value(), c.autoCopied) << c.shown;
    EXPECT_EQ(ExpressionSession::Copyable(shown), c.copyable) << c.shown;
  }
}

// Length expressions of the weight kinds share the run's notices and angle unit and report
// their converted text, but an error in them leaves the history alone.
TEST(ExpressionSession, TheWeightContextSharesTheRunButNotTheHistory) {
  RecordingNotices notices;
  ExpressionSession session(notices);
  std::vector<std::string> converted;
  session.OnConverted([&](std::u16string_view text) { converted.push_back(ToUtf8(text)); });
  session.Calculate(u"2(3)");
  ASSERT_EQ(notices.boxes.size(), 1u) << "the omitted product notice";
  EXPECT_EQ(ToUtf8(CalculateTyped(u"4(5)", session.WeightContext())), "20");
  EXPECT_EQ(notices.boxes.size(), 1u) << "once per run, whichever side calculates";
  CalculateTyped(u"1/0", session.WeightContext());
  EXPECT_EQ(Utf8(session.History()), std::vector<std::string>{"2(3)"});
  session.SetUnit(AngleUnit::Radians);
  EXPECT_EQ(ToUtf8(CalculateTyped(u"Sin(1)", session.WeightContext())), "0.841470984807897");
  EXPECT_EQ(converted, (std::vector<std::string>{"整理后：2*(3)", "整理后：4*(5)", "整理后：1/0",
                                                 "整理后：Sin(1)"}));
}

}  // namespace
}  // namespace mevrik::expr
