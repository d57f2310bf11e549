#include "controls/SubclassControl.h"

namespace plqr {

WNDPROC SubclassedProc(HWND control) {
  return control != nullptr ? reinterpret_cast<WNDPROC>(GetPropW(control, kSubClassControlProperty))
                            : nullptr;
}

bool SubclassControl(HWND control, WNDPROC procedure) {
  if (control == nullptr || procedure == nullptr || !IsWindow(control)) return false;
  if (SubclassedProc(control) != nullptr) return false;  // a second one would lose the first's kept procedure
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
  if (previous == nullptr ||
      !SetPropW(control, kSubClassControlProperty, reinterpret_cast<HANDLE>(previous))) {
    return false;
  }
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  return true;
}

LRESULT CallSubclassedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = SubclassedProc(control);
  if (previous == nullptr) return DefWindowProcW(control, message, wParam, lParam);
  if (message == WM_DESTROY) {
    RemovePropW(control, kSubClassControlProperty);
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  }
  return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace plqr
