#include "accessibility/annotations.h"

#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace velmora::win32 {

Annotations::Annotations() {
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
  }
}

Annotations::~Annotations() {
  if (services_) services_->Release();
}

void Annotations::SetName(HWND control, std::wstring_view name) const {
  if (!services_) return;
  const std::wstring text(name);
  services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, text.c_str());
}

void Annotations::SetDescription(HWND control, std::wstring_view description) const {
  if (!services_) return;
  const std::wstring text(description);
  if (SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_DESCRIPTION, text.c_str()))) {
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
  }
}

void Annotations::SetGraphicRole(HWND control) const {
  if (!services_) return;
  VARIANT role{};
  role.vt = VT_I4;
  role.lVal = ROLE_SYSTEM_GRAPHIC;
  services_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, role);
}

}  // namespace velmora::win32
