#include <gtest/gtest.h>

#include "support/Process.Win.h"
#include "ui/Text.h"

namespace {

using namespace std::chrono_literals;

// The language follows the user's locale through the real locale service.
// Wine takes a process's locale from its Unix environment, which a Wine
// parent does not pass on; so the probe is started through a Unix shell.
TEST(MessageCatalogueUnderWine, FollowsTheUserLanguage) {
  testsupport::TempDir dir;
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"ja_JP.UTF-8", u"\u30A6\u30A9\u30EC\u30C3\u30C8\u304C\u8D77\u52D5\u3057\u3066\u3044\u307E\u305B\u3093"},
      {u"de_DE.UTF-8", u"Wallet not running."},
      {u"en_US.UTF-8", u"Wallet not running."},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::u16string& locale = cases[i].first;
    // A Unix program gets no process handle here: the test waits for the file.
    testsupport::StartProcess(
        u"Z:\\usr\\bin\\dash -c \"exec /usr/lib/wine/wine64 '" + testsupport::BinPath(u"shell_probe.exe") + u"'\"",
        {{u"KRVL_PROBE_OUT", dir.File(locale + u".txt")}, {u"LANG", locale}, {u"LC_ALL", locale}});
  }
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    std::u16string out;
    testsupport::WaitUntil(
        [&] {
          out = testsupport::ReadUtf8File(dir.File(cases[i].first + u".txt"));
          return out.ends_with(u"\n") && out.find(u"message=") != std::u16string::npos;
        },
        20s);
    EXPECT_NE(out.find(u"message=" + cases[i].second + u"\n"), std::u16string::npos) << ui::ToUtf8(out);
  }
}

}  // namespace
