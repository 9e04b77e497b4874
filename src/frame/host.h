// The host's forms and controls, reached late-bound, and the host's message boxes and progress.
// The library never owns a window: a host hands in objects implementing these interfaces. The
// in-memory implementations serve the tests, the kalbex host and any host without real windows.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/export.h"
#include "frame/variant.h"

namespace tk {

// A control, a control array or a form. Properties used by the calculators: "Caption", "Text",
// "Enabled", "Value", "ListIndex", "ToolTipText"; methods "AddItem" and "Clear".
class TK_API HostObject {
 public:
  virtual ~HostObject() = default;
  virtual Variant Get(std::string_view property) = 0;
  virtual void Set(std::string_view property, const Variant& value) = 0;
  virtual Variant Call(std::string_view method, const std::vector<Variant>& args) = 0;
  // A form's control by name; `index` >= 0 picks an element of a control array (CboB(3)).
  virtual HostRef Control(std::string_view name, int index = -1) { return nullptr; }
  // A control array's element.
  virtual HostRef Item(int index) { return nullptr; }
  virtual int Count() { return 0; }
};

// Convenience accessors that tolerate an absent object (nothing happens, empty values read).
TK_API std::string GetText(const HostRef& c, std::string_view property = "Text");
TK_API void SetProp(const HostRef& c, std::string_view property, const Variant& v);
TK_API void SetText(const HostRef& c, std::string_view property, std::string_view text);
TK_API HostRef ControlOf(const HostRef& form, std::string_view name, int index = -1);
TK_API HostRef ItemOf(const HostRef& array, int index);
// A whole-number property (ListIndex, ListCount, Value) as a 32-bit integer; `fallback` when the
// object is absent or the value is not a whole number within [lo, hi].
TK_API int32_t GetWhole(const HostRef& c, std::string_view property, int32_t lo, int32_t hi,
                        int32_t fallback);

// A control held in memory: any property can be set and read back; "List" holds the items that
// "AddItem" appends, "Clear" empties it and resets "ListIndex" to -1.
class TK_API MemoryControl : public HostObject {
 public:
  MemoryControl();
  Variant Get(std::string_view property) override;
  void Set(std::string_view property, const Variant& value) override;
  Variant Call(std::string_view method, const std::vector<Variant>& args) override;
  // Properties in insertion order (for printing the control back to a host).
  std::vector<std::pair<std::string, Variant>> properties;
  std::vector<std::string> list;
};

class TK_API MemoryControlArray : public HostObject {
 public:
  Variant Get(std::string_view property) override;
  void Set(std::string_view property, const Variant& value) override {}
  Variant Call(std::string_view method, const std::vector<Variant>& args) override;
  HostRef Item(int index) override;
  int Count() override { return static_cast<int>(items.size()); }
  std::vector<HostRef> items;
};

class TK_API MemoryForm : public HostObject {
 public:
  Variant Get(std::string_view property) override;
  void Set(std::string_view property, const Variant& value) override;
  Variant Call(std::string_view method, const std::vector<Variant>& args) override;
  HostRef Control(std::string_view name, int index = -1) override;
  // Named controls: a MemoryControl or a MemoryControlArray, in insertion order.
  std::vector<std::pair<std::string, HostRef>> controls;
  std::vector<std::pair<std::string, Variant>> properties;
};

// Message-box buttons, icons and answers with the values hosts know them by.
namespace mb {
constexpr int kOkOnly = 0, kOkCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3, kYesNo = 4,
              kRetryCancel = 5;
constexpr int kCritical = 16, kQuestion = 32, kExclamation = 48, kInformation = 64;
constexpr int kDefaultButton2 = 256, kDefaultButton3 = 512;
constexpr int kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7;
// The answer a box gives when the user just presses Enter.
TK_API int DefaultAnswer(int buttons);
}  // namespace mb

// Host callbacks for what the library shows: message boxes and the progress of long searches.
class TK_API HostUi {
 public:
  virtual ~HostUi() = default;
  // Returns the answer (mb::kOk, mb::kCancel, ...).
  virtual int MsgBox(std::string_view prompt, int buttons, std::string_view title) = 0;
};

// Answers every box with its default button and records what was shown.
class TK_API SilentHostUi : public HostUi {
 public:
  int MsgBox(std::string_view prompt, int buttons, std::string_view title) override;
  struct Box {
    std::string prompt, title;
    int buttons;
  };
  std::vector<Box> shown;
  int forced_answer = 0;  // non-zero: answer every box with this
};

}  // namespace tk
