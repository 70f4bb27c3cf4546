#include "cli/Usage.h"

namespace mevrik::cli {

const char* const kEvalUsage =
    "  mevrik-cli eval [--precision N] [--radians] EXPRESSION\n"
    "  mevrik-cli eval [--precision N] [--radians] -\n"
    "      计算一个计算式，或从标准输入逐行计算（每行一个计算式，每行输出一行结果）。\n"
    "      与主窗口的“计算式”计算相同：du 变为 °，去掉空格，提示只在本次运行中显示一次。\n"
    "      Evaluates one expression, or one expression per line from standard input (one\n"
    "      output line each, empty where there is no result), exactly as the window's\n"
    "      expression box: \"du\" becomes \"°\", spaces are removed, one-time notices\n"
    "      show once per process. No configuration file is read or written.\n"
    "      --precision N  计算精度 0-4 / precision mode 0-4: 0 智能 低 (default), 1 智能 高,\n"
    "                     2 0.000#, 3 0.000#-E00, 4 不处理\n"
    "      --radians      角度单位为弧度（默认为度）/ angles in radians (default: degrees)\n"
    "      --             其后为计算式，即使以 - 开头 / ends the options: mevrik-cli eval -- --2\n";

const char* const kWeightUsage =
    "  mevrik-cli weight KIND [--size S] [--variant V] [--length L] [--quantity N]\n"
    "                         [--width B] [--thickness T] [--diameter D] [--wall T]\n"
    "                         [--area A] [--material M] [--precision N]\n"
    "      计算标准件或型钢的单重与总重 / unit and total weight of a fastener or section.\n"
    "      KIND: 地脚螺栓 六角螺栓 六角螺母 垫圈 弹簧垫圈 方斜垫 工字钢 槽钢 角钢 圆钢 钢管 钢板\n"
    "            or anchor-bolt hex-bolt hex-nut flat-washer spring-washer square-bevel-washer\n"
    "               i-beam channel angle round-bar steel-pipe steel-plate\n"
    "      未给出的参数取窗口选择该类型时的默认值 / parameters not given take the window's defaults.\n"
    "      每个取值如同粘贴到窗口中该参数的输入框：全角字符按键入读取（２＊３０００ 即 2*3000）；\n"
    "      输入框不接受的取值（6,000、100-20、数量 2*3）被拒绝，显示输入框的提示，退出码 1，决不\n"
    "      只取其开头的数字。角钢、圆钢、钢管、钢板第一个参数中的 * 如同键入，其后部分填入下一个\n"
    "      参数：角钢 --width 50*5 即 边宽 50、边厚 5。\n"
    "      Each value goes into its box as a text pasted into the window's box: full-width forms\n"
    "      read as the keys would type them; a value the box refuses (6,000, 100-20, a quantity\n"
    "      2*3) is refused with the box's message and exit status 1, never cut to its leading\n"
    "      number. A \"*\" in the first value of an angle, round bar, pipe or plate goes on to\n"
    "      the next box, as when typed: angle --width 50*5 is width 50, thickness 5.\n"
    "      --size S       规格，类型 1-8 (M24, 20a, 14*, 9-矿工钢) / size as listed, with or without\n"
    "                     \"*\" and blanks\n"
    "      --variant V    弹簧垫圈 light|standard|heavy 或 轻型|标准|重型 (标准);\n"
    "                     方斜垫 ibeam|channel 或 工字钢用|槽钢用 (工字钢用)\n"
    "      --length L     长度 mm；角钢、钢管可写乘法，如 2*3000 / length in mm, an expression\n"
    "                     such as 2*3000 for angles and pipes\n"
    "      --quantity N   数量 / quantity\n"
    "      --width B      角钢边宽：列表中的边宽如同选取，边厚取其范围下限；其它边宽如同键入，\n"
    "                     边厚不变；B*T 同时给出边厚 / angle leg width: a listed width is picked\n"
    "                     as in the window and the thickness becomes the lower bound of its\n"
    "                     range; any other width is typed and the thickness stays; B*T gives\n"
    "                     both (--thickness sets it after)\n"
    "      --thickness T  角钢边厚，钢板厚度 / angle leg thickness, plate thickness\n"
    "      --diameter D   圆钢直径，钢管外径 / round bar diameter, pipe outer diameter\n"
    "      --wall T       钢管壁厚 / pipe wall thickness\n"
    "      --area A       钢板面积 mm^2，可写乘法 / plate area in mm^2, an expression\n"
    "      --material M   钢|铜|铝, steel|copper|aluminium, 或密度 g/cm3，如同自定义材质的输入框\n"
    "                     / or a density in g/cm3, as the custom material's input box takes it\n"
    "      --precision N  计算精度 0-4，同 eval / precision mode 0-4 as for eval\n"
    "      输出：第 1 行结果，其后为单重说明 / prints the result line, then the detail lines.\n"
    "\n"
    "  mevrik-cli weight --list FILE|- [--precision N]\n"
    "      计算整张材料表：FILE 或标准输入 (-) 中带表头的表格，逗号或制表符分隔，如统计列表\n"
    "      “复制为表格”与“导出…”所写。按表头找列：类型 规格 长度(或面积) 数量 材质\n"
    "      (kind size length|area quantity material)，其余列不读。每行与 weight 取同样的值，\n"
    "      结果相同：规格写作窗口中的样子 (M20 ∠50×5 Ⅰ20a [14a Φ20 Φ159×5 δ10)，类别写在\n"
    "      类型后的括号里 (弹簧垫圈 (重型))，材质如 钢 7.85、铜、自定义 8.9 或密度，某类型\n"
    "      没有的参数留空 (钢管的数量)；类型为“计算式”的行按 eval 计算其规格列。\n"
    "      输出同样格式的表格，带单重、单位、总重与合计行；无结果的行在标准错误上写出行号\n"
    "      (表头为第 1 行) 与窗口的提示，其它行照常计算，退出码为 1。\n"
    "      Weighs a whole material table with a header row, comma- or tab-separated, as the\n"
    "      statistics list's 复制为表格 and 导出… write it; each row gives what `weight` gives\n"
    "      for the same values. Writes the table with unit weights, totals and a total row; a\n"
    "      row without a result is named on stderr by its row number with the window's\n"
    "      message, the others are still weighed, and the exit status is 1.\n"
    "      例 / example:\n"
    "        printf '类型,规格,长度,数量,材质\\n角钢,∠50×5,2*3000,,钢\\n钢板,δ10,1000*2000,2,铜\\n' |\n"
    "          mevrik-cli weight --list -\n";

const char* const kUsageTail =
    "  结果写到标准输出，提示框写到标准错误。/ Results go to stdout, message boxes to stderr.\n"
    "  退出码 / exit status: 0 有结果 / result, 1 无结果 / no result, 2 用法错误 / usage error,\n"
    "  3 结果未能写出 / the output could not be written.\n";

std::string Usage() {
  return std::string("用法 / Usage:\n") + kEvalUsage + "\n" + kWeightUsage + "\n" + kUsageTail;
}

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

}  // namespace mevrik::cli
