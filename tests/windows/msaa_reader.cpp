// A screen reader's hearing of Velmora.exe, from a process of its own in the
// same Wine prefix, as an MSAA reader (NVDA) gets it: the WinEvents a reader
// listens to are hooked out of context, each is resolved with
// AccessibleObjectFromEvent, and what NVDA's rules speak of it is written as
// one line, fields separated by tabs:
//   ready                     the hooks are in place
//   window name= role= text=  the focus has entered another top-level window:
//                             its name and role and, for a dialog, the names
//                             of the texts among its children, joined by " | "
//   focus name= role= value= description=   the object the focus is on
//   name|value|description <text>            a change of the focused object
// A change of an object without the focus is not spoken, nor, as NVDA drops
// it, a focus event on the object the focus is already on when no other
// window has come to the foreground since: a window manager that takes the
// focus from a window and gives it straight back has the program say its
// focus again.
//
// Commands, one a line on its input, each answered with one line:
//   children    the focused window's children as its object lists them:
//               "child name= role= value= description=" lines, then "end"
//   hold        keeps the focused object and its window's: "held"
//   check       calls the objects kept with hold, and the focused object with
//               a child id that names nothing: "check held=<HRESULTs of the
//               kept objects' calls> unknownchild=<HRESULT>"
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <deque>
#include <string>
#include <thread>

#include "probe_text.h"

namespace {

constexpr UINT kCommand = WM_APP + 1;
constexpr UINT kHeard = WM_APP + 2;

struct WinEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};

std::deque<WinEvent> pending;

VARIANT Child(LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// A text of an object, empty where it has none.
template <typename Getter>
std::string Text(Getter get) {
  BSTR text = nullptr;
  if (FAILED(get(&text)) || text == nullptr) return {};
  std::string utf8 = Utf8({text, SysStringLen(text)});
  SysFreeString(text);
  return utf8;
}

struct Spoken {
  std::string name;
  long role = 0;
  std::string value;
  std::string description;
};

Spoken Read(IAccessible* object, LONG id) {
  const VARIANT child = Child(id);
  Spoken spoken;
  spoken.name = Text([&](BSTR* t) { return object->get_accName(child, t); });
  spoken.value = Text([&](BSTR* t) { return object->get_accValue(child, t); });
  spoken.description = Text([&](BSTR* t) { return object->get_accDescription(child, t); });
  VARIANT role;
  VariantInit(&role);
  if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4) spoken.role = role.lVal;
  VariantClear(&role);
  return spoken;
}

std::string Fields(const Spoken& s) {
  return "name=" + s.name + "\trole=" + std::to_string(s.role) + "\tvalue=" + s.value + "\tdescription=" +
         s.description;
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

IAccessible* WindowObject(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

// The objects a window's object lists as its children.
template <typename Visit>
void ForEachChild(IAccessible* parent, Visit visit) {
  LONG count = 0;
  if (FAILED(parent->get_accChildCount(&count)) || count <= 0) return;
  for (LONG i = 1; i <= count; ++i) {
    IDispatch* dispatch = nullptr;
    if (parent->get_accChild(Child(i), &dispatch) != S_OK || !dispatch) continue;
    IAccessible* child = nullptr;
    if (SUCCEEDED(dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child)))) {
      visit(child);
      child->Release();
    }
    dispatch->Release();
  }
}

// What the reader follows: the focused object and its top-level window.
struct Focus {
  HWND window = nullptr;
  LONG object = 0;
  LONG child = 0;
  HWND root = nullptr;
  IAccessible* held = nullptr;
  IAccessible* heldRoot = nullptr;
} focus;

void SpeakWindow(HWND root) {
  IAccessible* object = WindowObject(root);
  if (!object) return;
  const Spoken window = Read(object, CHILDID_SELF);
  std::string text;
  if (window.role == ROLE_SYSTEM_DIALOG) {
    ForEachChild(object, [&](IAccessible* child) {
      const Spoken spoken = Read(child, CHILDID_SELF);
      if (spoken.role != ROLE_SYSTEM_STATICTEXT) return;
      text += (text.empty() ? "" : " | ") + spoken.name;
    });
  }
  object->Release();
  Say("window\tname=" + window.name + "\trole=" + std::to_string(window.role) + "\ttext=" + text);
}

// Whether the next focus event is spoken even on the object the focus is
// on: NVDA takes a window come to the foreground, and still there, for
// where the focus is.
bool focusLeft = true;

void Hear(const WinEvent& e) {
  if (e.event == EVENT_SYSTEM_FOREGROUND) {
    if (e.window == GetForegroundWindow() && GetAncestor(e.window, GA_ROOT) != focus.root) focusLeft = true;
    return;
  }
  if (e.event == EVENT_OBJECT_FOCUS && !focusLeft && e.window == focus.window && e.object == focus.object &&
      e.child == focus.child && e.child == CHILDID_SELF) {
    return;
  }
  IAccessible* object = nullptr;
  VARIANT child;
  VariantInit(&child);
  if (FAILED(AccessibleObjectFromEvent(e.window, static_cast<DWORD>(e.object), static_cast<DWORD>(e.child), &object,
                                       &child))) {
    return;
  }
  const LONG id = child.vt == VT_I4 ? child.lVal : CHILDID_SELF;
  if (e.event == EVENT_OBJECT_FOCUS) {
    const HWND root = GetAncestor(e.window, GA_ROOT);
    if (root != focus.root) SpeakWindow(root);
    focus = {e.window, e.object, e.child, root, focus.held, focus.heldRoot};
    focusLeft = false;
    Say("focus\t" + Fields(Read(object, id)));
  } else if (e.window == focus.window && e.object == focus.object && e.child == focus.child) {
    const Spoken now = Read(object, id);
    if (e.event == EVENT_OBJECT_NAMECHANGE) Say("name\t" + now.name);
    if (e.event == EVENT_OBJECT_VALUECHANGE) Say("value\t" + now.value);
    if (e.event == EVENT_OBJECT_DESCRIPTIONCHANGE) Say("description\t" + now.description);
  }
  object->Release();
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  pending.push_back({event, window, object, child});
  // The hook is called from inside GetMessage, which would wait on: a
  // message of its own makes it return, and the event be heard.
  PostThreadMessageW(GetCurrentThreadId(), kHeard, 0, 0);
}

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(result));
  return text;
}

void Command(const std::string& command) {
  IAccessible* focused = focus.window ? WindowObject(focus.window) : nullptr;
  if (command == "children") {
    if (IAccessible* window = focus.root ? WindowObject(focus.root) : nullptr) {
      ForEachChild(window, [](IAccessible* child) { Say("child\t" + Fields(Read(child, CHILDID_SELF))); });
      window->Release();
    }
    Say("end");
  } else if (command == "hold") {
    for (IAccessible* kept : {focus.held, focus.heldRoot}) {
      if (kept) kept->Release();
    }
    focus.held = focused;
    focus.heldRoot = WindowObject(focus.root);
    focused = nullptr;
    Say("held");
  } else if (command == "check") {
    std::string held;
    for (IAccessible* object : {focus.held, focus.heldRoot}) {
      if (!object) continue;
      BSTR text = nullptr;
      VARIANT role;
      VariantInit(&role);
      LONG count = 0;
      LONG x = 0;
      LONG y = 0;
      LONG w = 0;
      LONG h = 0;
      IDispatch* parent = nullptr;
      for (const HRESULT result :
           {object->get_accName(Child(CHILDID_SELF), &text), object->get_accRole(Child(CHILDID_SELF), &role),
            object->get_accChildCount(&count), object->accLocation(&x, &y, &w, &h, Child(CHILDID_SELF)),
            object->get_accParent(&parent)}) {
        held += (held.empty() ? "" : ",") + Hex(result);
      }
      SysFreeString(text);
      if (parent) parent->Release();
    }
    BSTR name = nullptr;
    const HRESULT unknown = focused ? focused->get_accName(Child(1000), &name) : E_POINTER;
    SysFreeString(name);
    Say("check\theld=" + held + "\tunknownchild=" + Hex(unknown));
  }
  if (focused) focused->Release();
}

}  // namespace

int wmain() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
  SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnWinEvent, 0, 0, flags);
  SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnWinEvent, 0, 0, flags);
  SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, OnWinEvent, 0, 0, flags);
  Say("ready");

  // Commands come on another thread; the objects are used on this one.
  const DWORD self = GetCurrentThreadId();
  std::thread([self] {
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
      auto* command = new std::string(line);
      while (!command->empty() && (command->back() == '\n' || command->back() == '\r')) command->pop_back();
      PostThreadMessageW(self, kCommand, 0, reinterpret_cast<LPARAM>(command));
    }
    PostThreadMessageW(self, WM_QUIT, 0, 0);
  }).detach();

  // Events are heard in the order they came, and before a command that
  // follows them. A call into the program may run this loop's messages
  // again: what comes meanwhile waits its turn.
  bool busy = false;
  std::deque<std::string*> commands;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kCommand) {
      commands.push_back(reinterpret_cast<std::string*>(message.lParam));
    } else {
      DispatchMessageW(&message);
    }
    if (busy) continue;
    busy = true;
    while (!pending.empty() || !commands.empty()) {
      if (!pending.empty()) {
        const WinEvent e = pending.front();
        pending.pop_front();
        Hear(e);
      } else {
        std::string* command = commands.front();
        commands.pop_front();
        Command(*command);
        delete command;
      }
    }
    busy = false;
  }
  return 0;
}
