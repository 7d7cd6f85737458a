// The offscreen Qt application of the drawing commands.
#include "Offscreen.h"

#include <cstdlib>

namespace trm::cli {

std::unique_ptr<QGuiApplication> OffscreenAnwendung() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt keeps argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "trassomatic-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace trm::cli
