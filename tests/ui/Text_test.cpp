#include "ui/Text.h"

#include <gtest/gtest.h>

#include "ui/ForcedQueue.h"
#include "ui/PlatformServices.h"

namespace {

TEST(Text, Utf8RoundTripsAndReplacesLoneSurrogates) {
  struct Case {
    std::u16string in;
    std::string utf8;
  } cases[] = {
      {u"", ""},
      {u"abc", "abc"},
      {u"Caf\u00e9", "Caf\xC3\xA9"},
      {u"\u65e5\u672c", "\xE6\x97\xA5\xE6\x9C\xAC"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {std::u16string(1, char16_t(0xD800)), "\xEF\xBF\xBD"},
      {std::u16string(1, char16_t(0xDC00)) + u"x", "\xEF\xBF\xBDx"},
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::ToUtf8(c.in), c.utf8);
  }
  EXPECT_EQ(ui::FromUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(ui::FromUtf8("\xC3"), u"\uFFFD");
  EXPECT_EQ(ui::FromUtf8("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
  EXPECT_EQ(ui::FromUtf8("\xC0\xAF"), u"\uFFFD");      // overlong
}

TEST(ForcedQueue, RunsLaterInOrderAndDefersWorkQueuedWhileRunning) {
  std::vector<int> ran;
  ui::ForceQueue([&] {
    ran.push_back(1);
    ui::ForceQueue([&] { ran.push_back(3); });
  });
  ui::ForceQueue([&] { ran.push_back(2); });
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(ui::RunForcedQueue(), 2);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  EXPECT_EQ(ui::RunForcedQueue(), 1);
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(ui::ForcedQueueEmpty());
}

struct IFake {
  static constexpr ui::Guid kGuid = ui::Guid::Parse("{00000000-0000-0000-0000-0000000000AB}");
  int value = 7;
};

TEST(PlatformServices, AnswersOnlyWhatWasRegistered) {
  auto& reg = ui::PlatformServices::Current();
  EXPECT_FALSE(reg.SupportsService(IFake::kGuid));
  EXPECT_EQ(reg.Get<IFake>(), nullptr);
  reg.Add(std::make_shared<IFake>());
  ASSERT_NE(reg.Get<IFake>(), nullptr);
  EXPECT_EQ(reg.Get<IFake>()->value, 7);
  reg.Remove<IFake>();
  EXPECT_FALSE(reg.SupportsService(IFake::kGuid));
}

}  // namespace
