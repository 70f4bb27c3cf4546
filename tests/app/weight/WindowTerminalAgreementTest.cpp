// The window and the terminal take a typed value alike: pasted into its box of the window with
// Ctrl+V, and given as the option of mevrik-cli weight, each value shows the same result and
// detail, or is refused with the same message. The figures themselves are core's.
#include <QApplication>
#include <map>
#include <string>

#include "WeightFixture.h"
#include "app/main/WeightPanel.h"
#include "cli/CliProcess.h"
#include "core/material/CalcKind.h"
#include "core/text/Utf16.h"

namespace mevrik::testing {
namespace {

using WindowTerminalAgreementTest = WeightWindowTest;
using enum material::BoxRole;

const std::map<std::string, material::BoxRole> kOptions = {
    {"--length", Length}, {"--quantity", Quantity}, {"--width", Width},  {"--thickness", Thickness},
    {"--diameter", Diameter}, {"--wall", Wall},     {"--area", Area},
};

// What the terminal prints for the window's state: the result line, then the detail's lines.
std::string Printed(const QString& result, QString detail) {
  while (detail.endsWith(QStringLiteral("\r\n"))) detail.chop(2);
  std::string out = result.toStdString() + "\n";
  if (!detail.isEmpty()) out += detail.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString() + "\n";
  return out;
}

TEST_F(WindowTerminalAgreementTest, EveryTypedValueGivesTheSameFigureOrTheSameRefusal) {
  const struct {
    const char* kind;
    const char* option;
    std::string value;
  } rows[] = {
      {"圆钢", "--length", "6,000"},        {"圆钢", "--quantity", "2*3"},
      {"圆钢", "--diameter", "20*6000"},    {"圆钢", "--diameter", "２０"},
      {"圆钢", "--length", "6000"},         {"圆钢", "--quantity", "0"},
      {"钢板", "--thickness", "10,5"},      {"钢板", "--thickness", "10*1000*2000"},
      {"钢板", "--area", "２０００×３０００"}, {"钢板", "--area", "1000*2000*"},
      {"钢板", "--quantity", "300"},        {"六角螺母", "--quantity", "100-20"},
      {"六角螺母", "--quantity", "１００"},  {"六角螺母", "--quantity", "100\r\n"},
      {"角钢", "--width", "50*5"},          {"角钢", "--width", "63*6"},
      {"角钢", "--width", "63*6*2"},        {"角钢", "--length", "２＊３０００"},
      {"角钢", "--width", "52"},            {"角钢", "--width", "５０"},
      {"角钢", "--length", "3000*"},        {"角钢", "--thickness", "5,5"},
      {"角钢", "--width", "5*5"},           {"钢管", "--diameter", "100*5"},
      {"钢管", "--length", "2×3000"},       {"钢管", "--diameter", "10*5"},
      {"钢管", "--length", "1e3"},          {"六角螺栓", "--length", "1.2.3"},
      {"六角螺栓", "--length", "６０"},      {"六角螺栓", "--quantity", "1 000"},
      {"地脚螺栓", "--length", "四百"},      {"工字钢", "--quantity", "2*3"},
      {"槽钢", "--length", "-6000"},        {"垫圈", "--quantity", "1,000"},
      {"弹簧垫圈", "--quantity", "12"},      {"方斜垫", "--quantity", "５"},
  };
  UserInput user(window.get());
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + " " + row.option + " " + row.value);
    const CliResult terminal = RunCli({"weight", row.kind, row.option, row.value});
    const auto kind = material::KindFromCaption(text::FromUtf8(row.kind));
    SelectKind(0);
    SelectKind(static_cast<int>(*kind));
    SelectText(user, *window->Weight().Form().BoxOf(kOptions.at(row.option)));
    user.Paste(QString::fromStdString(row.value));
    QTest::qWait(10);  // a pasted list entry is picked, and a rest goes on, once the paste is over
    if (!terminal.out.empty()) {
      EXPECT_EQ(terminal.out, Printed(Result()->text(), Detail()->text()));
    }
    if (!terminal.err.empty()) {  // a refusal, by the box or by the form's check
      EXPECT_EQ(terminal.err, Status(status::Message).toStdString() + "\n");
    }
  }
}

}  // namespace
}  // namespace mevrik::testing
