// MsgCodec: the Hessian 1.0 codec of the client's messages.
//
// Write a message as a call with MsgCodecBuildRequest and read a reply with
// MsgCodecReadResponse (msgcodec_call.h). Message classes derive from CZavoHesClass and are
// declared with ZAVO_HES_CLASS (hes_message.h); their members are the value classes of
// hes_scalar.h, hes_string.h and hes_array.h. Any value, call or reply can be read without a
// message class through CZavoHesValueVisitor (hes_value_visitor.h). docs/msgcodec.md describes
// the wire forms.
#pragma once

#include <msgcodec/hes_array.h>
#include <msgcodec/hes_class.h>
#include <msgcodec/hes_message.h>
#include <msgcodec/hes_object.h>
#include <msgcodec/hes_result.h>
#include <msgcodec/hes_scalar.h>
#include <msgcodec/hes_string.h>
#include <msgcodec/hes_value_visitor.h>
#include <msgcodec/msgcodec_call.h>
#include <msgcodec/msgcodec_export.h>
#include <msgcodec/zavo_input.h>
#include <msgcodec/zavo_output.h>

// The message catalogue, one folder per wire namespace.
#include <msgcodec/CommEngine/profile.h>
#include <msgcodec/CommEngine/report.h>
#include <msgcodec/CommEngine/session.h>
#include <msgcodec/VantorTypes/types.h>
#include <msgcodec/VantorTypes/value_class.h>
#include <msgcodec/services/envelope.h>
#include <msgcodec/services/report.h>
#include <msgcodec/services/session.h>
#include <msgcodec/zavo/cl/behavior.h>
#include <msgcodec/zavo/cl/connect.h>
#include <msgcodec/zavo/cl/envelope.h>
#include <msgcodec/zavo/cl/registration.h>
#include <msgcodec/zavo/cl/topology.h>
