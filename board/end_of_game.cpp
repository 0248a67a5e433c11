#include "board/end_of_game.h"

#include "board/board_layout.h"

namespace vorn {

std::string WonPrompt(long long seconds) {
  return "Congratulations, You have Won!\r\nYour time was:" + std::to_string(seconds) +
         " Seconds. Would you like to play again?\r\n";
}

void WonGame(Form1& f, Platform& platform) {
  // Timed from the first jump of this game; a position won without a jump of
  // its own (a restored one) took no time.
  long long seconds = 0;
  if (f.StartTime) {
    seconds =
        std::chrono::duration_cast<std::chrono::seconds>(platform.Now() - *f.StartTime).count();
  }
  // Only a game timed from a fresh board counts, and only once.
  if (f.FreshBoard && f.StartTime) f.CountedWin = Form1::WinTime{f.GameLevel, seconds};
  f.FreshBoard = false;
  if (platform.MsgBox(WonPrompt(seconds), MsgButtons::YesNo, MsgIcon::Exclamation, kGameTitle) ==
      MsgAnswer::Yes) {
    ResetGame(f, platform);
  }
}

void LostGame(Form1& f, Platform& platform) {
  if (platform.MsgBox("Sorry, No more moves are posible\r\nWould you like to play again?",
                      MsgButtons::YesNo, MsgIcon::Exclamation, kGameTitle) == MsgAnswer::Yes) {
    ResetGame(f, platform);
  }
}

}  // namespace vorn
