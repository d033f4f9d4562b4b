#include "engine/lgo.h"

#include <memory>
#include <mutex>

#include "engine/run_sequence.h"

namespace torva {

std::int32_t call_lgo(std::int32_t interface_version) {
  // One model for the life of the library, made on first use (it is several megabytes). A run
  // owns the model and works in the process's current folder, so calls that overlap run one
  // after the other.
  static std::mutex one_run_at_a_time;
  const std::lock_guard<std::mutex> lock(one_run_at_a_time);
  static const std::unique_ptr<Engine> engine = std::make_unique<Engine>();
  return run_analysis(*engine, interface_version);
}

}  // namespace torva
