#include "screen_reader.h"

#include <stdexcept>
#include <thread>

namespace velmora {
namespace {

// The events a reader speaks from when something changes that does not have
// the focus, and those that say where the focus went.
constexpr const char* kEventTypes[] = {
    "object:property-change:accessible-name", "object:property-change:accessible-description",
    "object:text-changed",                    "object:state-changed:focused",
    "object:state-changed:showing",           "window:activate",
};

Accessible Hold(AtspiAccessible* object) {
  return Accessible(object, [](AtspiAccessible* held) {
    if (held != nullptr) g_object_unref(held);
  });
}

// Reads one string property; a failed call reads as empty.
std::string Take(gchar* value, GError* error) {
  if (error != nullptr) g_error_free(error);
  std::string text = value != nullptr ? value : "";
  g_free(value);
  return text;
}

}  // namespace

const ReadObject* ReadObject::Find(const std::string& findRole, const std::string& findName) const {
  if (role == findRole && name == findName) return this;
  for (const ReadObject& child : children) {
    if (const ReadObject* found = child.Find(findRole, findName)) return found;
  }
  return nullptr;
}

ScreenReader::ScreenReader() {
  if (atspi_init() != 0) throw std::runtime_error("libatspi did not initialise");
  listener_ = atspi_event_listener_new(&ScreenReader::OnEvent, this, nullptr);
  for (const char* type : kEventTypes) {
    GError* error = nullptr;
    if (!atspi_event_listener_register(listener_, type, &error)) {
      const std::string message = error != nullptr ? error->message : type;
      if (error != nullptr) g_error_free(error);
      throw std::runtime_error("cannot listen for " + message);
    }
  }
}

ScreenReader::~ScreenReader() {
  for (const char* type : kEventTypes) atspi_event_listener_deregister(listener_, type, nullptr);
  g_object_unref(listener_);
  atspi_exit();
}

void ScreenReader::OnEvent(AtspiEvent* event, void* self) {
  ReadEvent read;
  read.type = event->type != nullptr ? event->type : "";
  read.detail1 = event->detail1;
  if (G_VALUE_HOLDS_STRING(&event->any_data) && g_value_get_string(&event->any_data) != nullptr) {
    read.data = g_value_get_string(&event->any_data);
  }
  if (event->source != nullptr) {
    // The toolkit sends no new value with a name or description change: the
    // reader asks the source afresh, past any value it holds.
    atspi_accessible_clear_cache(event->source);
    read.source = Read(Hold(static_cast<AtspiAccessible*>(g_object_ref(event->source))), 0);
  }
  static_cast<ScreenReader*>(self)->events_.push_back(std::move(read));
  g_boxed_free(ATSPI_TYPE_EVENT, event);
}

bool ScreenReader::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

Accessible ScreenReader::Application(pid_t pid) const {
  const Accessible desktop = Hold(atspi_get_desktop(0));
  const int count = atspi_accessible_get_child_count(desktop.get(), nullptr);
  for (int i = 0; i < count; ++i) {
    Accessible application = Hold(atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
    if (application == nullptr) continue;
    if (atspi_accessible_get_process_id(application.get(), nullptr) == static_cast<guint>(pid)) return application;
  }
  return nullptr;
}

std::pair<int, int> ScreenReader::Centre(const Accessible& object) {
  AtspiComponent* component = atspi_accessible_get_component_iface(object.get());
  if (component == nullptr) throw std::runtime_error("an object without a place on the screen");
  GError* error = nullptr;
  AtspiRect* extents = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, &error);
  g_object_unref(component);
  if (extents == nullptr) {
    if (error != nullptr) g_error_free(error);
    throw std::runtime_error("no extents");
  }
  const std::pair<int, int> centre{extents->x + extents->width / 2, extents->y + extents->height / 2};
  g_boxed_free(ATSPI_TYPE_RECT, extents);
  return centre;
}

ReadObject ScreenReader::Read(const Accessible& object, int depth) {
  ReadObject read;
  read.handle = object;
  AtspiAccessible* raw = object.get();
  GError* error = nullptr;
  read.role = Take(atspi_accessible_get_role_name(raw, &error), error);
  error = nullptr;
  read.name = Take(atspi_accessible_get_name(raw, &error), error);
  error = nullptr;
  read.description = Take(atspi_accessible_get_description(raw, &error), error);
  if (AtspiText* text = atspi_accessible_get_text_iface(raw)) {
    read.hasText = true;
    error = nullptr;
    read.text = Take(atspi_text_get_text(text, 0, -1, &error), error);
    g_object_unref(text);
  }
  if (AtspiStateSet* states = atspi_accessible_get_state_set(raw)) {
    read.showing = atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
    read.focused = atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
    g_object_unref(states);
  }
  if (depth > 0) {
    const int count = atspi_accessible_get_child_count(raw, nullptr);
    for (int i = 0; i < count; ++i) {
      Accessible child = Hold(atspi_accessible_get_child_at_index(raw, i, nullptr));
      // A child the bus cannot name reads as an object with nothing in it.
      read.children.push_back(child != nullptr ? Read(child, depth - 1) : ReadObject{});
    }
  }
  return read;
}

}  // namespace velmora
