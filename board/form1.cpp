#include "board/form1.h"

namespace vorn {

namespace {

// Where each hole stands before any layout has moved it.
constexpr std::array<LabelPosition, kElementCount> kDesignedHolePlaces{{
    {1920, 120},  {1560, 600},  {2280, 600},  {1320, 1080}, {1920, 1080}, {2520, 1080},
    {960, 1560},  {1560, 1560}, {2280, 1560}, {2880, 1560}, {720, 2040},  {1200, 2040},
    {1920, 2040}, {2520, 1920}, {3120, 2040}, {480, 2400},  {960, 2400},  {1560, 2400},
    {2280, 2400}, {2760, 2400}, {3360, 2400}, {240, 2760},  {720, 2760},  {1200, 2760},
    {1920, 2760}, {2400, 2760}, {3000, 2760}, {3600, 2760},
}};

}  // namespace

Form1::Form1() {
  for (std::int16_t i = 0; i < kElementCount; ++i) {
    Image2[i].Index = i;
    Image2[i].Left = kDesignedHolePlaces[i].Left;
    Image2[i].Top = kDesignedHolePlaces[i].Top;
    Image1[i].Index = i;
    Image1[i].Left = kDesignedHolePlaces[i].Left;
    Image1[i].Top = kDesignedHolePlaces[i].Top;
  }
}

void MoveBallToHole(Form1& f, std::int16_t ball, std::int16_t hole) {
  f.Image1[ball].Left = f.Image2[hole].Left;
  f.Image1[ball].Top = f.Image2[hole].Top;
}

void CheckLevelItem(Form1& f) {
  f.Menu.mnuLevel1.Checked = f.GameLevel == 0;
  f.Menu.mnuLevel2.Checked = f.GameLevel == 1;
  f.Menu.mnuLevel3.Checked = f.GameLevel == 2;
}

void CheckSizeItem(Form1& f) {
  for (std::size_t i = 0; i < kBoardSizes.size(); ++i) {
    f.Menu.mnuSizes[i].Checked = f.BoardSize == kBoardSizes[i];
  }
}

void ForgetRedo(Form1& f) {
  f.RedoCount = 0;
  f.Menu.mnuRedo.Enabled = false;
}

}  // namespace vorn
