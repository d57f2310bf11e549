// What a page's frame calls to show the page preview. The preview itself
// lives above the controls (preview/PagePreview.h hands these out), so the
// frame knows it only through these three functions; a page without a
// preview leaves them null.
#pragma once

#include <windows.h>

#include "core/PageParams.h"

struct PreviewHooks {
  // Paints the preview control as its draw-item message asks.
  void (*draw)(const DRAWITEMSTRUCT* item, HINSTANCE resources, PAGEPARAMS* context) = nullptr;
  // Sets the paper-size label of `page`, first switching its unit when asked.
  void (*label)(HWND page, HINSTANCE resources, PAGEPARAMS* context, bool switchUnit) = nullptr;
  // Sets the summary lines of `page`.
  void (*summary)(HWND page, HINSTANCE resources, PAGEPARAMS* context) = nullptr;
};
