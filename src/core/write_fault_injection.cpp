#include "core/write_fault_injection.h"

#include <algorithm>
#include <cassert>

namespace tolka::core {

namespace write_fault_detail {

ScopedWriteFault* active_plan = nullptr;

int Consult(WriteStep step, const std::filesystem::path& target) {
  ScopedWriteFault& plan = *active_plan;
  plan.steps_.push_back({step, target});
  const size_t n = plan.steps_.size();
  if (plan.fail_at_ == 0 || n < plan.fail_at_) return 0;
  return n == plan.fail_at_ || plan.span_ == FaultSpan::FromThenOn ? plan.error_ : 0;
}

}  // namespace write_fault_detail

bool DiskSyncWanted() {
  return write_fault_detail::active_plan == nullptr || write_fault_detail::active_plan->sync_;
}

size_t WriteCallSize(size_t wanted) {
  const ScopedWriteFault* plan = write_fault_detail::active_plan;
  if (plan == nullptr || plan->write_limit_ == 0) return wanted;
  return std::min(wanted, plan->write_limit_);
}

const char* WriteStepName(WriteStep step) {
  switch (step) {
    case WriteStep::Open:
      return "open";
    case WriteStep::Write:
      return "write";
    case WriteStep::Sync:
      return "fsync";
    case WriteStep::Close:
      return "close";
    case WriteStep::Rename:
      return "rename";
  }
  return "?";
}

ScopedWriteFault::ScopedWriteFault(size_t fail_at, int error, FaultSpan span)
    : fail_at_(fail_at), error_(error), span_(span), previous_(write_fault_detail::active_plan) {
  assert(previous_ == nullptr);
  write_fault_detail::active_plan = this;
}

ScopedWriteFault::~ScopedWriteFault() { write_fault_detail::active_plan = previous_; }

}  // namespace tolka::core
