#pragma once
// Decodes a child's output from a code page, read by read. A character whose
// bytes are split between two reads is carried over and decoded whole.
#include <windows.h>

#include <string>
#include <string_view>

namespace qx::cli {

class TAnsiDecoder {
 public:
  explicit TAnsiDecoder(UINT iCodePage = CP_ACP);

  // The text of `iBytes` after what was carried over, keeping back an
  // incomplete character at the end.
  std::u16string Decode(std::string_view iBytes);
  // What was kept back, decoded as it is (the stream has ended).
  std::u16string Finish();

 private:
  std::size_t IncompleteTail(std::string_view iBytes) const;

  UINT FCodePage;
  bool FUtf8 = false;
  bool FDoubleByte = false;
  std::string FCarry;
};

}  // namespace qx::cli
