// Shared services component: report-text pieces (line ends, unit formats, numbered texts), key
// filters, enabling of host controls, expression and bar-text services. One object per thread is
// reached through modKalbex::Services(); a host may install its own implementation.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "frame/export.h"
#include "frame/host.h"

namespace tk {

class TK_API ISharedServices {
 public:
  virtual ~ISharedServices() = default;

  virtual void SetMainForm(const HostRef& form) = 0;
  virtual void SetIndexedValue(int32_t index, std::string_view text) = 0;
  virtual std::string GetIndexedValue(int32_t index, std::string_view text) = 0;
  virtual std::string_view tLineEnd() = 0;
  virtual std::string_view tTitleEnd() = 0;
  virtual std::string_view tSquareSign() = 0;
  virtual std::string_view tCubeSign() = 0;
  // Number-format pattern of a unit token ("mmd" -> 0.##" mm"). Unknown token: ComponentFailure.
  virtual std::string_view tUnitFormat(std::string_view token) = 0;
  // The value formatted with its unit. `unit` is a token or a plain unit text ("kN"); a switch of
  // -1 forces the unit to be shown even for a token without "d".
  virtual std::string tFormatValue(double value, std::string_view unit, int32_t show_unit) = 0;
  // Numbered text. Unknown number: ComponentFailure.
  virtual std::string_view tTextById(int32_t id) = 0;
  // Filters a typed key for an input class; returns the key to keep (0 = swallowed).
  virtual int16_t FilterKey(int16_t& key_ascii, int32_t input_class) = 0;
  virtual void SetFormMode(int32_t mode) = 0;
  virtual void EnableControl(const HostRef& control, bool enabled) = 0;
  virtual void EnableLabelAndCombo(const HostRef& label, const HostRef& combo, bool enabled) = 0;

  // Operations used by single calculators.
  // Number text placed before a report heading or sub-step (styles documented in services.cpp).
  virtual std::string tNumberText(int32_t number, int32_t style, int32_t reserved) = 0;
  // Value of an expression in As ("0.3As", "As/2", "200"); ComponentFailure when not an
  // expression of that form.
  virtual double dEvalAsText(std::string_view expression, double As) = 0;
  // Bar text "count symbol diameter" ("4φ20", "Φ16", "2-25"): 0 and the parts, or a failure code.
  virtual int32_t ParseBarText(std::string_view text, int32_t& count, float& diameter) = 0;
  virtual std::string_view tBarSymbol1() = 0;
  virtual std::string_view tBarSymbol2() = 0;
  virtual std::string_view tBarSymbol3() = 0;

  // Rows of a report table (the deflection-conversion report); each appends one row to `table`.
  // A heading row; a labelled value row; a formula row: the symbolic formula with the same
  // formula with its numbers beside it (or under it when the formula is long). `value` and
  // `values` arrive formatted.
  virtual void AddTableHeading(std::string& table, std::string_view heading) = 0;
  virtual void AddTableValueRow(std::string& table, std::string_view label,
                                std::string_view value) = 0;
  virtual void AddTableFormulaRow(std::string& table, std::string_view formula,
                                  std::string_view values) = 0;
};

// Codes of ParseBarText.
inline constexpr int32_t kBarTextOk = 0, kBarTextNoSymbol = 1, kBarTextBadCount = 2,
                         kBarTextBadDiameter = 3, kBarTextEmpty = 4;

// Texts behind the text numbers. Each subsystem adds the texts it uses when it registers.
void AddTexts(std::initializer_list<std::pair<int32_t, std::string_view>> texts);
bool HasText(int32_t id);

// Key filter input classes (what may be typed into a field of that class).
namespace keyclass {
constexpr int32_t kAny = 35000;             // no filter
constexpr int32_t kPositiveNumber = 35012;  // digits and one point
constexpr int32_t kInteger = 35025;         // digits only
constexpr int32_t kNumberList = 35031;    // digits, point, sign, ',' and '，' separators, and the
                                          // expressions in As of a compression-steel entry (0.3As)
constexpr int32_t kSignedNumber = 35032;  // digits, point, sign and exponent
constexpr int32_t kText = 35897;          // any text
}  // namespace keyclass

class TK_API DefaultServices : public ISharedServices {
 public:
  void SetMainForm(const HostRef& form) override { main_form_ = form; }
  void SetIndexedValue(int32_t index, std::string_view text) override;
  std::string GetIndexedValue(int32_t index, std::string_view text) override;
  std::string_view tLineEnd() override { return "\r\n"; }
  std::string_view tTitleEnd() override { return "\r\n"; }
  std::string_view tSquareSign() override { return "²"; }
  std::string_view tCubeSign() override { return "³"; }
  std::string_view tUnitFormat(std::string_view token) override;
  std::string tFormatValue(double value, std::string_view unit, int32_t show_unit) override;
  std::string_view tTextById(int32_t id) override;
  int16_t FilterKey(int16_t& key_ascii, int32_t input_class) override;
  void SetFormMode(int32_t mode) override { form_mode_ = mode; }
  void EnableControl(const HostRef& control, bool enabled) override;
  void EnableLabelAndCombo(const HostRef& label, const HostRef& combo, bool enabled) override;
  std::string tNumberText(int32_t number, int32_t style, int32_t reserved) override;
  double dEvalAsText(std::string_view expression, double As) override;
  int32_t ParseBarText(std::string_view text, int32_t& count, float& diameter) override;
  std::string_view tBarSymbol1() override { return "Ф"; }  // U+0424
  std::string_view tBarSymbol2() override { return "ф"; }  // U+0444
  std::string_view tBarSymbol3() override { return "Ø"; }  // U+00D8
  void AddTableHeading(std::string& table, std::string_view heading) override;
  void AddTableValueRow(std::string& table, std::string_view label,
                        std::string_view value) override;
  void AddTableFormulaRow(std::string& table, std::string_view formula,
                          std::string_view values) override;

  int32_t form_mode() const { return form_mode_; }
  const HostRef& main_form() const { return main_form_; }

 private:
  HostRef main_form_;
  int32_t form_mode_ = 0;
  std::vector<std::pair<int32_t, std::string>> indexed_;
};

}  // namespace tk
