#include "placement/x11_placement.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QWidget>
#include <memory>

namespace velmora::x11 {
namespace {

// Enough for a manager that first pulls the window somewhere else and then
// honours the correction, with room for one that answers in steps.
constexpr int kMostCorrections = 4;
// A manager that refuses a correction may leave the window as it is and say
// nothing; past this the window is taken to stand where the manager keeps
// it, and any later move is the user's own.
constexpr int kAnswerWaitMs = 1000;

// The events that tell of a window's frame: the window mapped, reparented
// into or out of a frame, moved (the manager's synthetic notices included),
// or its WM_STATE or frame extents changed.
std::optional<xcb_window_t> FrameEventWindow(const xcb_generic_event_t& event) {
  switch (event.response_type & 0x7F) {
    case XCB_CONFIGURE_NOTIFY:
      return reinterpret_cast<const xcb_configure_notify_event_t&>(event).window;
    case XCB_MAP_NOTIFY:
      return reinterpret_cast<const xcb_map_notify_event_t&>(event).window;
    case XCB_REPARENT_NOTIFY:
      return reinterpret_cast<const xcb_reparent_notify_event_t&>(event).window;
    case XCB_PROPERTY_NOTIFY:
      return reinterpret_cast<const xcb_property_notify_event_t&>(event).window;
    default:
      return std::nullopt;
  }
}

QPoint QtCorner(const QWidget& window) {
  const double scale = window.devicePixelRatioF();
  return QPoint(qRound(window.x() * scale), qRound(window.y() * scale));
}

}  // namespace

Placement* Placement::Instance() {
  static std::unique_ptr<Placement> placement;
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return nullptr;
  if (!placement || placement->connection_ != connection) {
    placement.reset(new Placement(connection));
    qGuiApp->installNativeEventFilter(placement.get());
  }
  return placement.get();
}

Placement::Placement(xcb_connection_t* connection) : connection_(connection) {}

Placement::Track& Placement::TrackOf(QWidget& window) {
  const auto [entry, added] = tracks_.try_emplace(&window);
  if (added) {
    QWidget* key = &window;
    QObject::connect(&window, &QObject::destroyed, [this, key] { tracks_.erase(key); });
  }
  return entry->second;
}

QWidget* Placement::WindowOf(xcb_window_t id) const {
  for (const auto& [window, track] : tracks_) {
    if (window->internalWinId() == id) return window;
  }
  return nullptr;
}

QPoint Placement::Corner(const QWidget& window) {
  const auto tracked = tracks_.find(const_cast<QWidget*>(&window));
  if (tracked != tracks_.end() && tracked->second.target) return *tracked->second.target;
  if (window.isVisible()) {
    if (const auto frame = Measure(window)) return frame->corner;
  }
  if (tracked != tracks_.end() && tracked->second.corner) return *tracked->second.corner;
  return QtCorner(window);
}

void Placement::MoveCorner(QWidget& window, QPoint corner) {
  Track& track = TrackOf(window);
  track.target = corner;
  track.corrections = 0;
  track.lastSeen.reset();
  track.mappedSinceCorrection = false;
  const auto id = static_cast<xcb_window_t>(window.winId());
  if (Measure(window)) {
    Settle(window, track);
    return;
  }
  // Not framed yet: the client area goes where the frame the manager is
  // about to add puts its corner on the target; what the manager makes of
  // it is checked once the window is framed.
  const QPoint client = corner + frameOffset_;
  if (!window.isVisible()) {
    // Qt writes its own record of the position into the size hints when it
    // shows the window, and some managers place a new window from those.
    // The widget's record and its native window's are made to agree here,
    // so that showing the window moves it nowhere of Qt's own: at a scale
    // where a device-independent pixel is several device pixels, Qt's move
    // would round the device pixel set just below.
    const double scale = window.devicePixelRatioF();
    window.setGeometry(QRect(QPoint(qRound(client.x() / scale), qRound(client.y() / scale)), window.size()));
    if (QWindow* native = window.windowHandle()) native->setGeometry(window.geometry());
  }
  PlaceClient(connection_, id, client);
}

void Placement::Hide(QWidget& window) {
  Track& track = TrackOf(window);
  track.corner = Corner(window);
  window.setVisible(false);
}

void Placement::Settle(QWidget& window, Track& track) {
  if (!track.target) return;
  const auto frame = Measure(window);
  if (!frame) return;
  if (frame->corner == *track.target || track.corrections == kMostCorrections) {
    track.corner = frame->corner;
    track.target.reset();
    return;
  }
  // Until the manager has answered the last correction, by moving the
  // window or by showing it anew, there is nothing new to correct.
  if (track.lastSeen == frame->corner && !track.mappedSinceCorrection) return;
  // The frame moves with the client area: the client goes where it would
  // stand if the frame's corner were on the target.
  const int correction = ++track.corrections;
  track.lastSeen = frame->corner;
  track.mappedSinceCorrection = false;
  MoveClient(connection_, static_cast<xcb_window_t>(window.internalWinId()),
             frame->client + (*track.target - frame->corner));
  QTimer::singleShot(kAnswerWaitMs, &window, [this, &window, correction] { GiveUp(window, correction); });
}

void Placement::GiveUp(QWidget& window, int correction) {
  Track& track = TrackOf(window);
  if (!track.target || track.corrections != correction) return;
  track.target.reset();
  if (const auto frame = Measure(window)) track.corner = frame->corner;
}

std::optional<Frame> Placement::Measure(const QWidget& window) {
  if (window.internalWinId() == 0) return std::nullopt;
  const auto frame = ShownFrame(connection_, static_cast<xcb_window_t>(window.internalWinId()));
  if (frame) frameOffset_ = frame->client - frame->corner;
  return frame;
}

bool Placement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || tracks_.empty()) return false;
  const auto id = FrameEventWindow(*static_cast<const xcb_generic_event_t*>(message));
  if (!id) return false;
  if (QWidget* window = WindowOf(*id)) {
    Track& track = tracks_[window];
    if ((static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F) == XCB_MAP_NOTIFY) {
      track.mappedSinceCorrection = true;
    }
    // Shown again while a lagging manager still held it: once the manager
    // has let go of it, it is mapped anew.
    if (window->isVisible() && LeftUnmapped(connection_, *id)) Map(connection_, *id);
    Settle(*window, track);
  }
  return false;
}

}  // namespace velmora::x11

namespace velmora {

NativePlacement* PlatformPlacement() { return x11::Placement::Instance(); }

}  // namespace velmora
