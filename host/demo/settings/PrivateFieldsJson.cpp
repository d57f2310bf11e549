#include "settings/PrivateFieldsJson.h"

#include <cstring>
#include <memory>
#include <string>

#include "core/PrivateDevmode.h"

namespace plqr::host {

namespace {

template <std::size_t N>
std::u16string Text(const char16_t (&field)[N]) {
  std::size_t length = 0;
  while (length < N && field[length] != u'\0') ++length;
  return std::u16string(field, length);
}

template <std::size_t N>
std::string Hex(const std::uint8_t (&bytes)[N]) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(N * 2);
  for (const std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

}  // namespace

void WritePrivateFields(JsonWriter& json, const void* record, std::size_t size) {
  if (record == nullptr || size < kPrivateDevmodeSize) {
    json.BeginObject()
        .Key("error")
        .String("no private device mode of " + std::to_string(kPrivateDevmodeSize) + " bytes")
        .EndObject();
    return;
  }
  // A copy: the caller's buffer need not be aligned for the record.
  auto copy = std::make_unique<PrivateDevmode>();
  std::memcpy(copy.get(), record, kPrivateDevmodeSize);
  const OemDmExtraHeader& h = copy->header;
  const VENDORDEVMODE& b = copy->body;

  json.BeginObject();
  json.Key("dwSize").Unsigned(h.dwSize);
  json.Key("dwSignature").Unsigned(h.dwSignature);
  json.Key("dwVersion").Unsigned(h.dwVersion);
#define PLQR_TEXT(field) json.Key(#field).String(Text(b.field))
#define PLQR_INT(field) json.Key(#field).Integer(b.field)
#define PLQR_HEX(field) json.Key(#field).String(Hex(b.field))
  PLQR_TEXT(szAppModuleName);
  PLQR_INT(dwBodySignature);
  PLQR_INT(dwSetupMarker);
  PLQR_INT(wPrintOnWidth);
  PLQR_INT(wPrintOnLength);
  PLQR_INT(bScaleToFit);
  PLQR_INT(sPrintOnIndex);
  PLQR_TEXT(szReservedPath);
  PLQR_INT(dwOutputBinMode);
  PLQR_INT(bStaple);
  PLQR_INT(bTonerDarknessFlag);
  PLQR_INT(wTonerDarkness);
  PLQR_INT(bTonerSave);
  PLQR_INT(dwAuthenticationMode);
  PLQR_TEXT(szUserCode);
  PLQR_TEXT(szUserId1);
  PLQR_TEXT(szPassword1);
  PLQR_INT(bRotationSort);
  PLQR_INT(dwJobType);
  PLQR_TEXT(szJobDetail1);
  PLQR_TEXT(szJobDetail2);
  PLQR_INT(sBrightness);
  PLQR_INT(sContrast);
  PLQR_INT(wPagesPerSheet);
  PLQR_INT(bBooklet);
  PLQR_INT(bPageBorders);
  PLQR_INT(dwFirstPage);
  PLQR_INT(dwFirstPageLayout);
  PLQR_INT(dwReserved932);
  PLQR_INT(bGraphicsModeFlag);
  PLQR_INT(bRotate180);
  PLQR_INT(bBookletOption);
  PLQR_INT(bPrintOnCenter);
  PLQR_INT(bCenterZoom);
  PLQR_INT(sPageProcessingMode);
  PLQR_INT(wScale);
  PLQR_INT(sBookletValue);
  PLQR_INT(bSettingsChanged);
  PLQR_HEX(abFrontCover);
  PLQR_HEX(abBackCover);
  PLQR_HEX(abInterleave);
  PLQR_INT(eWMUsage);
  PLQR_INT(sFP_SectionIndex);
  PLQR_INT(eFP_WMRK_Type);
  PLQR_INT(sNP_SectionIndex);
  PLQR_INT(eNP_WMRK_Type);
  PLQR_INT(bIsInchSet);
  PLQR_INT(bFontFlag1609);
  PLQR_INT(bFontFlag1610);
  PLQR_INT(bPrintTextAsBlack);
  PLQR_INT(sSimplexBindingEdge);
  PLQR_INT(sMarginsIndex);
  PLQR_INT(bIsMMSet);
  PLQR_INT(bNoReset);
  PLQR_TEXT(szLeftMargin);
  PLQR_TEXT(szTopMargin);
  PLQR_TEXT(szRightMargin);
  PLQR_TEXT(szBottomMargin);
  PLQR_TEXT(szShiftBinding);
  PLQR_INT(bOutputBinFlag);
  PLQR_INT(dwWatermarkOverlayValue);
  PLQR_INT(bOverlayFlag);
  json.Key("fReserved1700").Number(b.fReserved1700);
  PLQR_INT(bNoDuplex);
  PLQR_INT(sPaperItemId);
  PLQR_INT(bGrayCorrection);
  PLQR_INT(wResolution);
  PLQR_INT(wNextPaperItemId);
  PLQR_INT(bNoRotationSort);
  PLQR_INT(sPaperSizeIndex);
  PLQR_INT(vdmPaperWidth);
  PLQR_INT(vdmPaperLength);
  PLQR_TEXT(szUserId2);
  PLQR_TEXT(szPassword2);
  PLQR_TEXT(szJobPin);
#undef PLQR_TEXT
#undef PLQR_INT
#undef PLQR_HEX
  json.EndObject();
}

}  // namespace plqr::host
