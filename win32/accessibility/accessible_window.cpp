#include "accessibility/accessible_window.h"

#include <cstdlib>
#include <vector>

#include "loading/system_libraries.h"

namespace velmora::win32 {
namespace {

// The windows answered for, with the window procedure each had before. A
// window's own procedure is replaced rather than chained through the
// common controls' subclassing, which looks its data up in the window's
// properties on every message: under Wine a call to the server each.
struct Answered {
  HWND window;
  WNDPROC procedure;
  AccessibleWindow* object;
};
std::vector<Answered> answered;

Answered& Find(HWND window) {
  for (Answered& entry : answered) {
    if (entry.window == window) return entry;
  }
  // Every window whose procedure this is has an entry until it is gone.
  std::abort();
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

AccessibleWindow* AccessibleWindow::Attach(HWND window, Kind kind, long role, std::wstring_view name) {
  // The window holds the first reference until it goes.
  auto* object = new AccessibleWindow(window, kind, role, name);
  answered.push_back({window, nullptr, object});
  answered.back().procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleWindow::WindowProc)));
  return object;
}

AccessibleWindow::AccessibleWindow(HWND window, Kind kind, long role, std::wstring_view name)
    : window_(window), kind_(kind), role_(role), name_(name) {}

AccessibleWindow::~AccessibleWindow() {
  if (system_) system_->Release();
}

LRESULT CALLBACK AccessibleWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Answered& entry = Find(window);
  const WNDPROC procedure = entry.procedure;
  // The object id is a DWORD: on 64-bit Windows lParam may carry it without
  // its sign, so OBJID_CLIENT is compared as one.
  if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
    if (const auto lresultFromObject = Oleacc().lresultFromObject) {
      return lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(entry.object));
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    AccessibleWindow* object = entry.object;
    answered.erase(answered.begin() + (&entry - answered.data()));
    object->Disconnect();
    object->Release();
  }
  return CallWindowProcW(procedure, window, message, wParam, lParam);
}

void AccessibleWindow::Disconnect() {
  window_ = nullptr;
  if (system_) system_->Release();
  system_ = nullptr;
}

void AccessibleWindow::SetName(std::wstring_view name) { Change(name_, name, EVENT_OBJECT_NAMECHANGE); }

void AccessibleWindow::SetValue(std::wstring_view value) {
  hasValue_ = true;
  Change(value_, value, EVENT_OBJECT_VALUECHANGE);
}

void AccessibleWindow::SetDescription(std::wstring_view description) {
  Change(description_, description, EVENT_OBJECT_DESCRIPTIONCHANGE);
}

void AccessibleWindow::Change(std::wstring& text, std::wstring_view to, DWORD event) {
  if (text == to) return;
  text = to;
  if (window_) NotifyWinEvent(event, window_, OBJID_CLIENT, CHILDID_SELF);
}

IAccessible* AccessibleWindow::System() {
  const auto createStdAccessibleObject = Oleacc().createStdAccessibleObject;
  if (!system_ && window_ && createStdAccessibleObject) {
    if (FAILED(createStdAccessibleObject(window_, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&system_)))) {
      system_ = nullptr;
    }
  }
  return system_;
}

template <typename Call>
HRESULT AccessibleWindow::ForChild(const VARIANT& child, Call call) {
  if (const HRESULT checked = Check(child); FAILED(checked)) return checked;
  IAccessible* system = System();
  return system ? call(system) : E_FAIL;
}

template <typename Call>
HRESULT AccessibleWindow::ForWhole(Call call) {
  if (!window_) return CO_E_OBJNOTCONNECTED;
  IAccessible* system = System();
  return system ? call(system) : E_FAIL;
}

HWND AccessibleWindow::Control(LONG index) const {
  HWND control = GetWindow(window_, GW_CHILD);
  for (LONG i = 1; control && i < index; ++i) control = GetWindow(control, GW_HWNDNEXT);
  return control;
}

LONG AccessibleWindow::ControlCount() const {
  LONG count = 0;
  for (HWND control = GetWindow(window_, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) ++count;
  return count;
}

HRESULT AccessibleWindow::Check(const VARIANT& child) {
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4 || child.lVal < 0) return E_INVALIDARG;
  if (child.lVal == CHILDID_SELF) return S_OK;
  LONG count = 0;
  if (kind_ == Kind::kForm) {
    count = ControlCount();
  } else if (IAccessible* system = System(); !system || FAILED(system->get_accChildCount(&count))) {
    count = 0;
  }
  return child.lVal <= count ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleWindow::Text(const std::wstring& text, bool present, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!present) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleWindow::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleWindow::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleWindow::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleWindow::GetTypeInfoCount(UINT* count) {
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleWindow::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return window_ ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleWindow::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return window_ ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleWindow::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return window_ ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleWindow::get_accParent(IDispatch** parent) {
  return ForWhole([&](IAccessible* system) { return system->get_accParent(parent); });
}

HRESULT AccessibleWindow::get_accChildCount(LONG* count) {
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (kind_ == Kind::kForm) {
    if (!count) return E_POINTER;
    *count = ControlCount();
    return S_OK;
  }
  return ForWhole([&](IAccessible* system) { return system->get_accChildCount(count); });
}

HRESULT AccessibleWindow::get_accChild(VARIANT child, IDispatch** object) {
  if (const HRESULT checked = Check(child); FAILED(checked)) return checked;
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsSelf(child)) return E_INVALIDARG;
  if (kind_ == Kind::kForm) {
    const auto accessibleObjectFromWindow = Oleacc().accessibleObjectFromWindow;
    if (!accessibleObjectFromWindow) return E_FAIL;
    return accessibleObjectFromWindow(Control(child.lVal), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
                                      reinterpret_cast<void**>(object));
  }
  return ForChild(child, [&](IAccessible* system) { return system->get_accChild(child, object); });
}

// The object's own texts, and the system's for its children.

HRESULT AccessibleWindow::get_accName(VARIANT child, BSTR* name) {
  if (window_ && IsSelf(child)) return Text(name_, true, name);
  return ForChild(child, [&](IAccessible* system) { return system->get_accName(child, name); });
}

HRESULT AccessibleWindow::get_accValue(VARIANT child, BSTR* value) {
  if (window_ && IsSelf(child)) return Text(value_, hasValue_, value);
  return ForChild(child, [&](IAccessible* system) { return system->get_accValue(child, value); });
}

HRESULT AccessibleWindow::get_accDescription(VARIANT child, BSTR* description) {
  if (window_ && IsSelf(child)) return Text(description_, !description_.empty(), description);
  return ForChild(child, [&](IAccessible* system) { return system->get_accDescription(child, description); });
}

HRESULT AccessibleWindow::get_accRole(VARIANT child, VARIANT* role) {
  if (window_ && IsSelf(child)) {
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
  }
  return ForChild(child, [&](IAccessible* system) { return system->get_accRole(child, role); });
}

// The rest is the system's, for the object itself as for its children.

HRESULT AccessibleWindow::get_accState(VARIANT child, VARIANT* state) {
  return ForChild(child, [&](IAccessible* system) { return system->get_accState(child, state); });
}

HRESULT AccessibleWindow::get_accHelp(VARIANT child, BSTR* help) {
  return ForChild(child, [&](IAccessible* system) { return system->get_accHelp(child, help); });
}

HRESULT AccessibleWindow::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  return ForChild(child, [&](IAccessible* system) { return system->get_accHelpTopic(file, child, topic); });
}

HRESULT AccessibleWindow::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return ForChild(child, [&](IAccessible* system) { return system->get_accKeyboardShortcut(child, shortcut); });
}

HRESULT AccessibleWindow::get_accFocus(VARIANT* focus) {
  return ForWhole([&](IAccessible* system) { return system->get_accFocus(focus); });
}

HRESULT AccessibleWindow::get_accSelection(VARIANT* selection) {
  return ForWhole([&](IAccessible* system) { return system->get_accSelection(selection); });
}

HRESULT AccessibleWindow::get_accDefaultAction(VARIANT child, BSTR* action) {
  return ForChild(child, [&](IAccessible* system) { return system->get_accDefaultAction(child, action); });
}

HRESULT AccessibleWindow::accSelect(LONG flags, VARIANT child) {
  return ForChild(child, [&](IAccessible* system) { return system->accSelect(flags, child); });
}

HRESULT AccessibleWindow::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  return ForChild(child, [&](IAccessible* system) { return system->accLocation(left, top, width, height, child); });
}

HRESULT AccessibleWindow::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  return ForChild(start, [&](IAccessible* system) { return system->accNavigate(direction, start, end); });
}

HRESULT AccessibleWindow::accHitTest(LONG x, LONG y, VARIANT* child) {
  return ForWhole([&](IAccessible* system) { return system->accHitTest(x, y, child); });
}

HRESULT AccessibleWindow::accDoDefaultAction(VARIANT child) {
  return ForChild(child, [&](IAccessible* system) { return system->accDoDefaultAction(child); });
}

// Readers do not change the chart's texts.

HRESULT AccessibleWindow::put_accName(VARIANT child, BSTR) {
  const HRESULT checked = Check(child);
  return FAILED(checked) ? checked : E_NOTIMPL;
}

HRESULT AccessibleWindow::put_accValue(VARIANT child, BSTR) {
  const HRESULT checked = Check(child);
  return FAILED(checked) ? checked : E_NOTIMPL;
}

}  // namespace velmora::win32
