// Error texts made of several pieces (fixed text, received names), followed by last chars.
#pragma once

#include <msgcodec/zavo_input.h>

#include <initializer_list>
#include <string_view>

namespace msgcodec_internal {

inline constexpr uint32_t kLastChars = CZavoInputParse::kLastChars;

inline int AddError(CZavoInputParse& parse, uint32_t lastChars,
                    std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    const int rc = parse.AddToErrorByLength(piece.data(), static_cast<uint32_t>(piece.size()), 0);
    if (rc != HES_OK) return rc;
  }
  return parse.AddLastCharsToError(lastChars);
}

}  // namespace msgcodec_internal
