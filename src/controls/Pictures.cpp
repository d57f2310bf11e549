#include "controls/Pictures.h"

namespace plqr {

void CPictures::Clear(HWND control, HBITMAP owned) {
  if (control != nullptr && IsWindow(control)) {
    const auto shown = reinterpret_cast<HGDIOBJ>(
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(nullptr)));
    if (shown != nullptr && shown != owned) DeleteObject(shown);
  }
  if (owned != nullptr) DeleteObject(owned);
}

void CPictures::Set(HWND dialog, HINSTANCE module, int controlId, UINT bitmapId) {
  HWND control = GetDlgItem(dialog, controlId);
  if (control == nullptr) return;
  for (const Entry& entry : m_Entries) {
    if (entry.control == control && entry.bitmap != nullptr && entry.module == module &&
        entry.bitmapId == bitmapId)
      return;
  }
  const auto bitmap =
      static_cast<HBITMAP>(module != nullptr ? LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0,
                                                          0, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT)
                                             : nullptr);
  for (Entry& entry : m_Entries) {
    if (entry.control != control) continue;
    const auto previous = reinterpret_cast<HGDIOBJ>(
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (previous != nullptr && previous != entry.bitmap) DeleteObject(previous);
    if (entry.bitmap != nullptr) DeleteObject(entry.bitmap);
    entry.bitmap = bitmap;
    entry.module = module;
    entry.bitmapId = bitmapId;
    return;
  }
  const auto previous = reinterpret_cast<HGDIOBJ>(
      SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  if (previous != nullptr) DeleteObject(previous);
  m_Entries.push_back({control, bitmap, module, bitmapId});
}

void CPictures::Release() {
  for (const Entry& entry : m_Entries) Clear(entry.control, entry.bitmap);
  m_Entries.clear();
}

}  // namespace plqr
