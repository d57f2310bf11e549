// The pictures a page or dialog puts on its static controls. Each is loaded
// from the resource library with LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT,
// set with STM_SETIMAGE, and deleted when it is replaced and when the owner
// releases them (at WM_DESTROY): a static control never deletes an image it
// was given, and one that copied the image hands the copy back.
#pragma once

#include <windows.h>

#include <vector>

namespace plqr {

class CPictures {
 public:
  CPictures() = default;
  ~CPictures() { Release(); }
  CPictures(const CPictures&) = delete;
  CPictures& operator=(const CPictures&) = delete;

  // Puts bitmap `bitmapId` of `module` on control `controlId` of `dialog`.
  // A missing bitmap clears the control. The picture a control shows already
  // is not loaded again: pages set their pictures after every change.
  void Set(HWND dialog, HINSTANCE module, int controlId, UINT bitmapId);

  // Takes every picture off its control and deletes it.
  void Release();

  size_t Count() const { return m_Entries.size(); }

 private:
  struct Entry {
    HWND control;
    HBITMAP bitmap;
    HINSTANCE module;
    UINT bitmapId;
  };
  // Takes the current image off `control` and deletes it and `owned`.
  static void Clear(HWND control, HBITMAP owned);

  std::vector<Entry> m_Entries;
};

}  // namespace plqr
