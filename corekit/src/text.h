// Joins texts and numbers into one string, for exception messages.
#pragma once

#include <corekit/string.h>
#include <corekit/string_builder.h>

namespace zvlang::internal {

template <class... Parts>
CZvString Join(const Parts&... parts) {
  CZvStringBuilder builder;
  (builder.append(parts), ...);
  return builder.toString();
}

}  // namespace zvlang::internal
