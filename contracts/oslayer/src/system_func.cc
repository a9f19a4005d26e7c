#include <oslayer/system_func.h>

#include <atomic>

namespace NSystemFunc {

int32_t InterLockedIncrement(int32_t* value) {
  return std::atomic_ref<int32_t>(*value).fetch_add(1) + 1;
}

int32_t InterLockedDecrement(int32_t* value) {
  return std::atomic_ref<int32_t>(*value).fetch_sub(1) - 1;
}

}  // namespace NSystemFunc
