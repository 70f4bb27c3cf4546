#pragma once
// Flow Q (m³/h), velocity V (m/s) and inner diameter D (mm) of a pipe: any one from the other
// two, with π taken as 3.1416 and the results rounded to single precision, then shown as
// Q "0.##", V "0.0#", D "0.#".
#include <array>
#include <string>

namespace mevrik::pipe {

enum FlowQuantity : int { kFlow = 0, kVelocity = 1, kBore = 2 };

using FlowValues = std::array<double, 3>;  // indexed by FlowQuantity

// The quantity `target` computed from the other two values; the other entry is ignored.
// Empty when there is no finite result (a zero velocity or bore in a divisor).
std::u16string ComputeFlowQuantity(FlowQuantity target, const FlowValues& values);

// What clicking a quantity's name shows: Q is always computed; V only with a bore above 0 and D
// only with a flow above 0, else a formatted 0.
std::u16string FlowQuantityOnRequest(FlowQuantity target, const FlowValues& values);

// The two flow boxes the user typed into last (older, newer); the third is the one computed.
class FlowEditPair {
public:
  void typedInto(int box);
  void set(int older, int newer);
  bool complete() const { return older_ >= 0 && newer_ >= 0; }
  int older() const { return older_; }
  int newer() const { return newer_; }
  FlowQuantity target() const { return static_cast<FlowQuantity>(3 - older_ - newer_); }

private:
  int older_ = -1;
  int newer_ = -1;
};

}  // namespace mevrik::pipe
