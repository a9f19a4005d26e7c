// Call  := "c" 0x00 0x01 "m" length16 method-name argument "z"
// Reply := "r" major minor result "z"   (the version bytes are not checked)
#include <msgcodec/msgcodec_call.h>

int MsgCodecBuildRequest(const char* method, uint32_t methodLength, const CZavoHesClass& argument,
                         CZavoOutput& output) {
  const uint32_t saved = output.DataSize();
  if (methodLength > 0xFFFF) return HES_E_BAD_ARGUMENT;
  const char head[6] = {
      'c', 0x00, 0x01, 'm', static_cast<char>(methodLength >> 8), static_cast<char>(methodLength)};
  int rc = output.Append(head, sizeof(head));
  if (rc == HES_OK) rc = output.Append(method, methodLength);
  if (rc == HES_OK) rc = argument.Serialize(output);
  if (rc == HES_OK) rc = output.Append('z');
  if (rc != HES_OK && output.DataSize() >= saved) output.SetDataSize(saved);
  return rc;
}

int MsgCodecReadResponse(CZavoHesClass& result, CZavoInputParse& parse) {
  CZavoInput& input = parse.Input();
  const char* head;
  if (input.Extract(head, 3) != HES_OK) {
    parse.AddToError("Could not find data, while looking for the opening 'r' and version",
                     ZAVO_NO_LAST_CHARS);
    return HES_E_NO_DATA;
  }
  if (head[0] != 'r') {
    parse.AddToError("Expected the opening 'r', but got something else", ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  }
  const int rc = result.Deserialize(parse);
  if (rc != HES_OK) return rc;
  char marker = 0;
  if (input.ReadByte(marker) != HES_OK) {
    parse.AddToError("Failed to read the terminating 'z'", ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  }
  if (marker != 'z') {
    parse.AddToError("Expected terminating 'z', but got something else", ZAVO_NO_LAST_CHARS);
    return HES_E_FORMAT;
  }
  return HES_OK;
}
