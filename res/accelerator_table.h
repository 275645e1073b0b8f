#ifndef CURVESMITH_RES_ACCELERATOR_TABLE_H_
#define CURVESMITH_RES_ACCELERATOR_TABLE_H_

#include <span>

// Accelerator table 128: key combinations that run commands from anywhere in
// the main window.
namespace curvesmith::res {

struct Accelerator {
  // The key combination as written in Qt's portable form ("Ctrl+Shift+R",
  // "F5", "Shift+Del"): what the shell parses into a key sequence and what a
  // menu item shows after its text.
  const char* keys;
  int command;
};

// A command's first entry is the one its menu item shows.
std::span<const Accelerator> AcceleratorTable();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_ACCELERATOR_TABLE_H_
