#include <msgcodec/zavo_input.h>

#include <cstring>
#include <new>

int CZavoInput::PutBack(uint32_t count) {
  if (count > mPosition) return HES_E_STATE;
  mPosition -= count;
  return HES_OK;
}

CZavoInputParse::~CZavoInputParse() { delete[] mError; }

int CZavoInputParse::AddToError(const char* text, TZavoAddLastChars mode) {
  const uint32_t lastChars = mode == ZAVO_ADD_LAST_CHARS ? kLastChars : 0;
  return AddToErrorByLength(text, text == nullptr ? 0 : static_cast<uint32_t>(std::strlen(text)),
                            lastChars);
}

int CZavoInputParse::AddToErrorByLength(const char* text, uint32_t length, uint32_t lastChars) {
  const uint64_t needed = uint64_t{mErrorLength} + length + 1;
  if (mErrorCapacity < needed) {
    const uint64_t steps = (needed - mErrorCapacity + 127) / 128;
    const uint64_t capacity = mErrorCapacity + steps * 128;
    if (capacity > UINT32_MAX) return HES_E_NO_MEMORY;
    char* error = new (std::nothrow) char[capacity];
    if (error == nullptr) return HES_E_NO_MEMORY;
    if (mErrorLength > 0) std::memcpy(error, mError, mErrorLength);
    delete[] mError;
    mError = error;
    mErrorCapacity = static_cast<uint32_t>(capacity);
  }
  if (length > 0) std::memcpy(mError + mErrorLength, text, length);
  mErrorLength += length;
  mError[mErrorLength] = '\0';
  return AddLastCharsToError(lastChars);
}

int CZavoInputParse::AddLastCharsToError(uint32_t count) {
  if (count == 0) return HES_OK;
  static constexpr char kIntro[] = ". Last chars read: '";
  const uint32_t position = mInput.GetNumExtracted();
  const uint32_t k = count < position ? count : position;
  const char* context = nullptr;
  if (k > 0) mInput.GetDataAt(context, position - k, k);

  // The intro, the shown bytes and the closing quote, in one append.
  char small[sizeof(kIntro) + 64];
  char* text = small;
  const uint32_t length = sizeof(kIntro) - 1 + k + 1;
  if (length > sizeof(small)) {
    text = new (std::nothrow) char[length];
    if (text == nullptr) return HES_E_NO_MEMORY;
  }
  std::memcpy(text, kIntro, sizeof(kIntro) - 1);
  for (uint32_t i = 0; i < k; ++i) {
    const unsigned char byte = static_cast<unsigned char>(context[i]);
    text[sizeof(kIntro) - 1 + i] = byte >= 0x20 && byte <= 0x7E ? static_cast<char>(byte) : '.';
  }
  text[length - 1] = '\'';
  const int rc = AddToErrorByLength(text, length, 0);
  if (text != small) delete[] text;
  return rc;
}
