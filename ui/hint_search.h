#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <QObject>

#include "solver/solver.h"

namespace vorn {

// Runs one solver search at a time on a thread of its own and hands the
// answer back on the user-interface thread. A cancelled search answers
// nothing.
class HintSearch : public QObject {
 public:
  using Done = std::function<void(Solver::Answer)>;

  HintSearch() = default;
  ~HintSearch() override;

  void Start(int holeCount, std::vector<SolverJump> jumps, std::uint32_t occupied, Done done);
  void Cancel();
  bool Running() const { return running_; }

 private:
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::jthread worker_;
  bool running_ = false;
  int generation_ = 0;
};

}  // namespace vorn
