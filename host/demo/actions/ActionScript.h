// The actions file of the printing-preferences program: one user action a
// line, carried out on the open sheet in order.
//
//   # comment                 (blank lines and comments from an unquoted # on are skipped)
//   page 2                    switch to the second page (pages count from 1)
//   page "Paper"              switch to the page with this tab title
//   click IDC_CHECK_COLLATE   click a button, check box or radio button
//   command IDC_BUTTON_QUICKSETTINGS   send the command a click of a button
//                             sends to the page (or open dialog), also when
//                             the button is hidden or not on the page shown
//   choose 2033 "4 pages"     choose a list entry by its text
//   type 2022 "3"             type text into an edit (replacing its text)
//   slider 2301 40            move a slider to a position
//   ok | cancel | apply       press a button of the sheet (or of the open dialog)
//   screenshot after-copies   write a PNG of the sheet (or the open dialog)
//   expect public.dmCopies 3  check a setting (a dotted path into the
//                             settings file): after an `apply` at once,
//                             otherwise once the sheet has closed with OK
//
// Controls are named by their IDC_ names of ResourceIds.h or by decimal IDs,
// 1 to 65535. Texts are in double quotes, with \" and \\ inside; a page
// title, screenshot name or expected value may also be a bare word.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plqr::host {

struct Action {
  enum class Kind : std::uint8_t {
    Page,
    Click,
    Choose,
    Type,
    Slider,
    Ok,
    Cancel,
    Apply,
    Screenshot,
    Expect,
    Command
  };
  Kind kind = Kind::Ok;
  std::uint32_t line = 0;
  std::uint32_t controlId = 0;  // Click, Command, Choose, Type, Slider
  std::int32_t number = 0;      // Slider position; Page index (1-based) when text is empty
  std::string text;             // UTF-8: Choose, Type, page title, screenshot name, Expect key
  std::string value;            // Expect: the value the setting must have
};

// A line that cannot be read or carried out: "file:line: what is wrong".
struct ActionError {
  std::string fileName;
  std::uint32_t line = 0;
  std::string message;
  std::string ToString() const;
};

struct ActionScript {
  std::vector<Action> actions;
};

struct ActionScriptResult {
  std::optional<ActionScript> script;
  ActionError error;
  bool ok() const { return script.has_value(); }
};

// The largest actions file and line taken.
constexpr std::size_t kMaxActionFileBytes = 1u << 20;
constexpr std::size_t kMaxActionLineBytes = 4096;

ActionScriptResult ParseActionScript(std::string_view text, std::string_view fileName);

// Name of an action kind as it is written in the file.
const char* ActionName(Action::Kind kind);

// The ID of a control by its IDC_ name in ResourceIds.h.
std::optional<std::uint32_t> ControlIdByName(std::string_view name);

}  // namespace plqr::host
