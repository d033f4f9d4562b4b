// The one symbol the shared library exports.
#include <cstdint>

#include "engine/lgo.h"

#if defined(_WIN32)
#define TORVA_EXPORT extern "C" __declspec(dllexport)
#define TORVA_CALL __stdcall
#else
#define TORVA_EXPORT extern "C" __attribute__((visibility("default")))
#define TORVA_CALL
#endif

TORVA_EXPORT std::int32_t TORVA_CALL LGO(std::int32_t interface_version) {
  return torva::call_lgo(interface_version);
}
