#include "render/RasterDrawing.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>

#include "render/BitmapFiles.h"
#include "render/DrawingFont.h"
#include "render/DrawingPalette.h"
#include "render/QtRasterCanvas.h"

namespace umbrix {

namespace {

// the screen images tall enough to be painted in two halves at once
constexpr int kRowsWorthTwoThreads = 400;

// more labels than any dial has: past them the widths are measured afresh
constexpr std::size_t kExtentsKept = 4096;

/// A drawing's calls kept and handed on when it is done; text measured as the bitmap measures
/// it, each text once in `extents`.
class HandedOnRecording final : public CanvasRecording {
 public:
  using Done = std::function<void(CanvasRecording)>;
  HandedOnRecording(const QFont& font, TextExtents& extents, Done done)
      : CanvasRecording([metrics = QFontMetrics(font), &extents](std::string_view text) {
          const auto known = extents.find(text);
          if (known != extents.end()) return known->second;
          if (extents.size() >= kExtentsKept) extents.clear();
          const TextExtent extent = TextExtentIn(metrics, text);
          extents.emplace(text, extent);
          return extent;
        }),
        done_(std::move(done)) {}
  HandedOnRecording(const HandedOnRecording&) = delete;
  HandedOnRecording& operator=(const HandedOnRecording&) = delete;
  ~HandedOnRecording() override { done_(std::move(static_cast<CanvasRecording&>(*this))); }

 private:
  Done done_;
};

/// The outermost ring of the image's pixels set to `rgb`.
void OuterRing(QImage& image, QRgb rgb) {
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  for (int x = 0; x <= right; ++x) {
    image.setPixel(x, 0, rgb);
    image.setPixel(x, bottom, rgb);
  }
  for (int y = 0; y <= bottom; ++y) {
    image.setPixel(0, y, rgb);
    image.setPixel(right, y, rgb);
  }
}

/// The share of the rows for the upper part that would have made both parts take as long, had
/// each part's time been spread evenly over its rows; moved half way there, so that one
/// drawing's noise does not swing it.
double BalancedSplit(double share, double upper, double lower) {
  if (upper <= 0 || lower <= 0) return share;
  const double half = (upper + lower) / 2;
  const double balanced =
      upper >= half ? share * half / upper : share + (1 - share) * (half - upper) / lower;
  return std::clamp((share + balanced) / 2, 0.125, 0.875);
}

}  // namespace

RasterDrawing::RasterDrawing() : margin_(MeasureMargin()) {}

void RasterDrawing::UseDeskFont(bool desk) {
  deskFont_ = desk;
  margin_ = desk ? MeasureDeskMargin() : MeasureMargin();
}

const QImage& RasterDrawing::Bitmap() const {
  DrawPending();
  return image_;
}

void RasterDrawing::ResizeDrawing(int widthPx, int heightPx) {
  DrawingFrame frame;
  frame.widthPx = widthPx;
  frame.heightPx = heightPx;
  pending_.clear();
  image_ = NewDrawingImage(frame);
  if (ratio_ > 0) screen_ = NewScreenImage(frame, ratio_);
}

void RasterDrawing::SetScreenRatio(double ratio) {
  if (ratio == ratio_) return;
  DrawPending();
  ratio_ = ratio;
  // no drawing yet: the first `ResizeDrawing` makes the screen image
  if (ratio_ <= 0 || image_.isNull()) {
    screen_ = QImage();
    return;
  }
  DrawingFrame frame;
  frame.widthPx = image_.width();
  frame.heightPx = image_.height();
  screen_ = NewScreenImage(frame, ratio_);
  QPainter painter(&screen_);
  painter.drawImage(QRectF(0, 0, frame.widthPx, frame.heightPx), image_);
}

std::unique_ptr<Canvas> RasterDrawing::DrawOnBitmap(const DrawingFrame& frame) {
  const QFont font = deskFont_ ? DeskDrawingFont() : DrawingFont();
  if (ratio_ > 0 && !screen_.isNull()) {
    return std::make_unique<HandedOnRecording>(font, extents_[deskFont_ ? 1 : 0],
                                               [this, frame, font](CanvasRecording calls) {
                                                 PaintScreen(frame, font, calls);
                                                 Defer(frame, font, std::move(calls));
                                               });
  }
  DrawPending();
  return std::make_unique<QtRasterCanvas>(image_, frame, font);
}

void RasterDrawing::PaintScreen(const DrawingFrame& frame, const QFont& font,
                                const CanvasRecording& calls) {
  const qsizetype line = screen_.bytesPerLine();
  uchar* const bits = screen_.bits();
  // the rows from `top` to `bottom` (excluded) of the whole image, as they are in it
  const auto paint = [&](int top, int bottom) {
    QImage band(bits + top * line, screen_.width(), bottom - top, line, screen_.format());
    QtRasterCanvas canvas(band, frame, font, QtRasterCanvas::Smooth{ratio_, top});
    calls.Replay(canvas);
  };
  const int rows = screen_.height();
  if (rows < kRowsWorthTwoThreads || QThread::idealThreadCount() < 2) {
    paint(0, rows);
    return;
  }
  // at x2 a busy dial takes longer to lay on the screen than to compute: the lower rows on a
  // second core meanwhile, split where the last drawing's two parts took as long
  if (!helper_) {
    helper_ = std::make_unique<QThreadPool>();
    helper_->setMaxThreadCount(1);
    helper_->setExpiryTimeout(-1);  // one thread kept, with its fonts
  }
  const int split =
      std::clamp(static_cast<int>(std::lround(split_ * rows)), rows / 8, rows - rows / 8);
  std::exception_ptr failure;
  qint64 lower = 0;
  // waited for by hand: the pool's own wait would end its thread, and with it the thread's
  // font cache, which a new thread fills again at every drawing
  QSemaphore lowerDone;
  helper_->start([&] {
    try {
      QElapsedTimer clock;
      clock.start();
      paint(split, rows);
      lower = clock.nsecsElapsed();
    } catch (...) {
      failure = std::current_exception();
    }
    lowerDone.release();
  });
  qint64 upper = 0;
  {
    // it paints through this frame's references, whatever happens to the upper rows
    const auto wait = qScopeGuard([&] { lowerDone.acquire(); });
    QElapsedTimer clock;
    clock.start();
    paint(0, split);
    upper = clock.nsecsElapsed();
  }
  if (failure) std::rethrow_exception(failure);
  split_ = BalancedSplit(split_, static_cast<double>(upper), static_cast<double>(lower));
}

void RasterDrawing::Defer(const DrawingFrame& frame, const QFont& font, CanvasRecording calls) {
  // a drawing that covers the surface hides every one in line before it
  if (calls.FillsSurface()) pending_.clear();
  pending_.push_back({frame, font, std::move(calls), std::nullopt});
}

void RasterDrawing::DrawPending() const {
  for (const Pending& p : pending_) {
    {
      QtRasterCanvas canvas(image_, p.frame, p.font);
      p.calls.Replay(canvas);
    }
    if (p.ring) OuterRing(image_, ToQRgb(*p.ring));
  }
  pending_.clear();
}

void RasterDrawing::PresentDrawing() {
  if (present_) present_();
}

void RasterDrawing::DrawOuterFrame(Colour colour) {
  if (image_.isNull()) return;
  // pixel by pixel: a pen of width 0 would let the raster engine drop a corner; after the
  // drawings in line for the bitmap, which it covers
  if (pending_.empty()) {
    OuterRing(image_, ToQRgb(colour));
  } else {
    pending_.back().ring = colour;
  }
  // on the screen, the outermost ring of device pixels
  if (ratio_ > 0 && !screen_.isNull()) OuterRing(screen_, ToQRgb(colour));
}

std::optional<Message> RasterDrawing::SaveDrawing(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // a PNG is the picture the screen shows, smooth and at its resolution; any other name the
  // 16-colour bitmap
  if (extension == ".png") return WriteSmoothPng(ScreenImage(), path);
  return WriteBmp4(Bitmap(), path);
}

}  // namespace umbrix
