#include "ui/MessageManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Ping {
  int value;
};
struct Pong {};

TEST(MessageManager, DeliversByTypeToCurrentSubscribersOnly) {
  ui::TMessageManager m;
  std::vector<int> got;
  int pongs = 0;
  const int a = m.SubscribeToMessage<Ping>([&](const void*, const Ping& p) { got.push_back(p.value); });
  m.SubscribeToMessage<Ping>([&](const void*, const Ping& p) { got.push_back(p.value * 10); });
  m.SubscribeToMessage<Pong>([&](const void*, const Pong&) { ++pongs; });
  m.SendMessage(nullptr, Ping{1});
  m.Unsubscribe(a);
  m.SendMessage(nullptr, Ping{2});
  EXPECT_EQ(got, (std::vector<int>{1, 10, 20}));
  EXPECT_EQ(pongs, 0);
}

TEST(MessageManager, PassesTheSender) {
  ui::TMessageManager m;
  int sender = 0;
  const void* seen = nullptr;
  m.SubscribeToMessage<Pong>([&](const void* s, const Pong&) { seen = s; });
  m.SendMessage(&sender, Pong{});
  EXPECT_EQ(seen, &sender);
}

TEST(MessageManager, ListenersMayUnsubscribeDuringDelivery) {
  ui::TMessageManager m;
  int second = 0;
  int third = 0;
  int secondId = 0;
  int firstId = 0;
  firstId = m.SubscribeToMessage<Pong>([&](const void*, const Pong&) {
    m.Unsubscribe(firstId);   // itself
    m.Unsubscribe(secondId);  // a later one: it must not run any more
    m.SubscribeToMessage<Pong>([&](const void*, const Pong&) { ++third; });
  });
  secondId = m.SubscribeToMessage<Pong>([&](const void*, const Pong&) { ++second; });
  m.SendMessage(nullptr, Pong{});
  EXPECT_EQ(second, 0);
  EXPECT_EQ(third, 0);  // subscribed during delivery: from the next message on
  m.SendMessage(nullptr, Pong{});
  EXPECT_EQ(third, 1);
}

}  // namespace
