#include "core/material/CatalogueData.h"

namespace mevrik::material::detail {
namespace {

constexpr std::u16string_view kAnchorBoltSizes =
    u"M10*;M12*;M16;M20;M24;M30;M36;M42;M48";
constexpr std::u16string_view kAnchorBoltValueA =
    u"0.03;0.06;0.10;0.22;0.33;0.85;1.48;2.01;3.15";
constexpr std::u16string_view kAnchorBoltValueB =
    u"0.56;0.80;1.42;2.1;3;4.7;6.9;9.45;12.35";
constexpr std::u16string_view kHexBoltSizes =
    u"M5;M6;M8;M10;M12;M14*;M16;M18*;M20;M22*;M24;M27*;M30;M33*;M36;M39*;M42;M45*;M48;M52*;M56;M60*;M64";
constexpr std::u16string_view kHexBoltValueA =
    u"1.23;2.06;4.68;8.34;12.24;18.96;28.1;39.3;56.6;85.4;97.3;148.4;189;274;340;467;545;693;853;1094;1280;1590;1853";
constexpr std::u16string_view kHexBoltValueB =
    u"0.126;0.188;0.34;0.547;0.788;1.087;1.45;1.85;2.27;2.76;3.3;4.22;5.25;6.3;7.55;8.9;10.35;11.95;13.6;15.95;18.55;21.35;24.3";
constexpr std::u16string_view kHexNutSizes =
    u"M3;M3.5*;M4;M5;M6;M8;M10;M12;M14*;M16;M18*;M20;M22*;M24;M27*;M30;M33*;M36;M39*;M42;M45*;M48;M52*;M56;M60*;M64";
constexpr std::u16string_view kHexNutValueA =
    u"0.27;0.36;0.58;1.13;2.10;4.54;8.60;13.33;19.98;30.45;42.31;58.37;82.00;100.5;148.0;205.2;268.8;351.7;455.9;534.8;663.1;816.8;1012;1202;1418;1669";
constexpr std::u16string_view kFlatWasherSizes =
    u"3;4;5;6;8;10;12;14*;16;18*;20;22*;24;27*;30;33*;36;39*;42;45*;48;52*;56;60*;64";
constexpr std::u16string_view kFlatWasherValueA =
    u"0.12 ;0.30 ;0.43 ;0.99 ;1.73 ;3.44 ;6.07 ;8.38 ;10.98 ;13.98 ;16.37 ;17.48 ;31.07 ;39.46 ;50.48 ;71.03 ;87.39 ;126.5 ;200.2 ;242.7 ;284.1 ;319.0 ;442.7 ;477.4 ;513.3 ";
constexpr std::u16string_view kFlatWasherValueB =
    u"φ3.4×φ7×0.5;φ4.5×φ9×0.8;φ5.5×φ10×1;φ6.6×φ12×1.6;φ9×φ16×1.6;φ11×φ20×2;φ13.5×φ24×2.5;φ15.5×φ28×2.5;φ17.5×φ30×3;φ20×φ34×3;φ22×φ37×3;φ24×φ39×3;φ26×φ44×4;φ30×φ50×4;φ33×φ56×4;φ36×φ60×5;φ39×φ66×5;φ42×φ72×6;φ45×φ78×8;φ48×φ85×8;φ52×φ92×8;φ56×φ98×8;φ62×φ105×10;φ66×φ110×10;φ70×φ115×10";
constexpr std::u16string_view kIBeamSizes =
    u" 9 -矿工钢;11-矿工钢;12-矿工钢;10;12;12.6;14;16;18;20a;20b;22a;22b;24a;24b;25a;25b;27a;27b;28a;28b;30a;30b;30c;32a;32b;32c;36a;36b;36c;40a;40b;40c;45a;45b;45c;50a;50b;50c;55a;55b;55c;56a;56b;56c;63a;63b;63c";
constexpr std::u16string_view kIBeamValueA =
    u"17.69;26.05;31.18;11.3;14.0;14.2;16.9;20.5;24.1;27.9;31.1;33.1;36.5;37.5;41.2;38.1;42.0;42.8;47.0;43.5;47.9;48.1;52.8;57.5;52.7;57.7;62.7;60.0;65.7;71.3;67.6;73.8;80.1;80.4;87.4;94.5;93.6;101;109;105;114;123;106;115;124;121;131;141 ";
constexpr std::u16string_view kIBeamValueB =
    u"90×76×8×10.9;110×90×9×14.1;120×95×11×15.3;100×68×4.5×7.6;120×74×5.0×8.4;126×74×5.0×8.4;140×80×5.5×9.1;160×88×6.0×9.9;180×94×6.5×10.7;200×100×7.0×11.4;200×102×9.0×11.4;220×110×7.5×12.3;220×112×9.5×12.3;240×116×8.0×13;240×118×10.0×13;250×116×8.0×13;250×118×10.0×13;270×122×8.5×13.7;270×124×10.5×13.7;280×122×8.5×13.7;280×124×10.5×13.7;300×126×9.0×14.4;300×128×11.0×14.4;300×130×13.0×14.4;320×130×9.5×15;320×132×11.5×15;320×134×13.5×15;360×136×10.0×15.8;360×138×12.0×15.8;360×140×14.0×15.8;400×142×10.5×16.5;400×144×12.5×16.5;400×146×14.5×16.5;450×150×11.5×18.0;450×152×13.5×18.0;450×154×15.5×18.0;500×158×12.0×20.0;500×160×14.0×20.0;500×162×16.0×20.0;550×166×12.5×20.0;550×168×14.5×20.0;550×170×16.5×20.0;560×166×12.5×21.0;560×168×14.5×21.0;560×170×16.5×21.0;630×176×13.0×22.0;630×178×15.0×22.0;630×180×17.0×22.0";
constexpr std::u16string_view kChannelSizes =
    u"5;6.3;6.5;8;10;12;12.6;14a;14b;16a;16b;18a;18b;20a;20b;22a;22b;24a;24b;24c;25a;25b;25c;27a;27b;27c;28a;28b;28c;30a;30b;30c;32a;32b;32c;36a;36b;36c;40a;40b;40c";
constexpr std::u16string_view kChannelValueA =
    u"5.44;6.63;6.51;8.04;10.0;12.10;12.30;14.5;16.7;17.2;19.8;20.2;23.0;22.6;25.8;25.0;28.5;26.9;30.6;34.4;27.4;31.3;35.3;30.8;35.1;39.3;31.4;35.8;40.2;34.5;39.2;43.9;38.1;43.1;48.1;47.8;53.5;59.1;58.9;65.2;71.5";
constexpr std::u16string_view kChannelValueB =
    u"50×37×4.5×7.0;63×40×4.8×7.5;65×40×4.3×7.5;80×43×5.0×8.0;100×48×5.3×8.5;120×53×5.5×9.0;126×53×5.5×9.0;140×58×6.0×9.5;140×60×8.0×9.5;160×63×6.5×10.0;160×65×8.5×10.0;180×68×7.0×10.5;180×70×9.0×10.5;200×73×7.0×11.0;200×75×9.0×11.0;220×77×7.0×11.5;220×79×9.0×11.5;240×78×7.0×12.0;240×80×9.0×12.0;240×82×11.0×12.0;250×78×7.0×12.0;250×80×9.0×12.0;250×82×11.0×12.0;270×82×7.5×12.5;270×84×9.5×12.5;270×86×11.5×12.5;280×82×7.5×12.5;280×84×9.5×12.5;280×86×11.5×12.5;300×85×7.5×13.5;300×87×9.5×13.5;300×89×11.5×13.5;320×88×8.0×14.0;320×90×10.0×14.0;320×92×12.0×14.0;360×96×9.0×16.0;360×98×11.0×16.0;360×100×13.0×16.0;400×100×10.5×18.0;400×102×12.5×18.0;400×104×14.5×18.0";
constexpr std::u16string_view kAngleSizes =
    u"20;25;30;36;40;45;50;56;60;63;70;75;80;90;100;110;125;140;150;160;180;200;220;250";
constexpr std::u16string_view kAngleValueA =
    u"3～4;3～4;3～4;3～5;3～5;3～6;3～6;3～8;5～8;4～10;4～8;5～10;5～10;6～12;6～16;7～14;8～16;10～16;8～16;10～16;12～18;14～24;16～26;18～35";
constexpr std::u16string_view kAngleValueB =
    u"3.5;3.5;4.5;4.5;5;5;5.5;6;6.5;7;8;9;9;10;12;12;14;14;14;16;16;18;21;24";
constexpr std::u16string_view kSteelPipeSizes =
    u"18;25;32;38;45;57;76;89;108;133;159;219;273;325;377;426;480;530;630;720;820;920;1020";
constexpr std::u16string_view kSpringLightSizes =
    u"3;4;5;6;8;10;12;14*;16;18*;20;22*;24;27*;30";
constexpr std::u16string_view kSpringLightValueA =
    u"0.06;0.12;0.26;0.5;1.01;1.89;3.28;5.21;7.12;9.98;13.51;18.38;26.08;37.33;51";
constexpr std::u16string_view kSpringStandardSizes =
    u"2;2.5;3;4;5;6;8;10;12;14*;16;18*;20;22*;24;27*;30;33*;36;39*;42;45*;48";
constexpr std::u16string_view kSpringStandardValueA =
    u"0.02;0.03;0.06;0.15;0.26;0.47;1.07;2.05;3.49;5.47;8.09;10.91;14.95;20.11;26.06;37.64;50.73;71.96;87.47;117.4;138.7;162.3;206.7";
constexpr std::u16string_view kSpringHeavySizes =
    u"6;8;10;12;14*;16;18*;20;22*;24;27*;30;33*;36";
constexpr std::u16string_view kSpringHeavyValueA =
    u"0.96;2.05;3.78;5.88;8.85;12.93;17.44;24.13;33.36;40.28;57.87;78.69;104.2;133.3";
constexpr std::u16string_view kBevelWasherSizes =
    u"6;8;10;12;16;18*;20;22*;24;27*;30;36";
constexpr std::u16string_view kBevelIBeamValueA =
    u"5.8;7.11;11.69;21.76;37.6;56.9;60.47;63.73;99.91;109.8;171.3;255.9";
constexpr std::u16string_view kBevelIBeamValueB =
    u"φ7×□16×2-4.7;φ9×□18×2-5;φ11×□22×2-5.7;φ13×□28×2-6.7;φ17×□35×2-7.7;φ20×□40×2-9.7;φ22×□40×3-9.7;φ24×□40×3-9.7;φ26×□50×3-11.3;φ29×□50×3-11.3;φ32×□60×3-13;φ38×□70×3-14.7";
constexpr std::u16string_view kBevelChannelValueA =
    u"4.75;5.79;9.31;16.9;28.22;44.61;47.43;50;76.78;84.33;128.3;187.7";
constexpr std::u16string_view kBevelChannelValueB =
    u"φ7×□16×2-3.6;φ9×□18×2-3.8;φ11×□22×2-4.2;φ13×□28×2-4.8;φ17×□35×2-5.4;φ20×□40×2-7;φ22×□40×3-7;φ24×□40×3-7;φ26×□50×3-8;φ29×□50×3-8;φ32×□60×3-9;φ38×□70×3-10";

}  // namespace

std::vector<std::u16string> SplitAt(std::u16string_view text, std::u16string_view separator) {
  std::vector<std::u16string> items;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::u16string_view::npos;
       at = text.find(separator, start)) {
    items.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  items.emplace_back(text.substr(start));
  return items;
}

CodePair SplitCodePair(std::u16string_view code) {
  const auto at = code.find(u'；');
  if (at == std::u16string_view::npos) return {std::u16string(code), std::u16string(code)};
  return {std::u16string(code.substr(0, at)), std::u16string(code.substr(at + 1))};
}

TableLists KindLists(CalcKind kind) {
  switch (kind) {
    case CalcKind::AnchorBolt: return {kAnchorBoltSizes, kAnchorBoltValueA, kAnchorBoltValueB};
    case CalcKind::HexBolt: return {kHexBoltSizes, kHexBoltValueA, kHexBoltValueB};
    case CalcKind::HexNut: return {kHexNutSizes, kHexNutValueA, {}};
    case CalcKind::FlatWasher: return {kFlatWasherSizes, kFlatWasherValueA, kFlatWasherValueB};
    case CalcKind::IBeam: return {kIBeamSizes, kIBeamValueA, kIBeamValueB};
    case CalcKind::Channel: return {kChannelSizes, kChannelValueA, kChannelValueB};
    case CalcKind::Angle: return {kAngleSizes, kAngleValueA, kAngleValueB};
    case CalcKind::SteelPipe: return {kSteelPipeSizes, {}, {}};
    default: return {};
  }
}

TableLists VariantLists(CalcKind kind, int variant) {
  if (kind == CalcKind::SpringWasher) {
    switch (variant) {
      case 0: return {kSpringLightSizes, kSpringLightValueA, {}};
      case 1: return {kSpringStandardSizes, kSpringStandardValueA, {}};
      case 2: return {kSpringHeavySizes, kSpringHeavyValueA, {}};
      default: return {};
    }
  }
  if (kind == CalcKind::SquareBevelWasher) {
    switch (variant) {
      case 0: return {kBevelWasherSizes, kBevelIBeamValueA, kBevelIBeamValueB};
      case 1: return {kBevelWasherSizes, kBevelChannelValueA, kBevelChannelValueB};
      default: return {};
    }
  }
  return {};
}

}  // namespace mevrik::material::detail
