// UTF-16 <-> UTF-8 conversion. Unpaired surrogates and malformed UTF-8 become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace oslayer_internal {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace oslayer_internal
