#ifndef CURVESMITH_RES_ACCELERATOR_TABLE_H_
#define CURVESMITH_RES_ACCELERATOR_TABLE_H_

#include <cstdint>
#include <span>

// Accelerator table 128: key combinations that run commands from anywhere in
// the main window.
namespace curvesmith::res {

// The keys the table uses. Letters are listed by name so that the table does
// not depend on any platform's key codes.
enum class Key {
  kB,
  kC,
  kK,
  kD,
  kF,
  kG,
  kH,
  kJ,
  kW,
  kN,
  kO,
  kP,
  kR,
  kS,
  kV,
  kX,
  kZ,
  kBackspace,
  kDelete,
  kInsert,
  kF6,
  kF5,
  kF7,
  kF8,
  kF9,
  k1,
  k2,
  k3,
  k4,
  k5,
  k6,
  kF12,
  kF11,
  kEscape,
  kL,
};

enum Modifier : std::uint32_t {
  kNoModifier = 0,
  kCtrl = 1u << 0,
  kShift = 1u << 1,
  kAlt = 1u << 2,
};

struct Accelerator {
  Key key;
  std::uint32_t modifiers;
  int command;
};

std::span<const Accelerator> AcceleratorTable();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_ACCELERATOR_TABLE_H_
