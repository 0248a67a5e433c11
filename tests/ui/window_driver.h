#pragma once

// Drives the main window as a player does, with presses, carries and
// releases on the ball widgets, and reads back what the board shows.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "platform/scripted_platform.h"
#include "ui/form1_window.h"

inline void PrintTo(const QSize& s, std::ostream* os) {
  *os << s.width() << 'x' << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << '(' << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}

namespace vorn::test {

inline bool Shown(const Form1Window& w, const QWidget* element) {
  return element->isVisibleTo(w.Picture1());
}

// Places on the board are in Picture1's pixels.
inline QPoint HoleCentre(const Form1Window& w, int hole) {
  return w.Hole(hole)->geometry().center();
}

// The ball shown over a hole, or -1.
inline int BallInHole(const Form1Window& w, int hole) {
  for (int i = 0; i < kElementCount; ++i) {
    if (Shown(w, w.Ball(i)) && w.Ball(i)->geometry() == w.Hole(hole)->geometry()) return i;
  }
  return -1;
}

// Every shown ball and the shown hole it is over, e.g. "1@1 2@2 3@0 ".
inline std::string BoardView(const Form1Window& w) {
  std::string view;
  for (int i = 0; i < kElementCount; ++i) {
    if (!Shown(w, w.Ball(i))) continue;
    std::string where = "?";
    for (int h = 0; h < kElementCount; ++h) {
      if (Shown(w, w.Hole(h)) && BallInHole(w, h) == i) where = std::to_string(h);
    }
    view += std::to_string(i) + "@" + where + " ";
  }
  return view;
}

// A level's starting board: every hole in play but the apex holds its own ball.
inline void ExpectStartingBoard(const Form1Window& w, int holes) {
  int shownHoles = 0, shownBalls = 0;
  for (int i = 0; i < kElementCount; ++i) {
    shownHoles += Shown(w, w.Hole(i));
    shownBalls += Shown(w, w.Ball(i));
  }
  EXPECT_EQ(shownHoles, holes);
  EXPECT_EQ(shownBalls, holes - 1);
  EXPECT_EQ(BallInHole(w, 0), -1);
  for (int h = 1; h < holes; ++h) EXPECT_EQ(BallInHole(w, h), h) << "hole " << h;
}

// The shown balls with the hand pointer: those that can jump.
inline std::set<int> HandBalls(const Form1Window& w) {
  std::set<int> balls;
  for (int i = 0; i < kElementCount; ++i) {
    if (Shown(w, w.Ball(i)) && w.Ball(i)->HasHandCursor()) balls.insert(i);
  }
  return balls;
}

inline void PressBall(Form1Window& w, int ball, Qt::MouseButton button = Qt::LeftButton,
                      QPoint offset = {14, 14}) {
  QTest::mousePress(w.Ball(ball), button, {}, offset);
}

inline void MouseEvent(Form1Window& w, int ball, QEvent::Type type, QPointF at,
                       Qt::MouseButton button, Qt::MouseButtons held) {
  ImageElement* element = w.Ball(ball);
  QMouseEvent event(type, element->mapFrom(w.Picture1(), at), w.Picture1()->mapToGlobal(at), button,
                    held, Qt::NoModifier);
  QApplication::sendEvent(element, &event);
}

// A move with the left button held, sent to the pressed ball: it has the grab.
inline void CarryBall(Form1Window& w, int ball, QPointF to) {
  MouseEvent(w, ball, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
}

inline void ReleaseBall(Form1Window& w, int ball, QPoint at,
                        Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseRelease(w.Ball(ball), button, {}, w.Ball(ball)->mapFrom(w.Picture1(), at));
}

// Carries the ball of one hole to the centre of another and lets go there.
inline void DragBall(Form1Window& w, int fromHole, int toHole) {
  const int ball = BallInHole(w, fromHole);
  ASSERT_GE(ball, 0) << "no ball in hole " << fromHole;
  const QPoint from = HoleCentre(w, fromHole), to = HoleCentre(w, toHole);
  PressBall(w, ball);
  CarryBall(w, ball, QPointF(from + to) / 2);
  CarryBall(w, ball, to);
  ReleaseBall(w, ball, to);
}

// A shown, active main window with a fresh game over a scripted platform.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<Form1Window>(platform);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    freshBoard = BoardView(*window_);
  }

  Form1Window& w() { return *window_; }
  const Form1& state() const { return window_->State(); }
  const PopUpMenuActions& menu() const { return window_->Menu(); }

  ScriptedPlatform platform;
  std::string freshBoard;

 private:
  std::unique_ptr<Form1Window> window_;
};

}  // namespace vorn::test
