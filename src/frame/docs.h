// Self-description of the library for the people who call it: every public operation's
// parameters (meaning in Chinese and English, unit, direction, allowed values), the fields of the
// positional text arrays, and every error code the calculators return with its message.
//
// Each calculator keeps its own entries next to its source (<calculator>_docs.cpp) and adds them
// from its subsystem's registration, so the tables grow with the operations they describe.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "frame/export.h"

namespace tk::docs {

// One parameter: direction is "in", "out" or "in/out" (read in one mode, written in another).
// `values` lists the allowed values or codes ("1: As from Mu; 2: Mu from As"), or is empty.
struct Param {
  std::string_view name, dir, unit, zh, en, values = {};
};

// One position of a positional array argument (Text(), bText(), sH() ...).
struct Field {
  int index;
  std::string_view unit, zh, en;
};
struct ArrayFields {
  std::string_view param;
  std::vector<Field> fields;
};

// `params` in interface order; an entry named "return" documents a function's value.
struct Operation {
  std::string_view name, zh, en;
  std::vector<Param> params;
  std::vector<ArrayFields> arrays = {};
};

struct ClassDoc {
  std::string_view name, zh, en;
  std::vector<Operation> operations;
};

// How a caller should take a returned code.
enum class Outcome {
  Success,    // every output written, nothing to report
  Note,       // every output written; the code says which rule applied (e.g. detailing stirrups)
  Warning,    // every output written, but a code limit is exceeded: the design needs attention
  Stop,       // the calculation stopped at an input or design check; outputs incomplete
  Fault,      // arithmetic fault trapped inside the calculation; outputs as far as written
  Cancelled,  // the user answered a message box with Cancel
};
TK_API std::string_view OutcomeName(Outcome o);

// One code. `cls` empty: a code of the shared input-check component, returned by several
// classes. `operations` (comma-separated) limits a Success/Note entry to those operations.
struct Code {
  int32_t code;
  std::string_view cls;
  Outcome outcome;
  std::string_view zh, en;
  std::string_view operations = {};
};

// Entries that the tables of several classes share word for word, written once here. The texts
// are literals, so the views the entries hold stay valid.
inline constexpr Param kHostForm{
    "frm", "in", "", "宿主窗体", "host form object", "{\"$form\": ...}"};
inline constexpr Param kHostMainForm{"frmMain",         "in", "", "宿主主窗体", "host main form",
                                     "{\"$form\": ...}"};
inline constexpr Param kErrorMessage{"tErr", "out", "", "错误信息",
                                     "message of the error or warning"};
// tText: the member label in, the report out.
inline constexpr Param kReportWithLabel{
    "tText", "in/out", "", "计算书（入口为构件编号）",
    "report text; on entry the member label for the title, replaced by the report"};
inline constexpr Param kDataChecked{"bDataCheck", "out", "", "输入正确",
                                    "False when an input was rejected"};
inline constexpr Param kComboIndex{"Index", "in", "", "组合框序号", "combo-box index"};
inline constexpr Param kSteelModulus{"Es", "in", "N/mm²", "钢筋弹性模量Es", "steel modulus Es"};
inline constexpr Param kConcreteFtk{"Ftk", "in", "N/mm²", "混凝土抗拉强度标准值ftk",
                                    "ftk of the concrete"};
Param ErrorCode(std::string_view name);           // lErr / lErrNumber: 0 or a code of the class
Param ReportOut(std::string_view en = "report");  // tText written by the operation
Param SectionWidth(std::string_view name);        // b of a rectangular section
Param SectionHeight(std::string_view name);
Param ConcreteGradeC(std::string_view name);  // a grade number C of the concrete table
// The flange sizes of T, I and L sections (Bf, Hf tension side; Bf1, Hf1 compression side).
std::vector<Param> FlangeParams(std::string_view dir);
// The parameter groups one after the other, in interface order.
std::vector<Param> Join(std::initializer_list<std::vector<Param>> parts);

// Host-form operations: binding the forms, key filters, control handlers, saved inputs.
// tValue: an indexed text handed to the shared services.
Operation IndexedTextOp();
// Let_Controls: the host main form and the working form whose controls are looked up by name.
Operation LetControlsOp();
Operation SubFormOp(std::string_view en = "bind the host sub-form");
Operation PicFormOp();
// `box_only`: Index counts the input boxes only (not every control of the form).
Operation KeyPressOp(std::string_view en = "filter a key typed into input box Index",
                     bool box_only = false);
Operation CheckBoxOp(std::string_view en, std::string_view values = {});  // ChkOpt_Click
Operation OptionButtonOp(std::string_view en);                            // OptSet_Click
Operation ComboChoiceOp(std::string_view name, std::string_view en);      // a choice in CboB
// LoadOrSaveData: `file` is the whole data-file text ("data file (default Qvfd….tav)").
Operation LoadOrSaveOp(std::string_view en, std::string_view file, bool main_form,
                       std::string_view modes = {});

void AddClass(ClassDoc doc);
void AddCodes(const std::vector<Code>& codes);

TK_API const std::vector<ClassDoc>& Classes();
TK_API const ClassDoc* FindClass(std::string_view cls);
TK_API const Operation* FindOperation(std::string_view cls, std::string_view op);
TK_API const std::vector<Code>& Codes();

// The entry of `code` as `cls` returns it: the class's own entry first, then a shared one, then
// another class's (a code passed on from a calculator called inside). nullptr when the table does
// not know the code (a defect the tests look for).
TK_API const Code* FindCode(std::string_view cls, int32_t code);

// Outcome of `code` returned by `cls`.`op`: 0 is success for every operation; an entry whose
// `operations` does not name `op` counts as a stop there. An unknown code is a Stop.
TK_API Outcome Classify(std::string_view cls, std::string_view op, int32_t code);

// The English and Chinese message of a code as one line ("unknown code" when not in the table).
TK_API std::string Message(std::string_view cls, int32_t code);

// Every gap between the registered classes' method tables and the documentation: one line per
// missing or stale entry, naming the class, operation and parameter (empty when complete).
TK_API std::vector<std::string> Gaps();

}  // namespace tk::docs
