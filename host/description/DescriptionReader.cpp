// Reader of the printer description language subset described in
// PrinterDescription.h. It reads the whole text into pending records first and
// resolves names (defaults, constraints, installable units) afterwards, so that
// a constraint may name a feature defined further down. Every failure stops the
// read with the line where it was found and what was expected there.
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "description/PrinterDescription.h"

namespace plqr::host {
namespace {

struct ReadFailure {
  std::uint32_t line;
  std::string message;
};

[[noreturn]] void Fail(std::uint32_t line, std::string message) {
  throw ReadFailure{line, std::move(message)};
}

struct PendingRef {
  std::string feature;
  std::string option;
  std::uint32_t line = 0;
};

// The installable-unit entries of one *Feature or *Option block.
struct PendingInstallable {
  bool installable = false;
  std::uint32_t installableLine = 0;
  std::optional<std::u16string> unitName;
  std::string unitNameUtf8;
  std::uint32_t unitNameLine = 0;
  std::optional<std::u16string> installedName;
  std::optional<std::u16string> notInstalledName;
  std::vector<PendingRef> notInstalledConstraints;
  // First unit entry other than *Installable? itself, for the message when the
  // block is not installable.
  std::string firstEntry;
  std::uint32_t firstEntryLine = 0;
};

struct PendingOption {
  DescriptionOption option;
  bool named = false;
  std::vector<PendingRef> constraints;
  PendingInstallable unit;
};

struct PendingFeature {
  DescriptionFeature feature;
  bool named = false;
  std::optional<std::string> defaultOption;
  std::uint32_t defaultLine = 0;
  std::vector<PendingOption> options;
  PendingInstallable unit;
};

enum class Block { Root, Feature, Option };

// Appends the UTF-16 form of a UTF-8 string; false on malformed input
// (overlong forms, surrogates, values above U+10FFFF, truncated sequences).
bool AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::uint32_t code = 0;
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
      code = lead;
      length = 1;
    } else if ((lead & 0xE0) == 0xC0) {
      code = lead & 0x1Fu;
      length = 2;
      minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      code = lead & 0x0Fu;
      length = 3;
      minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      code = lead & 0x07u;
      length = 4;
      minimum = 0x10000;
    } else {
      return false;
    }
    if (utf8.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return true;
}

bool IsSymbolChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsKeywordChar(char c) {
  return IsSymbolChar(c) || c == '?';
}

std::string Describe(char c) {
  if (c == '\n') return "the end of the line";
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x21 && byte < 0x7F) return std::string("'") + c + "'";
  static const char kHex[] = "0123456789ABCDEF";
  return std::string("byte 0x") + kHex[byte >> 4] + kHex[byte & 0xF];
}

const char* BlockName(Block block) {
  switch (block) {
    case Block::Root:
      return "at the top level";
    case Block::Feature:
      return "in a *Feature";
    case Block::Option:
      return "in an *Option";
  }
  return "";
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  PrinterDescription Read(std::string_view fileName) {
    ReadEntries(Block::Root, nullptr, nullptr, 0, {});
    if (features_.empty()) Fail(LastLine(), "expected at least one *Feature");
    return Resolve(fileName);
  }

 private:
  // ---- scanning -------------------------------------------------------------

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  char PeekAt(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  void Advance() {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }

  // Blanks within the current line.
  void SkipBlanks() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r')) Advance();
  }

  // Blanks, line breaks and comments.
  void SkipSpace() {
    for (;;) {
      SkipBlanks();
      if (AtEnd()) return;
      if (Peek() == '\n') {
        Advance();
      } else if (Peek() == '*' && PeekAt(1) == '%') {
        while (!AtEnd() && Peek() != '\n') Advance();
      } else {
        return;
      }
    }
  }

  // The file's last line, for failures at its end: a final line break does not
  // open another line.
  std::uint32_t LastLine() const {
    return (line_ > 1 && pos_ > 0 && text_[pos_ - 1] == '\n') ? line_ - 1 : line_;
  }

  std::string Found() const { return AtEnd() ? "the end of the file" : Describe(Peek()); }

  void Expect(char c, const std::string& what) {
    if (Peek() != c) Fail(line_, "expected " + what + ", found " + Found());
    Advance();
  }

  // After a value only blanks, a comment, a line break, a brace or the next
  // entry may follow on the same line.
  void EndOfValue(const std::string& keyword) {
    SkipBlanks();
    if (AtEnd() || Peek() == '\n' || Peek() == '{' || Peek() == '}' || Peek() == '*') return;
    Fail(line_, "unexpected " + Found() + " after the value of *" + keyword);
  }

  std::string ReadSymbol(const std::string& what) {
    const std::size_t start = pos_;
    while (!AtEnd() && IsSymbolChar(Peek())) Advance();
    if (pos_ == start) Fail(line_, "expected " + what + ", found " + Found());
    std::string symbol(text_.substr(start, pos_ - start));
    if (symbol.size() > kMaxKeywordLength) {
      Fail(line_, "the symbol '" + symbol.substr(0, 16) + "...' is longer than " +
                      std::to_string(kMaxKeywordLength) + " characters");
    }
    return symbol;
  }

  std::u16string ReadString(const std::string& keyword, std::string* utf8 = nullptr) {
    if (Peek() != '"') Fail(line_, "expected a quoted string after *" + keyword + ":, found " + Found());
    Advance();
    const std::size_t start = pos_;
    while (!AtEnd() && Peek() != '"' && Peek() != '\n') {
      const auto byte = static_cast<unsigned char>(Peek());
      if (byte < 0x20 && Peek() != '\t' && Peek() != '\r') {
        Fail(line_, "unexpected " + Describe(Peek()) + " in the string of *" + keyword);
      }
      Advance();
    }
    if (Peek() != '"') Fail(line_, "expected '\"' to end the string of *" + keyword + " on the same line");
    const std::string_view raw = text_.substr(start, pos_ - start);
    Advance();
    std::u16string text;
    if (!AppendUtf8AsUtf16(raw, text)) Fail(line_, "the string of *" + keyword + " is not valid UTF-8");
    if (text.size() > kMaxDisplayNameLength) {
      Fail(line_, "the string of *" + keyword + " is longer than " + std::to_string(kMaxDisplayNameLength) +
                      " characters");
    }
    if (utf8 != nullptr) utf8->assign(raw);
    return text;
  }

  std::int32_t ReadInteger(const std::string& keyword, std::int64_t minimum, std::int64_t maximum) {
    const std::uint32_t line = line_;
    bool negative = false;
    if (Peek() == '-') {
      negative = true;
      Advance();
    }
    if (Peek() < '0' || Peek() > '9')
      Fail(line_, "expected an integer for *" + keyword + ", found " + Found());
    std::int64_t value = 0;
    bool tooLarge = false;
    while (Peek() >= '0' && Peek() <= '9') {
      if (value <= (std::int64_t{1} << 32)) value = value * 10 + (Peek() - '0');
      if (value > (std::int64_t{1} << 32)) tooLarge = true;
      Advance();
    }
    if (IsSymbolChar(Peek())) Fail(line_, "expected an integer for *" + keyword + ", found " + Found());
    if (negative) value = -value;
    if (tooLarge || value < minimum || value > maximum) {
      Fail(line, "the value of *" + keyword + " must lie between " + std::to_string(minimum) + " and " +
                     std::to_string(maximum));
    }
    return static_cast<std::int32_t>(value);
  }

  bool ReadBool(const std::string& keyword) {
    const std::uint32_t line = line_;
    const std::string symbol = ReadSymbol("TRUE or FALSE after *" + keyword + ":");
    if (symbol == "TRUE") return true;
    if (symbol == "FALSE") return false;
    Fail(line, "expected TRUE or FALSE after *" + keyword + ":, found '" + symbol + "'");
  }

  IntPair ReadPair(const std::string& keyword, std::int64_t minimum, std::int64_t maximum) {
    const std::uint32_t line = line_;
    const std::string symbol = ReadSymbol("PAIR(x, y) after *" + keyword + ":");
    if (symbol != "PAIR") Fail(line, "expected PAIR(x, y) after *" + keyword + ":, found '" + symbol + "'");
    SkipSpace();
    Expect('(', "'(' after PAIR");
    SkipSpace();
    IntPair pair;
    pair.x = ReadInteger(keyword, minimum, maximum);
    SkipSpace();
    Expect(',', "',' between the two numbers of PAIR");
    SkipSpace();
    pair.y = ReadInteger(keyword, minimum, maximum);
    SkipSpace();
    Expect(')', "')' to end PAIR");
    return pair;
  }

  PendingRef ReadRef(const std::string& keyword) {
    PendingRef ref;
    ref.line = line_;
    ref.feature = ReadSymbol("Feature.Option in *" + keyword);
    Expect('.', "'.' between feature and option in *" + keyword);
    ref.option = ReadSymbol("an option after '" + ref.feature + ".' in *" + keyword);
    return ref;
  }

  // Feature.Option or LIST(Feature.Option, ...).
  std::vector<PendingRef> ReadRefs(const std::string& keyword) {
    std::vector<PendingRef> refs;
    const std::size_t start = pos_;
    const std::uint32_t startLine = line_;
    const std::string first = ReadSymbol("Feature.Option or LIST(...) after *" + keyword + ":");
    SkipBlanks();
    if (first != "LIST" || Peek() != '(') {
      pos_ = start;
      line_ = startLine;
      refs.push_back(ReadRef(keyword));
      return refs;
    }
    Advance();
    for (;;) {
      SkipSpace();
      refs.push_back(ReadRef(keyword));
      SkipSpace();
      if (Peek() == ')') break;
      Expect(',', "',' or ')' in the LIST of *" + keyword);
    }
    Advance();
    return refs;
  }

  std::string ReadKeyword() {
    Advance();  // '*'
    const std::size_t start = pos_;
    while (!AtEnd() && IsKeywordChar(Peek())) Advance();
    if (pos_ == start) Fail(line_, "expected a keyword after '*', found " + Found());
    return std::string(text_.substr(start, pos_ - start));
  }

  // ---- entries --------------------------------------------------------------

  // Reads entries up to the '}' that closes the block (or the end of the file at
  // the top level).
  void ReadEntries(Block block, PendingFeature* feature, PendingOption* option, std::uint32_t openLine,
                   const std::string& opened) {
    std::map<std::string, std::uint32_t> seen;
    for (;;) {
      SkipSpace();
      if (AtEnd()) {
        if (block == Block::Root) return;
        Fail(LastLine(), "expected '}' to close " + opened + " of line " + std::to_string(openLine) +
                             " before the end of the file");
      }
      if (Peek() == '}') {
        if (block == Block::Root) Fail(line_, "'}' without an open *Feature or *Option");
        Advance();
        return;
      }
      if (Peek() == '{') Fail(line_, "'{' may only follow *Feature: Name or *Option: Name");
      if (Peek() != '*') Fail(line_, "expected an entry *Keyword: value, found " + Found());
      const std::uint32_t line = line_;
      const std::string keyword = ReadKeyword();
      SkipBlanks();
      if (Peek() != ':') Fail(line_, "expected ':' after *" + keyword + ", found " + Found());
      Advance();
      SkipBlanks();
      if (AtEnd() || Peek() == '\n') Fail(line, "expected a value after *" + keyword + ":");
      if (!IsRepeatable(keyword)) {
        const auto [it, inserted] = seen.emplace(keyword, line);
        if (!inserted) {
          Fail(line, "*" + keyword + " is given twice in the same block (first on line " +
                         std::to_string(it->second) + ")");
        }
      }
      switch (block) {
        case Block::Root:
          RootEntry(keyword, line);
          break;
        case Block::Feature:
          FeatureEntry(*feature, keyword, line);
          break;
        case Block::Option:
          OptionEntry(*option, keyword, line);
          break;
      }
    }
  }

  static bool IsRepeatable(const std::string& keyword) {
    return keyword == "Feature" || keyword == "Option" || keyword == "InvalidCombination" ||
           keyword == "Constraints" || keyword == "NotInstalledConstraints";
  }

  [[noreturn]] static void Misplaced(Block block, const std::string& keyword, std::uint32_t line) {
    static constexpr std::string_view kRoot[] = {"GPDSpecVersion", "GPDFileName",        "ModelName",
                                                 "MaxCopies",      "InvalidCombination", "Feature"};
    static constexpr std::string_view kFeature[] = {"Name", "rcNameID", "DefaultOption", "FeatureType",
                                                    "Option"};
    static constexpr std::string_view kOption[] = {"Name", "rcNameID", "OptionID",
                                                   "DPI",  "FormSize", "Constraints"};
    static constexpr std::string_view kUnit[] = {"Installable?", "InstallableFeatureName",
                                                 "InstalledOptionName", "NotInstalledOptionName",
                                                 "NotInstalledConstraints"};
    auto contains = [&](const auto& list) {
      for (std::string_view name : list) {
        if (name == keyword) return true;
      }
      return false;
    };
    if (contains(kRoot) || contains(kFeature) || contains(kOption) || contains(kUnit)) {
      Fail(line, "*" + keyword + " is not allowed " + BlockName(block));
    }
    std::string expected;
    auto add = [&](const auto& list) {
      for (std::string_view name : list) expected += (expected.empty() ? "*" : ", *") + std::string(name);
    };
    if (block == Block::Root) {
      add(kRoot);
    } else {
      if (block == Block::Feature) {
        add(kFeature);
      } else {
        add(kOption);
      }
      add(kUnit);
    }
    Fail(line, "unknown keyword *" + keyword + "; expected one of " + expected);
  }

  void RootEntry(const std::string& keyword, std::uint32_t line) {
    if (keyword == "Feature") {
      ReadFeature(line);
      return;
    }
    if (keyword == "GPDSpecVersion" || keyword == "GPDFileName") {
      std::string utf8;
      ReadString(keyword, &utf8);
      (keyword == "GPDSpecVersion" ? specVersion_ : gpdFileName_) = utf8;
    } else if (keyword == "ModelName") {
      modelName_ = ReadString(keyword);
    } else if (keyword == "MaxCopies") {
      maxCopies_ = static_cast<std::uint32_t>(ReadInteger(keyword, 1, 9999));
    } else if (keyword == "InvalidCombination") {
      std::vector<PendingRef> refs = ReadRefs(keyword);
      if (refs.size() != 2) Fail(line, "*InvalidCombination needs exactly two Feature.Option entries");
      invalidCombinations_.emplace_back(std::move(refs[0]), std::move(refs[1]));
    } else {
      Misplaced(Block::Root, keyword, line);
    }
    EndOfValue(keyword);
  }

  void ReadFeature(std::uint32_t line) {
    PendingFeature feature;
    feature.feature.line = line;
    feature.feature.keyword = ReadSymbol("a feature keyword after *Feature:");
    for (const PendingFeature& other : features_) {
      if (other.feature.keyword == feature.feature.keyword) {
        Fail(line, "*Feature: " + feature.feature.keyword + " is defined twice (first on line " +
                       std::to_string(other.feature.line) + ")");
      }
    }
    const std::string opened = "*Feature: " + feature.feature.keyword;
    SkipSpace();
    Expect('{', "'{' after " + opened);
    ReadEntries(Block::Feature, &feature, nullptr, line, opened);
    features_.push_back(std::move(feature));
  }

  void ReadOption(PendingFeature& feature, std::uint32_t line) {
    PendingOption option;
    option.option.line = line;
    option.option.keyword = ReadSymbol("an option keyword after *Option:");
    for (const PendingOption& other : feature.options) {
      if (other.option.keyword == option.option.keyword) {
        Fail(line, "*Option: " + option.option.keyword +
                       " is defined twice in *Feature: " + feature.feature.keyword + " (first on line " +
                       std::to_string(other.option.line) + ")");
      }
    }
    const std::string opened = "*Option: " + option.option.keyword;
    SkipSpace();
    Expect('{', "'{' after " + opened);
    ReadEntries(Block::Option, nullptr, &option, line, opened);
    feature.options.push_back(std::move(option));
  }

  // Entries of an installable unit, shared by features and options; false when
  // the keyword is not one of them.
  bool UnitEntry(PendingInstallable& unit, const std::string& keyword, std::uint32_t line) {
    if (keyword == "Installable?") {
      unit.installable = ReadBool(keyword);
      unit.installableLine = line;
      return true;
    }
    if (keyword == "InstallableFeatureName") {
      unit.unitName = ReadString(keyword, &unit.unitNameUtf8);
      unit.unitNameLine = line;
    } else if (keyword == "InstalledOptionName") {
      unit.installedName = ReadString(keyword);
    } else if (keyword == "NotInstalledOptionName") {
      unit.notInstalledName = ReadString(keyword);
    } else if (keyword == "NotInstalledConstraints") {
      for (PendingRef& ref : ReadRefs(keyword)) unit.notInstalledConstraints.push_back(std::move(ref));
    } else {
      return false;
    }
    if (unit.firstEntry.empty()) {
      unit.firstEntry = keyword;
      unit.firstEntryLine = line;
    }
    return true;
  }

  void FeatureEntry(PendingFeature& feature, const std::string& keyword, std::uint32_t line) {
    if (keyword == "Option") {
      ReadOption(feature, line);
      return;
    }
    if (keyword == "Name") {
      feature.feature.displayName = ReadString(keyword);
      feature.named = true;
    } else if (keyword == "rcNameID") {
      feature.feature.nameResourceId = static_cast<std::uint32_t>(ReadInteger(keyword, 1, 65535));
      feature.named = true;
    } else if (keyword == "DefaultOption") {
      feature.defaultOption = ReadSymbol("an option keyword after *DefaultOption:");
      feature.defaultLine = line;
    } else if (keyword == "FeatureType") {
      const std::string type =
          ReadSymbol("DOC_PROPERTY, JOB_PROPERTY or PRINTER_PROPERTY after *FeatureType:");
      if (type == "DOC_PROPERTY") {
        feature.feature.type = FeatureType::Document;
      } else if (type == "JOB_PROPERTY") {
        feature.feature.type = FeatureType::Job;
      } else if (type == "PRINTER_PROPERTY") {
        feature.feature.type = FeatureType::Printer;
      } else {
        Fail(line, "expected DOC_PROPERTY, JOB_PROPERTY or PRINTER_PROPERTY after *FeatureType:, found '" +
                       type + "'");
      }
    } else if (!UnitEntry(feature.unit, keyword, line)) {
      Misplaced(Block::Feature, keyword, line);
    }
    EndOfValue(keyword);
  }

  void OptionEntry(PendingOption& option, const std::string& keyword, std::uint32_t line) {
    constexpr std::int64_t kMaxDimension = 10'000'000;  // ten metres in thousandths of a millimetre
    if (keyword == "Name") {
      option.option.displayName = ReadString(keyword);
      option.named = true;
    } else if (keyword == "rcNameID") {
      option.option.nameResourceId = static_cast<std::uint32_t>(ReadInteger(keyword, 1, 65535));
      option.named = true;
    } else if (keyword == "OptionID") {
      option.option.optionId = ReadInteger(keyword, 0, 32767);
    } else if (keyword == "DPI") {
      option.option.dpi = ReadPair(keyword, 1, 9600);
    } else if (keyword == "FormSize") {
      option.option.formSize = ReadPair(keyword, 1, kMaxDimension);
    } else if (keyword == "Constraints") {
      for (PendingRef& ref : ReadRefs(keyword)) option.constraints.push_back(std::move(ref));
    } else if (!UnitEntry(option.unit, keyword, line)) {
      Misplaced(Block::Option, keyword, line);
    }
    EndOfValue(keyword);
  }

  // ---- resolution -----------------------------------------------------------

  OptionRef ResolveRef(const PendingRef& ref, const std::vector<DescriptionFeature>& features) const {
    for (std::size_t f = 0; f < features.size(); ++f) {
      if (features[f].keyword != ref.feature) continue;
      for (std::size_t o = 0; o < features[f].options.size(); ++o) {
        if (features[f].options[o].keyword == ref.option) return OptionRef{f, o};
      }
      Fail(ref.line, "'" + ref.option + "' is not an option of *Feature: " + ref.feature);
    }
    Fail(ref.line, "unknown feature '" + ref.feature + "' in " + ref.feature + "." + ref.option);
  }

  static void AddConstraint(std::vector<Constraint>& constraints, OptionRef a, OptionRef b,
                            const PendingRef& ref, const std::string& where) {
    if (a.feature == b.feature) {
      Fail(ref.line, where + " names " + ref.feature + "." + ref.option +
                         ": a constraint needs options of two different features");
    }
    for (const Constraint& existing : constraints) {
      if ((existing.first == a && existing.second == b) || (existing.first == b && existing.second == a))
        return;
    }
    constraints.push_back(Constraint{a, b});
  }

  void ResolveUnit(PrinterDescription& description, const PendingInstallable& pending, std::size_t feature,
                   std::optional<std::size_t> option, std::optional<std::size_t>& slot) {
    if (!pending.installable) {
      if (!pending.firstEntry.empty()) {
        Fail(pending.firstEntryLine,
             "*" + pending.firstEntry + " needs *Installable?: TRUE in the same block");
      }
      return;
    }
    if (!pending.unitName) Fail(pending.installableLine, "*Installable?: TRUE needs *InstallableFeatureName");
    if (description.FindInstallable(*pending.unitName)) {
      Fail(pending.unitNameLine, "the installable unit \"" + pending.unitNameUtf8 + "\" is named twice");
    }
    InstallableUnit unit;
    unit.name = *pending.unitName;
    unit.installedName = pending.installedName.value_or(u"Installed");
    unit.notInstalledName = pending.notInstalledName.value_or(u"Not Installed");
    unit.feature = feature;
    unit.option = option;
    for (const PendingRef& ref : pending.notInstalledConstraints) {
      unit.notInstalledConstraints.push_back(ResolveRef(ref, description.features));
    }
    slot = description.installables.size();
    description.installables.push_back(std::move(unit));
  }

  PrinterDescription Resolve(std::string_view fileName) {
    PrinterDescription description;
    description.fileName = std::string(fileName);
    description.specVersion = specVersion_;
    description.gpdFileName = gpdFileName_;
    description.modelName = modelName_;
    description.maxCopies = maxCopies_;

    // Features and options first, so that references can be resolved.
    for (PendingFeature& pending : features_) {
      DescriptionFeature& feature = pending.feature;
      const std::string name = "*Feature: " + feature.keyword;
      if (!pending.named) Fail(feature.line, name + " needs *Name or *rcNameID");
      if (pending.options.empty()) Fail(feature.line, name + " has no *Option");
      if (!pending.defaultOption) Fail(feature.line, name + " needs *DefaultOption");
      bool found = false;
      for (std::size_t o = 0; o < pending.options.size(); ++o) {
        const PendingOption& option = pending.options[o];
        if (!option.named) {
          Fail(option.option.line,
               "*Option: " + option.option.keyword + " of " + name + " needs *Name or *rcNameID");
        }
        if (option.option.keyword == *pending.defaultOption) {
          feature.defaultOption = o;
          found = true;
        }
        feature.options.push_back(option.option);
      }
      if (!found)
        Fail(pending.defaultLine,
             "*DefaultOption: " + *pending.defaultOption + " is not an option of " + name);
      description.features.push_back(feature);
    }

    for (std::size_t f = 0; f < features_.size(); ++f) {
      const PendingFeature& pending = features_[f];
      ResolveUnit(description, pending.unit, f, std::nullopt, description.features[f].installableUnit);
      for (std::size_t o = 0; o < pending.options.size(); ++o) {
        const PendingOption& option = pending.options[o];
        ResolveUnit(description, option.unit, f, o, description.features[f].options[o].installableUnit);
        for (const PendingRef& ref : option.constraints) {
          const std::string where =
              "*Constraints of " + pending.feature.keyword + "." + option.option.keyword;
          AddConstraint(description.constraints, OptionRef{f, o}, ResolveRef(ref, description.features), ref,
                        where);
        }
      }
    }
    for (const auto& [first, second] : invalidCombinations_) {
      AddConstraint(description.constraints, ResolveRef(first, description.features),
                    ResolveRef(second, description.features), second, "*InvalidCombination");
    }
    return description;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::uint32_t line_ = 1;

  std::string specVersion_;
  std::string gpdFileName_;
  std::u16string modelName_;
  std::uint32_t maxCopies_ = 1;
  std::vector<PendingFeature> features_;
  std::vector<std::pair<PendingRef, PendingRef>> invalidCombinations_;
};

}  // namespace

DescriptionResult ParsePrinterDescription(std::string_view text, std::string_view fileName) {
  DescriptionResult result;
  if (text.size() > kMaxDescriptionBytes) {
    result.error = DescriptionError{
        std::string(fileName), 0,
        "the printer description is larger than " + std::to_string(kMaxDescriptionBytes) + " bytes"};
    return result;
  }
  try {
    result.description = Reader(text).Read(fileName);
  } catch (const ReadFailure& failure) {
    result.error = DescriptionError{std::string(fileName), failure.line, failure.message};
  }
  return result;
}

}  // namespace plqr::host
