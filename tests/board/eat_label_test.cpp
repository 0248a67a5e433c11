#include <gtest/gtest.h>

#include "board/eat_label.h"
#include "support/boards.h"

namespace vorn {
namespace {

// Ball 9 has been carried from hole 0 into hole 3, over ball 4 in hole 1, and
// not yet taken from hole 0: what EatLabel expects.
Form1 JumpUnderWay(std::int32_t playCount) {
  Form1 f = test::BoardWith({});
  f.Image2[0].Tag = f.Image2[3].Tag = 9;
  f.Image2[1].Tag = 4;
  f.Image1[4].Visible = true;
  f.PlayCount = playCount;
  return f;
}

TEST(EatLabel, RecordsTheJumpByHolesAndBallsAndTakesTheBallJumpedOver) {
  Form1 f = JumpUnderWay(kPlayListSize - 1);  // room for exactly one more
  EatLabel(f, 0, 3);
  EXPECT_EQ(f.PlayCount, kPlayListSize);
  EXPECT_EQ(f.PlayList.back(), (PlayRec{0, 9, 1, 4, 3}));
  EXPECT_FALSE(f.Image2[1].Tag);
  EXPECT_FALSE(f.Image1[4].Visible);
  EXPECT_TRUE(f.Menu.mnuUndo.Enabled && f.Menu.mnuSave.Enabled);
}

// A full or broken history, or no ball in the source or middle hole: no jump
// is recorded and nothing is eaten.
TEST(EatLabel, NothingHappensWithoutRoomInTheHistoryOrABallEachSide) {
  struct Case {
    std::int32_t playCount;
    int emptied;
  };
  for (const Case c : {Case{kPlayListSize, -1}, Case{kPlayListSize + 7, -1}, Case{-1, -1},
                       Case{0, 0}, Case{0, 1}}) {
    Form1 f = JumpUnderWay(c.playCount);
    if (c.emptied >= 0) f.Image2[c.emptied].Tag.reset();
    const Form1 before = f;
    EatLabel(f, 0, 3);
    SCOPED_TRACE(::testing::Message() << c.playCount << " jumps, hole " << c.emptied << " emptied");
    EXPECT_EQ(f.PlayCount, c.playCount);
    EXPECT_TRUE(f.PlayList == before.PlayList);
    EXPECT_EQ(f.Image2[1].Tag, before.Image2[1].Tag);
    EXPECT_TRUE(f.Image1[4].Visible);
    EXPECT_FALSE(f.Menu.mnuUndo.Enabled || f.Menu.mnuSave.Enabled);
  }
}

}  // namespace
}  // namespace vorn
