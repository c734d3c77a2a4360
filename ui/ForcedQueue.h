#pragma once
// The main thread's forced queue: work queued here runs later, after the
// current event, even when queued from the main thread itself. The Windows
// host wakes its message loop through the waker and drains the queue there;
// portable tests drain it by hand.
#include <functional>

namespace ui {

using TProc = std::function<void()>;

void ForceQueue(TProc proc);

// Runs what was queued before this call, in order. Work queued while these run
// waits for the next call. Returns how many ran.
int RunForcedQueue();

bool ForcedQueueEmpty();

// Called after each ForceQueue; the Windows host posts a wake-up message to
// its message loop.
void SetForcedQueueWaker(std::function<void()> waker);

}  // namespace ui
