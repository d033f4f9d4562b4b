#include "engine/lgo.h"

#include <memory>

#include "engine/run_sequence.h"

namespace torva {

std::int32_t call_lgo(std::int32_t interface_version) {
  // One model for the life of the library, made on first use (it is several megabytes).
  static const std::unique_ptr<Engine> engine = std::make_unique<Engine>();
  return run_analysis(*engine, interface_version);
}

}  // namespace torva
