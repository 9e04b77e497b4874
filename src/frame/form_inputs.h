// Helpers of the form-driving operations: reading control states, and saving and loading the
// inputs of a host form through the persistence component, one value per listed control.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host.h"

namespace tk {

// A check box or option button is on for True, a non-zero number or a numeric text other than 0.
bool IsOn(const Variant& v);
bool IsOn(const HostRef& control);
// The text of a control's "Text", trimmed.
std::string FieldText(const HostRef& control);
// Enabled unless the control says otherwise (an absent control counts as disabled).
bool IsEnabled(const HostRef& control);
// Caption and tool tip together: the tool tip is the caption without its closing "：", between
// blanks (" 截面宽度b (mm) ").
void SetCaption(const HostRef& label, std::string_view caption);
// Clears a combo box and fills it with `items`.
void FillList(const HostRef& combo, const std::vector<std::string_view>& items);

// One saved control property ("CboB", 3, "Text").
struct SavedControl {
  const char* name;
  int index;  // -1: a single control
  const char* prop;
};
// A version of a saved-input file: its header and the controls it holds, in file order.
struct SavedFormVersion {
  std::string header;
  std::vector<SavedControl> controls;
};

enum class SaveMode { kLoad, kSave };
// The mode of tMode (the mode texts 30021 "读取数据" / 30022 "保存数据"); a ComponentFailure
// naming `who` for any other text.
SaveMode SavedInputMode(std::string_view tMode, std::string_view who);
// tDataSaveName trimmed, or the default name when it is absent or empty.
std::string SavedInputPath(const std::string* tDataSaveName, std::string_view default_name);

// A saved value back into its control: a Text as written, "True"/"False" as a Boolean, a number
// (a list index) as a whole number; an empty value leaves the control as it is.
void RestoreSavedValue(const HostRef& control, std::string_view prop, const std::string& v);

// Saves the controls of the newest version (the last one) under its header, atomically.
// Returns a persistence code; `error` says what went wrong.
int32_t SaveFormInputs(const HostRef& form, const std::string& path,
                       const std::vector<SavedFormVersion>& versions, std::string& error);
// Loads a file of any listed version into the controls of that version's list; controls that only
// later versions hold keep their values. A file whose header matches no version, or whose values
// do not fit its version's list (too few, too many, an option value that is no Boolean), loads
// nothing: every value is checked before any control changes. `version` receives the index of
// the file's version.
int32_t LoadFormInputs(const HostRef& form, const std::string& path,
                       const std::vector<SavedFormVersion>& versions, std::string& error,
                       size_t* version = nullptr);

namespace persistcode {
// The file's version is known but its values do not fit that version: nothing loaded.
constexpr int32_t kDamaged = 5;
}  // namespace persistcode

}  // namespace tk
