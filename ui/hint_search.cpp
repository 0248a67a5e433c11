#include "ui/hint_search.h"

#include <QMetaObject>

namespace vorn {

HintSearch::~HintSearch() {
  Cancel();
}

void HintSearch::Start(int holeCount, std::vector<SolverJump> jumps, std::uint32_t occupied,
                       Done done) {
  Cancel();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  running_ = true;
  const int generation = ++generation_;
  // The destructor joins the worker, so `this` outlives it; a queued answer
  // to a destroyed object is dropped by Qt.
  worker_ = std::jthread([this, cancel = cancel_, holeCount, jumps = std::move(jumps), occupied,
                          done = std::move(done), generation] {
    const Solver solver(holeCount, jumps);
    const auto answer = solver.Solve(occupied, *cancel);
    if (!answer || *cancel) return;
    QMetaObject::invokeMethod(
        this,
        [this, done, generation, answer = *answer] {
          if (generation_ != generation || !running_) return;
          running_ = false;
          done(answer);
        },
        Qt::QueuedConnection);
  });
}

void HintSearch::Cancel() {
  if (cancel_) cancel_->store(true);
  running_ = false;
  ++generation_;
  if (worker_.joinable()) worker_.join();
}

}  // namespace vorn
