#include "persistence/replay.h"

#include "board/board_layout.h"
#include "board/eat_label.h"
#include "board/hole_geometry.h"
#include "board/move_rules.h"

namespace vorn {

namespace {

bool IsElementIndex(std::int32_t value) {
  return value >= 0 && value < kElementCount;
}

bool IsWellFormed(const PlayRec& r) {
  return IsElementIndex(r.FromLabel) && IsElementIndex(r.OverLabel) && IsElementIndex(r.ToLabel) &&
         IsElementIndex(r.MovedBall) && IsElementIndex(r.EatenBall);
}

bool InPlay(const Form1& f, std::int16_t hole) {
  return hole < f.LabelCount;
}

// The ball standing in hole start moves into the apex, as a right press on it
// would have done before the first jump.
void StartFrom(Form1& f, std::int16_t start) {
  const std::int16_t ball = *f.Image2[start].Tag;
  MoveBallToHole(f, ball, 0);
  f.Image2[0].Tag = ball;
  f.Image2[start].Tag.reset();
}

bool JumpAllowed(Form1& f, const PlayRec& r) {
  if (!InPlay(f, r.FromLabel) || !InPlay(f, r.OverLabel) || !InPlay(f, r.ToLabel)) return false;
  if (!f.Image2[r.FromLabel].Tag || !f.Image2[r.OverLabel].Tag || f.Image2[r.ToLabel].Tag) {
    return false;
  }
  f.PickLabel = r.FromLabel;
  CheckDrop(f);
  return CheckDroping(f, r.ToLabel) && BetweenLabel(f, r.FromLabel, r.ToLabel) == r.OverLabel;
}

void MakeJump(Form1& f, const PlayRec& r) {
  const std::int16_t ball = *f.Image2[r.FromLabel].Tag;
  MoveBallToHole(f, ball, r.ToLabel);
  f.Image2[r.ToLabel].Tag = ball;
  EatLabel(f, r.FromLabel, r.ToLabel);
  f.Image2[r.FromLabel].Tag.reset();
}

}  // namespace

ReplayOutcome ReplayJumps(Form1& f, const std::vector<PlayRec>& records,
                          const std::function<void()>& afterEachJump) {
  ReplayOutcome outcome;
  if (records.size() > kPlayListSize - 1) {
    outcome.fault = ReplayFault::TooManyJumps;
    return outcome;
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!IsWellFormed(records[i])) {
      outcome.fault = ReplayFault::Malformed;
      outcome.faultyJump = i;
      return outcome;
    }
  }
  if (!records.empty() && records.front().ToLabel != 0) {
    const std::int16_t start = records.front().ToLabel;
    if (!InPlay(f, start) || !f.Image2[start].Tag || f.Image2[0].Tag) {
      outcome.fault = ReplayFault::Impossible;
      outcome.faultyJump = 0;
      return outcome;
    }
    StartFrom(f, start);
  }
  for (const PlayRec& r : records) {
    if (!JumpAllowed(f, r)) {
      outcome.fault = ReplayFault::Impossible;
      outcome.faultyJump = outcome.jumpsApplied;
      return outcome;
    }
    MakeJump(f, r);
    ++outcome.jumpsApplied;
    if (afterEachJump) afterEachJump();
  }
  return outcome;
}

LevelChoice FindReplayLevel(const Form1& f, const std::vector<PlayRec>& records) {
  LevelChoice choice;
  std::vector<std::int16_t> candidates{f.GameLevel};
  for (std::int16_t level = 0; level <= 2; ++level) {
    if (level != f.GameLevel) candidates.push_back(level);
  }
  for (const std::int16_t level : candidates) {
    Form1 trial = f;
    trial.GameLevel = level;
    trial.PlayCount = 0;
    SetBalls(trial);
    const ReplayOutcome outcome = ReplayJumps(trial, records);
    if (outcome.fault == ReplayFault::None) {
      choice.level = level;
      return choice;
    }
    if (outcome.fault != ReplayFault::Impossible) {
      choice.furthest = outcome;
      return choice;
    }
    if (outcome.jumpsApplied >= choice.furthest.jumpsApplied) choice.furthest = outcome;
  }
  return choice;
}

}  // namespace vorn
