#include "SettingsJson.h"

#include "support/Conversions.h"

#include <cwchar>

#include "HostText.h"
#include "settings/JsonWriter.h"
#include "settings/PrivateFieldsJson.h"

namespace plqr::host {

namespace {

template <size_t N>
std::string FixedText(const wchar_t (&text)[N]) {
  return Narrow(std::wstring(text, wcsnlen(text, N)));
}

void WritePublic(JsonWriter& json, const DEVMODEW& dm) {
  json.BeginObject();
  json.Key("dmDeviceName").String(FixedText(dm.dmDeviceName));
  json.Key("dmSpecVersion").Unsigned(dm.dmSpecVersion);
  json.Key("dmDriverVersion").Unsigned(dm.dmDriverVersion);
  json.Key("dmSize").Unsigned(dm.dmSize);
  json.Key("dmDriverExtra").Unsigned(dm.dmDriverExtra);
  json.Key("dmFields").Unsigned(dm.dmFields);
  json.Key("dmOrientation").Integer(dm.dmOrientation);
  json.Key("dmPaperSize").Integer(dm.dmPaperSize);
  json.Key("dmPaperLength").Integer(dm.dmPaperLength);
  json.Key("dmPaperWidth").Integer(dm.dmPaperWidth);
  json.Key("dmScale").Integer(dm.dmScale);
  json.Key("dmCopies").Integer(dm.dmCopies);
  json.Key("dmDefaultSource").Integer(dm.dmDefaultSource);
  json.Key("dmPrintQuality").Integer(dm.dmPrintQuality);
  json.Key("dmColor").Integer(dm.dmColor);
  json.Key("dmDuplex").Integer(dm.dmDuplex);
  json.Key("dmYResolution").Integer(dm.dmYResolution);
  json.Key("dmTTOption").Integer(dm.dmTTOption);
  json.Key("dmCollate").Integer(dm.dmCollate);
  json.Key("dmFormName").String(FixedText(dm.dmFormName));
  json.Key("dmMediaType").Unsigned(dm.dmMediaType);
  json.EndObject();
}

}  // namespace

std::string SettingsJson(CoreDriverHost& host) {
  const PrinterDescription& description = host.Description();
  DriverSettings& settings = host.Settings();
  JsonWriter json;
  json.BeginObject();
  json.Key("printer").String(Narrow(host.Options().printerName));
  json.Key("sheet").String(host.Options().sheet == SheetKind::Document ? "document" : "printer");
  json.Key("result").String(host.SheetResult() == CPSUI_OK ? "ok" : "cancel");

  json.Key("public");
  if (const DEVMODEW* dm = host.PublicDevmode()) {
    WritePublic(json, *dm);
  } else {
    json.Null();
  }
  json.Key("private");
  WritePrivateFields(json, host.PrivateDevmode(), host.PrivateDevmode() ? host.PrivateDevmodeSize() : 0);

  json.Key("selections").BeginObject();
  json.Key("Copies").Integer(settings.Copies());
  for (size_t f = 0; f < description.features.size(); ++f) {
    const DescriptionFeature& feature = description.features[f];
    const size_t option =
        f < settings.State().selected.size() ? settings.State().selected[f] : feature.defaultOption;
    json.Key(feature.keyword).BeginObject();
    json.Key("index").Unsigned(option);
    if (option < feature.options.size()) {
      const DescriptionOption& chosen = feature.options[option];
      json.Key("option").String(chosen.keyword);
      json.Key("name").String(chosen.displayName);
    }
    json.EndObject();
  }
  json.EndObject();

  json.Key("installed").BeginObject();
  for (size_t u = 0; u < description.installables.size(); ++u) {
    const bool installed = u < settings.State().installed.size() && settings.State().installed[u];
    json.Key(plqr::Utf16ToUtf8(description.installables[u].name)).Bool(installed);
  }
  json.EndObject();
  json.EndObject();
  return json.str();
}

}  // namespace plqr::host
