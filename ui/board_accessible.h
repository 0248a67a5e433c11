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

// Assistive technology that connects while the board has the keyboard focus
// heard neither the window's activation nor the board's focus: a screen
// reader started after the game, or the accessibility bridge ready only
// after the window manager gave the board the focus. Once the bridge is
// ready they are told, then `retell` tells what else the start told.
class LateListenerWatch : public QAccessible::ActivationObserver {
 public:
  LateListenerWatch(QWidget* board, std::function<void()> retell);
  ~LateListenerWatch() override;
  LateListenerWatch(const LateListenerWatch&) = delete;
  LateListenerWatch& operator=(const LateListenerWatch&) = delete;

  void accessibilityActiveChanged(bool active) override;

 private:
  QPointer<QWidget> board_;
  std::function<void()> retell_;
};

}  // namespace vorn
