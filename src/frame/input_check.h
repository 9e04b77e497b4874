// Input-check component: checks a field text against its check kind, builds the message of an
// error code, compares two inputs, and keeps the error-condition list of a calculation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/export.h"
#include "frame/records.h"

namespace tk {

// Codes of the input-check component.
namespace checkcode {
constexpr int32_t kOk = 0;
constexpr int32_t kEmpty = 1001;             // nothing entered
constexpr int32_t kNotNumber = 1002;         // not a number
constexpr int32_t kNotPositive = 1003;       // "S>0"
constexpr int32_t kNegative = 1004;          // "S>=0"
constexpr int32_t kNotWholePositive = 1005;  // "I>0"
constexpr int32_t kZero = 1006;              // "S<>0"
constexpr int32_t kOutOfRange = 1007;        // "a~b"
constexpr int32_t kTooLarge = 1009;          // a number beyond the 32-bit float range ("1e39")
constexpr int32_t kNotGrade = 1008;     // concrete-grade field (flag -1) not a grade of the table
constexpr int32_t kRelation = 1101;     // CheckRelation failed
constexpr int32_t kUnknownKind = 1199;  // a check kind this component does not know
}  // namespace checkcode

class TK_API IInputCheck {
 public:
  virtual ~IInputCheck() = default;
  // Kinds "S>0", "S>=0", "I>0", "S<>0", "UnCheckNum", and also "S" (any number) and "a~b" (a
  // number from a to b). `flag` -1 marks the concrete-grade field (must be a grade of the table).
  // Returns the code and writes it to `code`.
  virtual int32_t CheckFieldText(std::string_view kind, std::string_view name,
                                 std::string_view text, int32_t flag, int32_t& code) = 0;
  // Message for a code: t1 is the field name, t2 the field text (relations: t1 name, t2 the
  // comparison, t3 the other name, t4 the texts compared).
  virtual std::string tCodeMessage(int32_t code, std::string_view t1 = {}, std::string_view t2 = {},
                                   std::string_view t3 = {}, std::string_view t4 = {}) = 0;
  // "name1 op name2" with op ">", "<", ">=", "<=", "=", "<>" on the numbers of the texts.
  virtual int32_t CheckRelation(std::string_view name1, std::string_view name2, std::string_view op,
                                std::string_view text1, std::string_view text2) = 0;
  // Records one entry of the error-condition list: the code in lErrCon and, in tErrCon, the
  // condition text (or, when that is empty, the last line of the report).
  virtual void AddErrCon(VBArray<int32_t>& lErrCon, VBArray<std::string>& tErrCon, int32_t code,
                         std::string_view condition, std::string_view report) = 0;
};

class TK_API DefaultInputCheck : public IInputCheck {
 public:
  int32_t CheckFieldText(std::string_view kind, std::string_view name, std::string_view text,
                         int32_t flag, int32_t& code) override;
  std::string tCodeMessage(int32_t code, std::string_view t1 = {}, std::string_view t2 = {},
                           std::string_view t3 = {}, std::string_view t4 = {}) override;
  int32_t CheckRelation(std::string_view name1, std::string_view name2, std::string_view op,
                        std::string_view text1, std::string_view text2) override;
  void AddErrCon(VBArray<int32_t>& lErrCon, VBArray<std::string>& tErrCon, int32_t code,
                 std::string_view condition, std::string_view report) override;
};

}  // namespace tk
