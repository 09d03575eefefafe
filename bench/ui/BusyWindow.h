#pragma once
// The main window showing the busiest dial with a drag begun on it: the drag benchmarks' set-up.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>
#include <iostream>

#include "cli/CliPlatform.h"
#include "render/SystemServices.h"
#include "support/DialCatalogue.h"
#include "ui/MainWindow.h"

namespace umbrix::bench {

/// Shows `window` and lets the platform expose it: until then a repaint paints nothing, and a
/// step would stop short of the picture on the screen.
inline void ShowExposed(QWidget& window) {
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
         waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

/// What the event loop does once an event is handled: runs the timers due and paints what is
/// left to repaint, and only that.
inline void PaintPending() { QCoreApplication::processEvents(); }

/// Counts the paint events a widget receives: a step that repainted nothing measured nothing.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

/// The main window showing the busiest dial in a drawing of about 1000 pixels, the left button
/// held down on it with `modifiers` (interactive mode on).
struct BusyWindow {
  explicit BusyWindow(Qt::KeyboardModifiers modifiers) : window(prompts, services) {
    ShowExposed(window);
    window.Start({});
    window.resize(1215, 1080);
    umbrix::Session& session = window.session();
    session.Dialog().Project() = umbrix::testing::BusiestDial();
    session.FitDrawing();
    session.StartComputation(umbrix::RunMode::Trace);
    Send(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, modifiers);
  }
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers) {
    QWidget* drawing = window.centralWidget();
    QMouseEvent event(type, at, drawing->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(drawing, &event);
  }
  /// One step of the drag, `offset` pixels from where it began, and the repaint.
  void MoveTo(QPoint offset) {
    Send(QEvent::MouseMove, centre + offset, Qt::NoButton, Qt::LeftButton, {});
    PaintPending();
  }
  /// Whether each of the run's steps repainted the drawing; how often the report pane was
  /// painted, per step (it follows a drag a few times a second).
  void CheckRepainted(benchmark::State& state) const {
    if (painted.paints < static_cast<int>(state.iterations())) {
      state.SkipWithError("a step did not repaint the drawing");
    }
    state.counters["report_paints"] =
        benchmark::Counter(reportPainted.paints, benchmark::Counter::kAvgIterations);
  }
  bool Ready(benchmark::State& state) {
    if (window.Bitmap().width() < 950) {
      state.SkipWithError("the drawing is not 1000 pixels wide");
      return false;
    }
    if (!window.session().InteractiveMode()) {
      state.SkipWithError("the click did not start interactive mode");
      return false;
    }
    return true;
  }

  umbrix::TerminalPrompts prompts{std::cerr};
  umbrix::SystemServices services;
  umbrix::MainWindow window;
  const QPoint centre{480, 480};
  PaintCounter painted{*window.centralWidget()};
  PaintCounter reportPainted{*window.ReportPane()->viewport()};
};

}  // namespace umbrix::bench
