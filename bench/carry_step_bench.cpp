// One step of carrying a ball: the move event, the rules' handler and the
// repaint of what changed, in the real window (offscreen), with the board
// at 100 % and at 300 % of its designed size. Run with --scale=2 for a screen
// at twice the pixel density.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/scripted_platform.h"
#include "ui/form1_window.h"

namespace {

// Counts the paint events that reach a widget, to show each step repaints.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void CarryStep(benchmark::State& state) {
  vorn::ScriptedPlatform platform;
  vorn::Form1Window window(platform);
  window.SetBoardSize(static_cast<std::int16_t>(state.range(0)));
  const double size = window.Scale().Factor();
  auto at = [size](double x, double y) { return QPointF(x * size, y * size); };
  platform.onDoEvents = [&window] {
    window.SyncView();
    QCoreApplication::processEvents();
  };
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
  QWidget* ball = window.Ball(3);
  PaintCounter counter;
  ball->installEventFilter(&counter);
  QTest::mousePress(ball, Qt::LeftButton, Qt::NoModifier, at(14, 14).toPoint());
  int step = 0;
  for (auto _ : state) {
    // Positions are relative to the ball, which follows: it goes back and forth.
    const QPointF local = step % 2 ? at(11, 12) : at(17, 16);
    QMouseEvent move(QEvent::MouseMove, local, ball->mapToGlobal(local), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ball, &move);
    // Paint what the step made dirty now, rather than at the next frame.
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &updateRequest);
    ++step;
  }
  QTest::mouseRelease(ball, Qt::LeftButton, Qt::NoModifier, at(14, 14).toPoint());
  state.counters["scale"] = window.devicePixelRatioF();
  state.counters["paintsPerStep"] = static_cast<double>(counter.paints) / std::max(step, 1);
}
BENCHMARK(CarryStep)->ArgName("size")->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--scale=", 8) == 0) qputenv("QT_SCALE_FACTOR", argv[i] + 8);
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", "/nonexistent-vorn-bench");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
