#include "ui/board_speech.h"

#include <algorithm>

#include <QCoreApplication>

#include "board/hole_geometry.h"
#include "board/move_rules.h"
#include "ui/board_accessible.h"

namespace vorn {

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("Form1", text);
}

int BallCount(const Form1& f) {
  int balls = 0;
  for (std::int16_t h = 0; h < f.LabelCount; ++h) balls += f.Image2[h].Tag.has_value();
  return balls;
}

// Row and place of a hole, counted from 1, for the lowest two numbered
// places of a text ("%1, %2", then "%3, %4" of what is left).
QString Place(const QString& text, const Form1& f, std::int16_t hole) {
  const RowPlace at = RowPlaceOf(f, hole);
  return text.arg(at.row + 1).arg(at.place + 1);
}

QString Jump(const char* text, const Form1& f, std::int16_t from, std::int16_t to) {
  return Place(Place(Tr(text), f, from), f, to);
}

bool StartsWith(const std::vector<PlayRec>& longer, const std::vector<PlayRec>& shorter) {
  return longer.size() >= shorter.size() &&
         std::equal(shorter.begin(), shorter.end(), longer.begin());
}

}  // namespace

BoardSnapshot Snapshot(const Form1& f) {
  BoardSnapshot s;
  s.GameLevel = f.GameLevel;
  s.Plays.assign(f.PlayList.begin(),
                 f.PlayList.begin() + std::clamp(f.PlayCount, 0, kPlayListSize));
  s.Redos.assign(f.RedoList.begin(),
                 f.RedoList.begin() + std::clamp(f.RedoCount, 0, kPlayListSize));
  for (std::int16_t h = 0; h < f.LabelCount; ++h) s.Full[h] = f.Image2[h].Tag.has_value();
  s.Lifted = f.Lifted;
  s.PickLabel = f.PickLabel;
  s.RingHole = f.RingHole;
  s.RingShown = f.RingShown;
  return s;
}

QString BallsLeft(const Form1& f) {
  const int balls = BallCount(f);
  return balls == 1 ? Tr(QT_TRANSLATE_NOOP("Form1", "1 ball left."))
                    : Tr(QT_TRANSLATE_NOOP("Form1", "%1 balls left.")).arg(balls);
}

QString DescribeBoard(const Form1& f) {
  const bool ring = f.RingHole >= 0 && f.RingHole < f.LabelCount;
  return (ring ? HoleName(f, f.RingHole) + ". " : QString()) + BallsLeft(f);
}

QString DescribeChange(const Form1& f, const BoardSnapshot& before, const BoardSnapshot& now) {
  const std::size_t plays = before.Plays.size();
  if (now.GameLevel == before.GameLevel) {
    if (now.Plays.size() == plays + 1 && StartsWith(now.Plays, before.Plays)) {
      const PlayRec& jump = now.Plays.back();
      // A redo makes the last undone jump again and keeps the others; any
      // other jump forgets them all.
      const bool redone = !before.Redos.empty() && before.Redos.back() == jump &&
                          now.Redos.size() + 1 == before.Redos.size() &&
                          StartsWith(before.Redos, now.Redos);
      const QString said =
          redone
              ? Jump(QT_TRANSLATE_NOOP("Form1", "Redone: row %1, hole %2 to row %3, hole %4."), f,
                     jump.FromLabel, jump.ToLabel)
              : Place(
                    Jump(
                        QT_TRANSLATE_NOOP(
                            "Form1",
                            "Row %1, hole %2 to row %3, hole %4. Ball taken from row %5, hole %6."),
                        f, jump.FromLabel, jump.ToLabel),
                    f, jump.OverLabel);
      return said + " " + BallsLeft(f);
    }
    if (now.Plays.size() + 1 == plays && StartsWith(before.Plays, now.Plays) &&
        now.Redos.size() == before.Redos.size() + 1) {
      const PlayRec& jump = before.Plays.back();
      return Jump(QT_TRANSLATE_NOOP("Form1", "Undone: row %1, hole %2 back to row %3, hole %4."), f,
                  jump.ToLabel, jump.FromLabel) +
             " " + BallsLeft(f);
    }
    if (now.Plays.empty() && before.Plays.empty()) {
      // The starting hole chosen: a ball taken out, and the hole left empty
      // before filled again.
      int emptied = -1, filled = 0, changes = 0;
      for (std::int16_t h = 0; h < kElementCount; ++h) {
        if (now.Full[h] == before.Full[h]) continue;
        ++changes;
        if (before.Full[h]) emptied = h;
        filled += now.Full[h];
      }
      if (emptied >= 0 && changes - filled == 1 && filled <= 1) {
        return Place(Tr(QT_TRANSLATE_NOOP("Form1", "Starting hole: row %1, hole %2.")), f,
                     std::int16_t(emptied)) +
               " " + BallsLeft(f);
      }
    }
  }
  if (now.GameLevel != before.GameLevel || now.Plays != before.Plays || now.Full != before.Full) {
    return DescribeBoard(f);
  }
  if (now.Lifted && !before.Lifted) {
    return f.DropCount == 1
               ? Tr(QT_TRANSLATE_NOOP("Form1", "Lifted. 1 landing hole."))
               : Tr(QT_TRANSLATE_NOOP("Form1", "Lifted. %1 landing holes.")).arg(f.DropCount);
  }
  if (before.Lifted && !now.Lifted) return Tr(QT_TRANSLATE_NOOP("Form1", "Put back."));
  return {};
}

QString WhyNothing(const Form1& f, BoardKey key) {
  const bool onBoard = f.RingHole >= 0 && f.RingHole < f.LabelCount;
  const bool ball = onBoard && f.Image2[f.RingHole].Tag.has_value();
  switch (key) {
    case BoardKey::Left:
    case BoardKey::Right:
    case BoardKey::Up:
    case BoardKey::Down:
      return Tr(QT_TRANSLATE_NOOP("Form1", "Edge of the board."));
    case BoardKey::Next:
    case BoardKey::Previous:
      return f.Lifted ? Tr(QT_TRANSLATE_NOOP("Form1", "No other landing hole."))
                      : Tr(QT_TRANSLATE_NOOP("Form1", "No other ball can jump."));
    case BoardKey::Act:
      if (!ball) return Tr(QT_TRANSLATE_NOOP("Form1", "No ball here."));
      return Tr(QT_TRANSLATE_NOOP("Form1", "This ball cannot jump."));
    case BoardKey::ChooseStart:
      if (!StartingChoiceOpen(f))
        return Tr(QT_TRANSLATE_NOOP("Form1", "The starting hole is chosen before the first jump."));
      return ball ? QString() : Tr(QT_TRANSLATE_NOOP("Form1", "No ball here."));
    case BoardKey::PutBack:
      return {};
  }
  return {};
}

QString DescribePosition(const Form1& f, std::chrono::steady_clock::time_point now) {
  if (!f.StartTime) return BallsLeft(f) + " " + Tr(QT_TRANSLATE_NOOP("Form1", "No jump yet."));
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now - *f.StartTime).count();
  return BallsLeft(f) + " " +
         Tr(QT_TRANSLATE_NOOP("Form1", "Time since the first jump: %1:%2."))
             .arg(seconds / 60)
             .arg(seconds % 60, 2, 10, QChar('0'));
}

QString DescribeHint(const Form1& f, std::int16_t from, std::int16_t to) {
  return Jump(QT_TRANSLATE_NOOP("Form1", "Hint: row %1, hole %2 to row %3, hole %4."), f, from, to);
}

}  // namespace vorn
