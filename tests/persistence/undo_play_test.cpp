#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "persistence/restore_any_bytes.h"
#include "persistence/undo_play.h"
#include "platform/scripted_platform.h"

namespace vorn {
namespace {

TEST(UndoPlay, AnEmptyOrBrokenHistoryChangesNothing) {
  for (const std::int32_t count : {0, -1, -300}) {
    ScriptedPlatform platform;
    Form1 f;
    f.GameLevel = 2;
    ResetGame(f, platform);
    f.PlayCount = count;
    const Form1 before = f;
    UndoPlay(f, platform);
    EXPECT_EQ(test::DifferenceInGame(before, f), "") << count;
  }
}

}  // namespace
}  // namespace vorn
