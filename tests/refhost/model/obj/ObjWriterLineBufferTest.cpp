#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "refhost/model/obj/ObjWriterLineBuffer.h"

namespace {

// Numbers at each change of digit count, and text longer than the buffer,
// which goes past it to the sink.
TEST(ObjLineBufferTest, WritesEveryNumberAndTextInOrder) {
  std::string written;
  const std::function<void(std::string_view)> sink = [&](std::string_view bytes) {
    written += bytes;
  };
  const std::uint64_t numbers[] = {0,
                                   9,
                                   10,
                                   99,
                                   100,
                                   9999,
                                   10000,
                                   99999,
                                   100000,
                                   12345678,
                                   999999999,
                                   10000000000,
                                   18446744073709551615u};
  std::string expected;
  const std::string longText((3 << 20) + 5, 'x');
  {
    refhost::ObjWriterLineBuffer buffer(sink, "\r\n");
    for (int round = 0; round < 100000; ++round) {
      for (std::uint64_t number : numbers) {
        buffer.AppendNumber('/', number);
        expected += '/' + std::to_string(number);
      }
      buffer.AppendFloat(0.1f);
      buffer.EndLine();
      expected += " 0.1\r\n";
      if (round % 40000 != 0) continue;
      buffer.Append(longText);
      expected += longText;
    }
    buffer.Flush();
  }
  EXPECT_TRUE(written == expected) << "a number, the line end or the long text came out wrong";
}

}  // namespace
