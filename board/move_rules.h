#pragma once

#include <cstdint>
#include <optional>

#include "board/form1.h"
#include "platform/platform.h"

namespace vorn {

// Surveys the board after every change: lists every legal jump in MoveList,
// gives the balls that can jump the custom pointer and ends the game when one
// ball or no jump is left, then offers Hint as EnableHint says. Passing chklst (only its presence
// matters) skips the no-more-moves check.
void CheckBlk(Form1& f, Platform& platform, std::optional<std::int16_t> chklst = std::nullopt);

// Offers Hint while the last survey found a jump and no ball is carried; the
// survey and every start and end of a carry apply it.
void EnableHint(Form1& f);

// Whether the ball in hole ind can jump, as of the last survey.
bool CheckValid(const Form1& f, std::int16_t ind);

// Lists in DropList where the ball in hole PickLabel may land.
void CheckDrop(Form1& f);

// Whether hole ind is one of the listed landing holes.
bool CheckDroping(const Form1& f, std::int16_t ind);

// Whether the player may still choose the starting hole: only before the
// first jump of a game, while the history is empty. A restored game keeps
// NewGame until its next jump, but its history already describes the board.
bool StartingChoiceOpen(const Form1& f);

// The first jump of a new game starts its clock and locks the level.
void FirstJumpStartsClock(Form1& f, Platform& platform);

}  // namespace vorn
