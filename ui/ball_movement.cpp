#include "ui/ball_movement.h"

#include <QGraphicsOpacityEffect>

#include <utility>

namespace vorn {

BallMovement::Places BallMovement::Of(const std::array<ImageElement*, kElementCount>& balls) {
  Places places;
  for (int i = 0; i < kElementCount; ++i) {
    places.rect[i] = balls[i]->geometry();
    places.shown[i] = !balls[i]->isHidden();
  }
  return places;
}

BallMovement::BallMovement() {
  animation_.setDuration(kDurationMs);
  animation_.setStartValue(0.0);
  animation_.setEndValue(1.0);
  animation_.setEasingCurve(QEasingCurve::InOutQuad);
  QObject::connect(&animation_, &QVariantAnimation::valueChanged,
                   [this](const QVariant& value) { Show(value.toDouble()); });
  QObject::connect(&animation_, &QVariantAnimation::finished, [this] { Finish(); });
}

void BallMovement::Start(const Places& before,
                         const std::array<ImageElement*, kElementCount>& balls) {
  Finish();
  // One jump, or one taken back: a ball gone or back, another moved. Any
  // other change (a new game, a restored one) is shown at once.
  int gone = 0, moved = 0;
  for (int i = 0; i < kElementCount; ++i) {
    const bool shown = !balls[i]->isHidden();
    gone += before.shown[i] != shown;
    moved += shown && before.shown[i] && before.rect[i] != balls[i]->geometry();
  }
  if (gone != 1 || moved != 1) return;
  for (int i = 0; i < kElementCount; ++i) {
    ImageElement* ball = balls[i];
    const bool shown = !ball->isHidden();
    if (before.shown[i] != shown) {
      // Fading where it was, or where it comes back to.
      moves_.push_back(
          {ball, before.shown[i] ? before.rect[i] : ball->geometry(), ball->geometry(), shown});
    } else if (shown && before.rect[i] != ball->geometry()) {
      moves_.push_back({ball, before.rect[i], ball->geometry(), true});
    }
  }
  for (const Move& move : moves_) {
    if (move.from == move.to) move.ball->setGraphicsEffect(new QGraphicsOpacityEffect);
    move.ball->setVisible(true);
    move.ball->raise();
  }
  Show(0);
  animation_.start();
}

void BallMovement::Show(double progress) {
  for (const Move& move : moves_) {
    if (move.from != move.to) {
      const QPointF at = QPointF(move.from.topLeft()) +
                         QPointF(move.to.topLeft() - move.from.topLeft()) * progress;
      move.ball->move(at.toPoint());
    } else if (auto* fade = qobject_cast<QGraphicsOpacityEffect*>(move.ball->graphicsEffect())) {
      fade->setOpacity(move.shown ? progress : 1 - progress);
    }
  }
}

void BallMovement::Finish() {
  if (moves_.empty()) return;
  const std::vector<Move> moves = std::exchange(moves_, {});
  animation_.stop();
  for (const Move& move : moves) {
    if (move.from == move.to) move.ball->setGraphicsEffect(nullptr);
    move.ball->setGeometry(move.to);
    move.ball->setVisible(move.shown);
  }
}

}  // namespace vorn
