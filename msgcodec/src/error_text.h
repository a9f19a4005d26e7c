// Error texts made of several pieces (fixed text, received names), followed by last chars.
#pragma once

#include <msgcodec/zavo_input.h>

#include <initializer_list>
#include <string>
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

// Values of any kind (skipped, or read by the value visitor) share these two texts.
inline int AddUnknownMarkerError(CZavoInputParse& parse, char marker) {
  return AddError(parse, kLastChars,
                  {"Cannot skip: Unknown type marker: '", std::string_view(&marker, 1), "'"});
}
inline int AddNestingError(CZavoInputParse& parse) {
  return AddError(parse, kLastChars,
                  {"Cannot skip: values nested deeper than ",
                   std::to_string(CZavoInputParse::kMaxSkipDepth), " levels"});
}

}  // namespace msgcodec_internal
