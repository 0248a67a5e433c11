#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace vorn {

constexpr int kElementCount = 28;  // holes, and balls, designed into the window
constexpr int kListSize = 256;     // MoveList and DropList
constexpr int kPlayListSize = 1025;
constexpr std::int16_t kNoHole = -1;

// The sizes the board may be shown at, in percent of its designed size.
constexpr std::array<std::int16_t, 5> kBoardSizes{100, 125, 150, 200, 300};

enum class PointerKind : std::int16_t { Default = 0, Custom = 99 };

// A hole of the board: an element of Image2.
struct Hole {
  std::int16_t Index = 0;
  float Left = 0, Top = 0, Width = 435, Height = 435;
  bool Visible = true;
  std::optional<std::int16_t> Tag;  // the ball in the hole, if any
};

// A ball: an element of Image1.
struct Ball {
  std::int16_t Index = 0;
  float Left = 0, Top = 0, Width = 435, Height = 435;
  bool Visible = true;
  std::int16_t DragMode = 0;
  PointerKind MousePointer = PointerKind::Default;
  bool MouseIcon = false;  // true once the ball carries the hand icon
};

struct MenuItem {
  bool Enabled = true;
  bool Checked = false;
  bool Visible = true;
};

// The pop-up menu's items as the rules see them; the window mirrors them.
struct PopUpMenu {
  MenuItem mnuUndo{false};
  MenuItem mnuRedo{false};
  MenuItem mnuHint{false, false, false};
  MenuItem mnuRestore;
  MenuItem mnuSave{false};
  MenuItem mnuReset;
  MenuItem mnuLevel{false};
  MenuItem mnuLevel1, mnuLevel2, mnuLevel3;
  MenuItem mnuSize;
  std::array<MenuItem, kBoardSizes.size()> mnuSizes{};  // one per board size
  MenuItem mnuBestTimes;
  MenuItem mnuHelp, mnuInst, mnuAbout, mnuExit;
};

// One jump of the history, fields in their file order.
struct PlayRec {
  std::int16_t FromLabel = 0;
  std::int32_t MovedBall = 0;
  std::int16_t OverLabel = 0;
  std::int32_t EatenBall = 0;
  std::int16_t ToLabel = 0;
  friend bool operator==(const PlayRec&, const PlayRec&) = default;
};

struct LabelPosition {
  float Left = 0, Top = 0;
};

// The main window's game state: one owner for all of it.
struct Form1 {
  Form1();  // holes and balls at their designed places

  std::array<Ball, kElementCount> Image1;
  std::array<Hole, kElementCount> Image2;

  std::int16_t GameLevel = 0;
  std::int16_t RowCount = 0;
  std::int16_t LabelCount = 0;
  std::array<LabelPosition, kElementCount> LabelPos{};
  float RowPitch = 0, DiagJumpDX = 0, RowJumpDX = 0;

  std::array<std::int16_t, kListSize> MoveList{};
  std::int16_t MoveCount = 0;
  std::array<std::int16_t, kListSize> DropList{};
  std::int16_t DropCount = 0;

  std::int16_t PickLabel = 0;
  std::int16_t EmptyLabel = 0;
  bool Dragging = false;
  float GrabX = 0, GrabY = 0;
  // A ball lifted by a key or a click, still in hole PickLabel, waits for
  // the hole it is to jump to; DropList lists where it may land.
  bool Lifted = false;

  // The hole the board's keys act on. The focus ring marks it once a key has
  // shown it; a mouse press hides it where it stands.
  std::int16_t RingHole = 0;
  bool RingShown = false;

  std::array<PlayRec, kPlayListSize> PlayList{};
  std::int32_t PlayCount = 0;
  // Jumps taken back by undo, the last one undone last: redo makes them
  // again. Any other change of the game forgets them.
  std::array<PlayRec, kPlayListSize> RedoList{};
  std::int32_t RedoCount = 0;

  bool NewGame = false;
  // Monotonic time of the first jump of the current game; empty until then.
  std::optional<std::chrono::steady_clock::time_point> StartTime;
  // Whether this game began on a fresh board (start-up, reset, level change),
  // so that its time is known and a win counts for the best times.
  bool FreshBoard = false;
  // A counted win the best times have not taken in yet.
  struct WinTime {
    std::int16_t level = 0;
    long long seconds = 0;
  };
  std::optional<WinTime> CountedWin;

  // The board's size on screen, one of kBoardSizes; the rules keep twips.
  std::int16_t BoardSize = 100;

  PopUpMenu Menu;

  // The file dialog shared by save and restore; it proposes the name last chosen.
  struct CommonDialog {
    std::string FileName;
  } CommonDialog1;
};

// Puts a ball image at the Left and Top of a hole; the Tags are the caller's.
void MoveBallToHole(Form1& f, std::int16_t ball, std::int16_t hole);

// Checks the level item of GameLevel and clears the other two.
void CheckLevelItem(Form1& f);

// Checks the size item of BoardSize and clears the others.
void CheckSizeItem(Form1& f);

// Forgets the undone jumps: any change but an undo or a redo makes them stale.
void ForgetRedo(Form1& f);

}  // namespace vorn
