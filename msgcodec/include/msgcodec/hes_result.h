// The codec's result codes. Every codec operation with an int result returns one of these.
// The values travel between libraries and into logs: never change them.
#pragma once

#include <cstdint>

inline constexpr int32_t HES_OK = 0;
// The operation or input form is not supported (SetNull on a scalar, a UTF-16 surrogate, an
// anonymous or variable-length list, a class without a member table).
inline constexpr int32_t HES_E_NOT_SUPPORTED = -1999993;
// An argument is out of range (a length above 65535, SetDataSize beyond the data written).
inline constexpr int32_t HES_E_BAD_ARGUMENT = -1999994;
// The input does not have the expected form.
inline constexpr int32_t HES_E_FORMAT = -1999995;
// The input ends before the item does.
inline constexpr int32_t HES_E_NO_DATA = -1999996;
// An allocation failed.
inline constexpr int32_t HES_E_NO_MEMORY = -1999997;
// A put-back beyond the start of the input, or serialising a class whose member table is empty.
inline constexpr int32_t HES_E_STATE = -1999998;
