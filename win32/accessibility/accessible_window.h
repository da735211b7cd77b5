#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <string_view>

namespace velmora::win32 {

// What a screen reader gets of one window of the program: the object the
// window answers WM_GETOBJECT with for its client area, from any process.
//
// It says for itself what the chart must say, the window's name, role, value
// and description, and leaves everything else to the system's own object for
// the window: state, location, navigation, hit testing, the default action,
// the keyboard shortcut, and the children of a standard control. A form's
// object lists the objects of its controls as its children, in tab order.
// Each change of a text is announced with its WinEvent.
//
// The object lives as long as anyone holds it, which a reader may do after
// the window has gone: from then on every method answers
// CO_E_OBJNOTCONNECTED.
class AccessibleWindow final : public IAccessible {
 public:
  enum class Kind { kControl, kForm };

  // Answers for `window` from now on, until the window is destroyed; the
  // object returned is valid that long.
  static AccessibleWindow* Attach(HWND window, Kind kind, long role, std::wstring_view name);

  // Each raises its change event when the text changes. An object without a
  // value has none until one is set.
  void SetName(std::wstring_view name);
  void SetValue(std::wstring_view value);
  void SetDescription(std::wstring_view description);

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: no type information; readers call IAccessible.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  AccessibleWindow(HWND window, Kind kind, long role, std::wstring_view name);
  ~AccessibleWindow();

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The window is gone: the object answers for nothing any more.
  void Disconnect();

  // The system's object for the window, made when first needed; null if
  // it cannot be made.
  IAccessible* System();
  // Whether `child` is this object itself (CHILDID_SELF) or one of its
  // children: S_OK if so, CO_E_OBJNOTCONNECTED once the window is gone,
  // E_INVALIDARG for an id that names nothing.
  HRESULT Check(const VARIANT& child);
  // Hands a call to the system's object: for `child`, once it is checked,
  // or for the object as a whole.
  template <typename Call>
  HRESULT ForChild(const VARIANT& child, Call call);
  template <typename Call>
  HRESULT ForWhole(Call call);
  // A form's controls, in tab order: the child windows.
  HWND Control(LONG index) const;
  LONG ControlCount() const;
  // One of the window's own texts, as a reader gets it: S_FALSE for none.
  static HRESULT Text(const std::wstring& text, bool present, BSTR* out);
  void Change(std::wstring& text, std::wstring_view to, DWORD event);

  LONG references_ = 1;
  HWND window_;
  Kind kind_;
  long role_;
  std::wstring name_;
  std::wstring value_;
  bool hasValue_ = false;
  std::wstring description_;
  IAccessible* system_ = nullptr;
};

}  // namespace velmora::win32
