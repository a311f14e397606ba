#include "merge/TextConversion.h"

#include "platform/TextCodec.h"

std::u16string ToWideString(const std::string& text) {
  return platform::DecodeMultiByte(text).value_or(u"invalid");
}

std::string ToMultiByteString(const std::u16string& text) {
  return platform::EncodeMultiByte(text).value_or("invalid");
}
