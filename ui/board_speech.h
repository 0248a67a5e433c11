#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include <QString>

#include "board/form1.h"
#include "play/board_keys.h"

namespace vorn {

// What a player without sight is told of the game, beside the hole under the
// focus ring that the board's accessibility names: what an action did, why a
// key did nothing, and where the game stands.

// The part of the game a player hears about when it changes.
struct BoardSnapshot {
  std::int16_t GameLevel = -1;
  std::vector<PlayRec> Plays;
  std::vector<PlayRec> Redos;
  std::array<bool, kElementCount> Full{};
  bool Lifted = false;
  std::int16_t PickLabel = 0;
  std::int16_t RingHole = 0;
  bool RingShown = false;
  friend bool operator==(const BoardSnapshot&, const BoardSnapshot&) = default;
};

BoardSnapshot Snapshot(const Form1& f);

// "13 balls left."
QString BallsLeft(const Form1& f);

// What changed from `before` to the game `f` now (snapshot `now`), in a few
// words: a jump, an undo or a redo, the starting hole, a lift or a put back,
// or a new board (the hole under the ring). Empty when nothing changed.
QString DescribeChange(const Form1& f, const BoardSnapshot& before, const BoardSnapshot& now);

// The ringed hole and the balls left: a board a player meets anew.
QString DescribeBoard(const Form1& f);

// Why a board key that changed nothing did nothing.
QString WhyNothing(const Form1& f, BoardKey key);

// The balls left and the time since the first jump, on demand.
QString DescribePosition(const Form1& f, std::chrono::steady_clock::time_point now);

// "Hint: row 3, hole 3 to row 1, hole 1."
QString DescribeHint(const Form1& f, std::int16_t from, std::int16_t to);

}  // namespace vorn
