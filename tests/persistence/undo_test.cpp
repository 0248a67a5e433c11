#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"
#include "play/ball_drag.h"

namespace vorn {
namespace {

void Jump(Form1& f, Platform& platform, std::int16_t from, std::int16_t to) {
  const std::int16_t ball = *f.Image2[from].Tag;
  Image1_MouseDown(f, platform, ball, kLeftButton, 0, 200, 200);
  Image1_MouseUp(f, platform, ball, kLeftButton, 0, f.Image2[to].Left + 200 - f.Image1[ball].Left,
                 f.Image2[to].Top + 200 - f.Image1[ball].Top);
}

TEST(UndoPlay, TakesJumpsBackLastFirstRestoringBothBalls) {
  ScriptedPlatform platform;
  Form1 f;
  ResetGame(f, platform);
  Jump(f, platform, 3, 0);  // over 1
  Jump(f, platform, 5, 3);  // over 4
  ASSERT_EQ(f.PlayCount, 2);
  UndoPlay(f, platform);
  EXPECT_EQ(f.Image2[5].Tag, 5);
  EXPECT_EQ(f.Image2[4].Tag, 4);
  EXPECT_TRUE(f.Image1[4].Visible);
  EXPECT_EQ(f.Image1[5].Left, f.Image2[5].Left);
  EXPECT_FALSE(f.Image2[3].Tag);
  EXPECT_TRUE(f.Menu.mnuUndo.Enabled);
  UndoPlay(f, platform);
  EXPECT_EQ(f.Image2[3].Tag, 3);
  EXPECT_EQ(f.Image2[1].Tag, 1);
  EXPECT_FALSE(f.Image2[0].Tag);
  EXPECT_EQ(f.PlayCount, 0);
  EXPECT_FALSE(f.Menu.mnuUndo.Enabled);
  EXPECT_TRUE(f.Menu.mnuSave.Enabled);
  EXPECT_FALSE(f.Menu.mnuLevel.Enabled);
  EXPECT_FALSE(f.NewGame);
  EXPECT_EQ(f.MoveCount, 2);
  UndoPlay(f, platform);  // nothing left: nothing happens
  EXPECT_EQ(f.PlayCount, 0);
  EXPECT_TRUE(platform.msgBoxes.empty());

  Jump(f, platform, 5, 0);  // a different jump overwrites the undone record
  EXPECT_EQ(f.PlayList[0].FromLabel, 5);
  EXPECT_EQ(f.PlayCount, 1);
}

}  // namespace
}  // namespace vorn
