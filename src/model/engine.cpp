#include "model/engine.h"

#include <memory>

namespace torva {

void reset_engine(Engine& engine) {
  // Rebuilt in place: the tables are several megabytes, too large for a temporary.
  std::destroy_at(&engine);
  std::construct_at(&engine);
}

}  // namespace torva
