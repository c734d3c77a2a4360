#include "ui/ForcedQueue.h"

#include <deque>

namespace ui {
namespace {

struct Queue {
  std::deque<TProc> pending;
  std::function<void()> waker;
};

Queue& TheQueue() {
  static Queue q;
  return q;
}

}  // namespace

void ForceQueue(TProc proc) {
  auto& q = TheQueue();
  q.pending.push_back(std::move(proc));
  if (q.waker) q.waker();
}

int RunForcedQueue() {
  auto& q = TheQueue();
  std::size_t count = q.pending.size();
  int ran = 0;
  while (count-- > 0 && !q.pending.empty()) {
    TProc proc = std::move(q.pending.front());
    q.pending.pop_front();
    if (proc) proc();
    ++ran;
  }
  return ran;
}

bool ForcedQueueEmpty() { return TheQueue().pending.empty(); }

void SetForcedQueueWaker(std::function<void()> waker) { TheQueue().waker = std::move(waker); }

}  // namespace ui
