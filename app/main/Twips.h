#pragma once
// Window sizes and positions are given in twips, 15 to a pixel.
namespace mevrik::main {

constexpr int kTwipsPerPixel = 15;

constexpr int Tw(int twips) { return twips / kTwipsPerPixel; }

}  // namespace mevrik::main
