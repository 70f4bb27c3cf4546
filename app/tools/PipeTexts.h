#pragma once
// The fixed texts of the pipe tool window: captions, list items, tooltips, the reference table
// of maximum flow by bore, and the two help messages.
#include <QString>
#include <QStringList>

namespace mevrik::tools {

inline const QString kWallLabels[7] = {
    QStringLiteral("工作压力 P"),  QStringLiteral("管子外径 D"),  QStringLiteral("许用应力[σ]"),
    QStringLiteral("焊缝系数 ψ"),  QStringLiteral("计算厚度 δ'"), QStringLiteral("附加厚度 c"),
    QStringLiteral("应选壁厚 δ")};
inline const QString kWallUnits[6] = {"(MPa)", "(mm)", "(MPa)", "(mm)", "(mm)", "(mm)"};
inline const QString kStressTip =
    QStringLiteral("可按屈服强度的0.4倍或抗拉强度的0.25倍取值、圆整。");
inline const QStringList kWallItems[4] = {
    {"1.0", "2.5", "4.0", "6.3", "11", "16"},
    {"57", "76", "89", "108", "133", "159", "219", "273", "325", "377", "426", "480", "530",
     "630", "720"},
    {QStringLiteral("85 -10钢"), QStringLiteral("100-20钢"), "110-Q295", "130-Q345"},
    {"1.0", "0.7"}};
// What the boxes hold when the stored inputs do not reach them.
inline const QString kWallDesignTexts[4] = {"6.3", "108", "100", "1"};
inline const QString kResultTips[3] = {QStringLiteral("δ'＝P*D/(2.3*([σ]*ψ-6.4)+P)"),
                                       QStringLiteral("C=0.15*（δ'+10）"),
                                       QStringLiteral("计算结果")};

inline const QString kFormula = QStringLiteral("流量计算:Q=SV=πD^2/4×V");
inline const QString kFlowLabels[3] = {QStringLiteral("介质流量 Q"), QStringLiteral("介质流速 V"),
                                       QStringLiteral("管道内径 D")};
inline const QString kFlowUnits[3] = {"(m^3/h)", "(m/s)", QStringLiteral("（mm）")};

inline const QString kReferenceHeadings[3] = {QStringLiteral("管 径"), QStringLiteral("最 大 流 量"),
                                              QStringLiteral("最大流速")};
// Bore (mm), maximum flow (L/s and m³/h), maximum velocity (m/s): the units under the headings,
// then one row per bore.
inline const QString kReferenceUnits[4] = {"(mm)", "(L/s)", "(m3/h)", "(m/s)"};
inline const QStringList kReferenceRows = {
    "  25      1      3.6   2.04", "  38     2.5      9    2.21",
    "  50     4.17    15    2.12", "  65     6.67    24    2.01",
    "  75     10.0    36    2.26", " 100     18.4    66    2.33",
    " 125     30.0   108    2.44", " 150     43.0   155    2.45",
    " 175     60.0   216    2.49", " 200     83.3   299.9  2.69",
    " 250    133.3   479.9  2.72", " 275    160.1   576    2.71",
    " 300    192.0   691.2  2.71", " 345    253.9   914    2.70"};

inline const QString kHelpTitles[2] = {QStringLiteral("钢管壁厚计算 说明："),
                                       QStringLiteral("流量/流速/管径计算 说明：")};
inline const QString kHelpTexts[2] = {
    QStringList{
        QStringLiteral("    ⑴.摘自《煤矿井下排水泵站及排水管路设计规范》（GB/T 50451-2017），管壁厚度符合下列规定："),
        QStringLiteral("    钢管管壁厚度：δ=δ'+c"),
        QStringLiteral("    δ'=p×D/{2.3×([σ]×ψ-6.4)+p}"),
        QStringLiteral("    无缝钢管 c=0.15(δ'+10)"),
        QStringLiteral("         式中："),
        QStringLiteral("         δ—计入附加厚度后的管壁计算厚度(mm)"),
        QStringLiteral("         δ'—管子计算壁厚(mm)"),
        QStringLiteral("         c—计入制造负偏差和腐蚀的附加厚度(mm)"),
        QStringLiteral("         p—计算管段的最大工作压力(MPa)"),
        QStringLiteral("         D—管子外径(mm)"),
        QStringLiteral("         ψ—管子焊缝系数，无缝钢管可取1；螺旋焊接钢管双面焊"),
        QStringLiteral("              (全部探伤)可取1,双面焊(不探伤)可取0.7"),
        QStringLiteral("         [σ]—管材许用应力(MPa)，可按屈服强度的0.4倍"),
        QStringLiteral("               或抗拉强度的0.25倍取值，并应圆整。"),
        QStringLiteral("    ⑵.参数有改动时自动计算，请自行校验正确性。")}
        .join("\r\n"),
    QStringLiteral("   输入两个参数后自动计算第三个参数，点击参数名称可立即计算。")};

}  // namespace mevrik::tools
