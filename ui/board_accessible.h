#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QAccessible>
#include <QPointer>
#include <QString>

#include "board/form1.h"

class QWidget;

namespace vorn {

// What assistive technology is told of the board: the board picture is a
// list of the holes in play, in reading order, each named by where it is and
// what it holds; the hole under the focus ring has the focus.
void InstallBoardAccessibility();

// The name of a hole in play, such as "Row 3, hole 2: ball, can jump".
QString HoleName(const Form1& f, std::int16_t hole);

// Tells assistive technology what changed since the last call: the holes
// whose names changed, and the hole the focus ring moved to.
class BoardAnnouncer {
 public:
  void Announce(const Form1& f, QWidget* board);
  // The next call tells the ringed hole's focus again.
  void Refocus() { focus_ = -1; }

 private:
  std::array<QString, kElementCount> names_;
  int focus_ = -1;
};

// Calls `late` when assistive technology connects while the board has the
// keyboard focus: the accessibility bridge ready only after the window
// manager gave the board the focus, or a screen reader's accessibility bus
// started after the game. It then heard neither the window's activation nor
// the board's focus. The bridge sets itself up only after the call: what
// `late` tells must wait for the event loop.
class LateListenerWatch : public QAccessible::ActivationObserver {
 public:
  LateListenerWatch(QWidget* board, std::function<void()> late);
  ~LateListenerWatch() override;
  LateListenerWatch(const LateListenerWatch&) = delete;
  LateListenerWatch& operator=(const LateListenerWatch&) = delete;

  void accessibilityActiveChanged(bool active) override;

 private:
  QPointer<QWidget> board_;
  std::function<void()> late_;
};

// Tells assistive technology that the board's window is active and the
// board has the keyboard focus.
void TellBoardFocused(QWidget* board);

// Whether the board takes the keys: it has the focus, and no menu is open
// over it (a menu takes the keys without taking the focus).
bool BoardTakesKeys(const QWidget* board);

}  // namespace vorn
