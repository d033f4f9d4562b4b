// The OPTIONS section: a fixed sequence of lines setting the units, the analyses and the
// iteration controls.
#pragma once

#include "model/engine.h"

namespace torva {

void read_options(Engine& engine);

// Input error 99 for a line that is not what the file's layout expects there.
[[noreturn]] void unrecognized_line(Engine& engine, const std::string& line);

}  // namespace torva
