#include "preview/PagePreview.h"

#include <string>

#include "ResourceIds.h"
#include "preview/PreviewPainter.h"
#include "preview/PreviewTexts.h"
#include "support/Handles.h"
#include "support/ResourceStrings.h"

namespace plqr {

static_assert(kStringUnitInch == IDS_UNIT_INCH && kStringUnitMm == IDS_UNIT_MM &&
                  kStringBooklet == IDS_SUMMARY_BOOKLET && kStringCopies == IDS_SUMMARY_COPIES &&
                  kStringCollated == IDS_SUMMARY_COLLATED && kStringScaled == IDS_SUMMARY_SCALED &&
                  kStringStapled == IDS_SUMMARY_STAPLED && kStringLanguage == IDS_HELP_LANGUAGE &&
                  kStringFrontCoverBlank == IDS_SUMMARY_FRONT_COVER_BLANK &&
                  kStringInterleavePrinted == IDS_SUMMARY_INTERLEAVE_PRINTED,
              "strings of the preview texts");

namespace {

PreviewStringLookup StringsOf(HINSTANCE resources) {
  return [resources](uint32_t id) { return LoadStringFromResource(resources, id); };
}

// Sets a control's text only when it changes, so that a repaint of the
// preview does not make the label and the summary flicker.
void SetTextOnChange(HWND page, int id, const std::wstring& text) {
  HWND control = GetDlgItem(page, id);
  if (control == nullptr) return;
  wchar_t current[1024] = {};
  GetWindowTextW(control, current, 1024);
  if (text != current) SetWindowTextW(control, text.c_str());
}

}  // namespace

PreviewHooks PagePreviewHooks() {
  PreviewHooks hooks;
  hooks.draw = DrawPagePreview;
  hooks.label = SetPreviewPaperSizeLabel;
  hooks.summary = SetPreviewSummary;
  return hooks;
}

PreviewPublicSettings PreviewSettingsOf(const DEVMODEW& dm) {
  PreviewPublicSettings settings;
  settings.paperWidth = dm.dmPaperWidth;
  settings.paperLength = dm.dmPaperLength;
  settings.orientation = dm.dmOrientation;
  settings.duplex = dm.dmDuplex;
  settings.scale = dm.dmScale;
  settings.copies = dm.dmCopies;
  settings.collate = dm.dmCollate;
  return settings;
}

void DrawPagePreview(const DRAWITEMSTRUCT* item, HINSTANCE resources, PAGEPARAMS* context) {
  if (item == nullptr || item->hDC == nullptr || item->hwndItem == nullptr) return;
  RECT client = {};
  GetClientRect(item->hwndItem, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;

  UniqueDC memory(CreateCompatibleDC(item->hDC));
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(item->hDC, width, height));
  if (!memory || !bitmap) return;
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  FillRect(memory.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
  if (context != nullptr && context->pPublicDM != nullptr && context->m_pVendorDevmode != nullptr) {
    const PreviewLayout layout = ComputePreviewLayout(width, height, PreviewSettingsOf(*context->pPublicDM),
                                                      *context->m_pVendorDevmode);
    PaintPreview(memory.get(), layout, resources, context->pPrinterName);
  }
  BitBlt(item->hDC, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  SelectObject(memory.get(), previous);
}

void SetPreviewPaperSizeLabel(HWND page, HINSTANCE resources, PAGEPARAMS* context, bool switchUnit) {
  if (page == nullptr || context == nullptr || context->pPublicDM == nullptr ||
      context->m_pVendorDevmode == nullptr)
    return;
  VENDORDEVMODE& body = *context->m_pVendorDevmode;
  if (switchUnit) body.bIsInchSet = body.bIsInchSet == 1 ? 0 : 1;
  SetTextOnChange(page, IDC_PREVIEW_LABEL,
                  PreviewPaperSizeLabel(PreviewSettingsOf(*context->pPublicDM), body, StringsOf(resources)));
}

void SetPreviewSummary(HWND page, HINSTANCE resources, PAGEPARAMS* context) {
  if (page == nullptr || context == nullptr || context->pPublicDM == nullptr ||
      context->m_pVendorDevmode == nullptr)
    return;
  SetTextOnChange(page, IDC_PREVIEW_SUMMARY,
                  PreviewSummaryText(PreviewSettingsOf(*context->pPublicDM), *context->m_pVendorDevmode,
                                     StringsOf(resources)));
}

}  // namespace plqr
