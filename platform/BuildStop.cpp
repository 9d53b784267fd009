#include "platform/BuildStop.h"

namespace vantor::platform {

namespace {
thread_local const std::atomic<bool>* tStopFlag = nullptr;
}

StopScope::StopScope(const std::atomic<bool>* flag) : previous_(tStopFlag) { tStopFlag = flag; }

StopScope::~StopScope() { tStopFlag = previous_; }

const std::atomic<bool>* ThreadStopFlag() { return tStopFlag; }

}  // namespace vantor::platform
