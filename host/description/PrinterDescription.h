// The printer description of the simulated printer, as the core-driver stand-in
// reads it: features in driver order, their options with keywords and display
// names, defaults, constraints between options and installable options.
//
// The file is written in a subset of the core driver's own description
// language (GPD). What the reader accepts:
//
//   *% comment up to the end of the line
//   *GPDSpecVersion: "1.0"          root: free text, kept
//   *GPDFileName: "PLQRDVXS.gpd"    root: free text, kept
//   *ModelName: "..."               root: the printer model's name
//   *MaxCopies: 999                 root: 1 to 9999, the copy count limit (default 1)
//   *InvalidCombination: LIST(Feature.Option, Feature.Option)
//                                   root: the two may not be chosen together
//   *Feature: Keyword { ... }       a feature, in the order the core driver lists it
//     *Name: "Display name"  or  *rcNameID: 123   (at least one; both allowed)
//     *DefaultOption: OptionKeyword               (required)
//     *FeatureType: DOC_PROPERTY | JOB_PROPERTY | PRINTER_PROPERTY
//                                                 (default DOC_PROPERTY)
//     *Installable?, *InstallableFeatureName, ... (see below)
//     *Option: Keyword { ... }                    (at least one)
//       *Name: "..." and/or *rcNameID: 123
//       *OptionID: 257                 the value the option puts into its public
//                                      device-mode field (DMPAPER_, DMBIN_, DMMEDIA_)
//       *DPI: PAIR(600, 600)           resolution options
//       *FormSize: PAIR(210000, 297000)
//                                      paper options: width and length in
//                                      thousandths of a millimetre, as the
//                                      spooler's forms give them (this stands in
//                                      for the language's *PageDimensions in
//                                      master units)
//       *Constraints: Feature.Option  or  LIST(Feature.Option, ...)
//                                      options that may not be chosen together
//                                      with this one
//       *Installable?: TRUE            this option exists only when the unit is
//                                      installed; needs *InstallableFeatureName
//
// Installable units: an *Option or a *Feature with *Installable?: TRUE names the
// unit with *InstallableFeatureName: "Tray 2". The optional
// *InstalledOptionName / *NotInstalledOptionName (default "Installed" and
// "Not Installed") give the two states' display names, and
// *NotInstalledConstraints: Feature.Option or LIST(...) lists options that are
// unavailable while the unit is not installed. An installable option is
// unavailable while its unit is not installed; an installable feature then
// offers only its default option.
//
// A value is one token: a quoted string (UTF-8, no line break, no quote inside),
// a symbol ([A-Za-z0-9_]), an integer, TRUE/FALSE, PAIR(a, b) or LIST(...); the
// parentheses of PAIR and LIST may span lines. Braces may stand on their own
// lines or on the entry's line, and several entries may share a line. Anything
// else (macros, *Switch/*Case, *Include, unknown keywords) is an error that names
// the file, the line and what was expected.
//
// Which public device-mode item a feature stands for is implied by its keyword,
// as in the core driver: see StandardItemOf.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plqr::host {

// Where a feature's item goes: the document sheet (document and job features)
// or the printer sheet.
enum class FeatureType : std::uint8_t { Document, Job, Printer };

// The public item a feature is shown as, by the core driver's standard feature
// keywords. The values are the DMPubID of the core driver's option item.
enum class StandardItem : std::uint8_t {
  None = 0,           // a keyword-only item (DMPUB_NONE)
  Orientation = 1,    // "Orientation": dmOrientation
  CopiesCollate = 3,  // "Collate": dmCopies (up to MaxCopies) and dmCollate
  DefaultSource = 4,  // "InputBin": dmDefaultSource
  PrintQuality = 5,   // "Resolution": dmPrintQuality, dmYResolution
  Color = 6,          // "ColorMode": dmColor
  Duplex = 7,         // "Duplex": dmDuplex
  FormName = 9,       // "PaperSize": dmFormName, dmPaperSize
  MediaType = 12,     // "MediaType": dmMediaType
  Nup = 16,           // "Nup": the keyword-less pages-per-sheet item
};

StandardItem StandardItemOf(std::string_view featureKeyword);

struct IntPair {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct DescriptionOption {
  std::string keyword;               // ASCII symbol
  std::u16string displayName;        // empty when only a resource ID names it
  std::uint32_t nameResourceId = 0;  // 0: none
  std::optional<std::int32_t> optionId;
  std::optional<IntPair> dpi;
  std::optional<IntPair> formSize;             // thousandths of a millimetre
  std::optional<std::size_t> installableUnit;  // index into PrinterDescription::installables
  std::uint32_t line = 0;
};

struct DescriptionFeature {
  std::string keyword;
  std::u16string displayName;
  std::uint32_t nameResourceId = 0;
  FeatureType type = FeatureType::Document;
  std::size_t defaultOption = 0;
  std::optional<std::size_t> installableUnit;  // the whole feature is installable
  std::vector<DescriptionOption> options;
  std::uint32_t line = 0;
};

// An option of one feature.
struct OptionRef {
  std::size_t feature = 0;
  std::size_t option = 0;
  friend bool operator==(const OptionRef& a, const OptionRef& b) {
    return a.feature == b.feature && a.option == b.option;
  }
  friend bool operator!=(const OptionRef& a, const OptionRef& b) { return !(a == b); }
};

// Two options of different features that may not be selected together.
struct Constraint {
  OptionRef first;
  OptionRef second;
};

// A unit of optional hardware (a tray, a finisher).
struct InstallableUnit {
  std::u16string name;                // *InstallableFeatureName
  std::u16string installedName;       // display name of the installed state
  std::u16string notInstalledName;    // display name of the state without it
  std::size_t feature = 0;            // the installable feature or the option's feature
  std::optional<std::size_t> option;  // the installable option; none: the whole feature
  std::vector<OptionRef> notInstalledConstraints;
};

struct PrinterDescription {
  std::string fileName;  // as given to the reader, for messages
  std::string specVersion;
  std::string gpdFileName;
  std::u16string modelName;
  std::uint32_t maxCopies = 1;
  std::vector<DescriptionFeature> features;
  std::vector<Constraint> constraints;  // each unordered pair once
  std::vector<InstallableUnit> installables;

  std::optional<std::size_t> FindFeature(std::string_view keyword) const;
  std::optional<std::size_t> FindOption(std::size_t feature, std::string_view keyword) const;
  std::optional<std::size_t> FindInstallable(std::u16string_view name) const;
};

// A description that could not be read: "file:line: what was expected".
// Line 0 means the file itself (it could not be opened or is too large).
struct DescriptionError {
  std::string fileName;
  std::uint32_t line = 0;
  std::string message;
  std::string ToString() const;
};

struct DescriptionResult {
  std::optional<PrinterDescription> description;  // set on success
  DescriptionError error;                         // meaningful when it is not
  bool ok() const { return description.has_value(); }
};

// The largest description the reader takes.
constexpr std::size_t kMaxDescriptionBytes = 4u << 20;
// Longest keyword (feature and option symbols) and display name, in UTF-16 units.
constexpr std::size_t kMaxKeywordLength = 64;
constexpr std::size_t kMaxDisplayNameLength = 255;

DescriptionResult ParsePrinterDescription(std::string_view text, std::string_view fileName);
DescriptionResult ReadPrinterDescriptionFile(const std::filesystem::path& path);

// The choices against which availability is judged: the selected option of
// every feature (by index into features) and the installed state of every unit
// (by index into installables). Missing entries count as the feature's default
// and as not installed.
struct SelectionState {
  std::vector<std::size_t> selected;
  std::vector<bool> installed;
};

// Every feature at its default, no unit installed.
SelectionState DefaultSelectionState(const PrinterDescription& description);

// Why an option may not be chosen now.
struct Conflict {
  enum class Kind : std::uint8_t {
    NoSuchOption,  // the feature or option index is out of range
    Constraint,    // with: a selected option of another feature forbids it
    NotInstalled,  // unit: the unit it needs (or whose absence forbids it) is not installed
  };
  Kind kind = Kind::NoSuchOption;
  OptionRef with;
  std::size_t unit = 0;
};

// The first reason why `candidate` may not replace its feature's current
// selection, given every other feature's selection and the installed units;
// none when it may. The candidate's own feature's selection is not consulted.
std::optional<Conflict> FindConflict(const PrinterDescription& description, const SelectionState& state,
                                     OptionRef candidate);
bool IsOptionAllowed(const PrinterDescription& description, const SelectionState& state, OptionRef candidate);

// One flag per option of the feature: true where FindConflict finds a reason.
// Empty for a feature index out of range.
std::vector<bool> DisabledOptions(const PrinterDescription& description, const SelectionState& state,
                                  std::size_t feature);

}  // namespace plqr::host
