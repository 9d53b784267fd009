#pragma once

// A way to end a long build early from another thread. While a StopScope is
// alive on a thread, and once its flag is set, glyphs that thread renders come
// out empty without FreeType's work, so the rest of the build runs through in
// moments; what it makes is only fit to be thrown away. A build with no scope
// (vantor-bake, the main dialog) is never stopped.
//
//   auto stop = std::make_shared<std::atomic<bool>>(false);
//   { StopScope scope(stop.get()); BuildSomething(); }   // another thread: stop->store(true)

#include <atomic>

namespace vantor::platform {

/// Makes `flag` (may be null) the stop flag of this thread until the scope ends.
class StopScope {
 public:
  explicit StopScope(const std::atomic<bool>* flag);
  ~StopScope();
  StopScope(const StopScope&) = delete;
  StopScope& operator=(const StopScope&) = delete;

 private:
  const std::atomic<bool>* previous_;
};

/// This thread's stop flag; null when none.
const std::atomic<bool>* ThreadStopFlag();

/// True when this thread's build was asked to stop.
inline bool StopAsked() {
  const std::atomic<bool>* flag = ThreadStopFlag();
  return flag != nullptr && flag->load(std::memory_order_relaxed);
}

}  // namespace vantor::platform
