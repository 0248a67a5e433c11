#include <gtest/gtest.h>

#include "board/eat_label.h"
#include "support/boards.h"

namespace vorn {
namespace {

using test::BoardWith;

// Ball 0 has been carried from the apex into hole 3, over the ball of hole 1,
// and not yet taken from the apex: what EatLabel expects.
Form1 JumpUnderWay(std::int32_t playCount) {
  Form1 f = BoardWith({0, 1});
  f.Image2[3].Tag = 0;
  f.PlayCount = playCount;
  return f;
}

void ExpectNothingEaten(const Form1& f, std::int32_t playCount) {
  EXPECT_EQ(f.PlayCount, playCount);
  EXPECT_EQ(f.Image2[1].Tag, 1);
  EXPECT_TRUE(f.Image1[1].Visible);
  EXPECT_FALSE(f.Menu.mnuUndo.Enabled);
  EXPECT_FALSE(f.Menu.mnuSave.Enabled);
}

TEST(EatLabel, AFullOrBrokenHistoryTakesNoJumpAndEatsNothing) {
  for (const std::int32_t count : {kPlayListSize, kPlayListSize + 7, -1}) {
    Form1 f = JumpUnderWay(count);
    const PlayRec last = f.PlayList.back();
    EatLabel(f, 0, 3);
    ExpectNothingEaten(f, count);
    EXPECT_EQ(f.PlayList.back(), last);
  }
  Form1 f = JumpUnderWay(kPlayListSize - 1);  // room for exactly one more
  EatLabel(f, 0, 3);
  EXPECT_EQ(f.PlayCount, kPlayListSize);
  EXPECT_EQ(f.PlayList.back(), (PlayRec{0, 0, 1, 1, 3}));
  EXPECT_FALSE(f.Image2[1].Tag);
}

TEST(EatLabel, AnEmptySourceHoleNamesNoBallAndEatsNothing) {
  Form1 f = JumpUnderWay(0);
  f.Image2[0].Tag.reset();
  EatLabel(f, 0, 3);
  ExpectNothingEaten(f, 0);
}

}  // namespace
}  // namespace vorn
