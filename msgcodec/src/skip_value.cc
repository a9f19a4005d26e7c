// SkipValue: one value of any kind the codec knows, read and dropped. Strings, binaries,
// objects and lists are read by their own classes into temporaries.
#include <msgcodec/hes_array.h>
#include <msgcodec/hes_class.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/zavo_input.h>

#include <memory>
#include <new>

#include "error_text.h"

namespace {

template <class T>
int SkipWith(CZavoInputParse& parse) {
  // Put the marker back: the temporary reads the whole value itself.
  parse.Input().PutBack(1);
  std::unique_ptr<T> temporary(new (std::nothrow) T);
  if (temporary == nullptr) return HES_E_NO_MEMORY;
  return temporary->Deserialize(parse);
}

}  // namespace

int CZavoInputParse::SkipValue() {
  char marker = 0;
  if (mInput.ReadByte(marker) != HES_OK) {
    AddToError("Cannot get variable type", ZAVO_NO_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  const char* bytes;
  switch (marker) {
    case 'N':
    case 'T':
    case 'F':
      return HES_OK;
    case 'I':
      return mInput.Extract(bytes, 4);
    case 'L':
    case 'D':
    case 'd':
      return mInput.Extract(bytes, 8);
    case 'S':
    case 's':
      return SkipWith<CZavoHesString>(*this);
    case 'B':
    case 'b':
      return SkipWith<CZavoHesBinary>(*this);
    case 'M':
    case 'V': {
      // Objects and lists inside skipped values nest through this function: bound the depth
      // so that a reply of nested markers cannot exhaust the stack.
      if (mSkipDepth >= kMaxSkipDepth) {
        msgcodec_internal::AddNestingError(*this);
        return HES_E_FORMAT;
      }
      ++mSkipDepth;
      const int rc =
          marker == 'M' ? SkipWith<CZavoHesSkipClass>(*this) : SkipWith<CZavoHesSkipArray>(*this);
      --mSkipDepth;
      return rc;
    }
    default:
      msgcodec_internal::AddUnknownMarkerError(*this, marker);
      return HES_E_FORMAT;
  }
}
