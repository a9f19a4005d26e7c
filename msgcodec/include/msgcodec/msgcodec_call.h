// The library's two entry points: a message object becomes a Hessian 1.0 call, and a Hessian
// 1.0 reply becomes a message object. The transport is the caller's.
//
//   CZavoOutput out(4096);
//   if (MsgCodecBuildRequest("report", 6, request, out) == HES_OK) { ... send ... }
//
//   CZavoInput input(bytes, size);
//   CZavoInputParse parse(input);
//   int rc = MsgCodecReadResponse(response, parse);   // parse.GetError() says why on failure
//
// Both are exported unmangled, so they can also be looked up by name at run time.
#pragma once

#include <msgcodec/hes_class.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo_input.h>
#include <msgcodec/zavo_output.h>

#include <cstdint>

extern "C" {

// Appends "c" 0x00 0x01 "m" length method argument "z". On failure nothing of the call
// remains in output.
MSGCODEC_EXPORT int MsgCodecBuildRequest(const char* method, uint32_t methodLength,
                                         const CZavoHesClass& argument, CZavoOutput& output);

// Reads "r" major minor, the result object, "z". The version bytes are not checked; a fault
// reply ("f") is refused by the object reader.
MSGCODEC_EXPORT int MsgCodecReadResponse(CZavoHesClass& result, CZavoInputParse& parse);

}  // extern "C"
