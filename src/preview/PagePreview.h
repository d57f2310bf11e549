// The page preview of the document pages: the miniature sheet in control
// 2215, the paper-size label 2046 and the summary 2047. Each paint reads the
// device modes (and, for watermarks, the user's watermark library), asks
// ComputePreviewLayout where everything goes and paints that into a memory
// bitmap, which reaches the control in one BitBlt.
#pragma once

#include <windows.h>

#include "controls/PreviewHooks.h"
#include "core/PageParams.h"
#include "preview/PreviewLayout.h"

namespace plqr {

// What a page puts into its PageSetup to have the preview.
PreviewHooks PagePreviewHooks();

// The public device mode's fields the preview reads.
PreviewPublicSettings PreviewSettingsOf(const DEVMODEW& dm);

// Paints the preview control of a draw-item message.
void DrawPagePreview(const DRAWITEMSTRUCT* item, HINSTANCE resources, PAGEPARAMS* context);
// Sets the paper-size label of `page`; with `switchUnit` its unit is
// switched first (bIsInchSet).
void SetPreviewPaperSizeLabel(HWND page, HINSTANCE resources, PAGEPARAMS* context, bool switchUnit);
// Sets the summary lines of `page`.
void SetPreviewSummary(HWND page, HINSTANCE resources, PAGEPARAMS* context);

}  // namespace plqr
