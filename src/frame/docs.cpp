#include "frame/docs.h"

#include <algorithm>

#include "frame/registry.h"
#include "frame/text.h"

namespace tk::docs {

namespace {

// Codes of the input-check component (checks of the host's field texts); the bending-shear-
// torsion, pile, wind and beam-bar input checks pass them on unchanged.
const std::vector<Code>& SharedCodes() {
  static const std::vector<Code> codes = {
      {1001, "", Outcome::Stop, "未输入数值。", "nothing entered in the field"},
      {1002, "", Outcome::Stop, "应输入数值。", "the field is not a number"},
      {1003, "", Outcome::Stop, "应＞0。", "the field must be greater than 0 (check kind S>0)"},
      {1004, "", Outcome::Stop, "应≥0。", "the field must not be negative (check kind S>=0)"},
      {1005, "", Outcome::Stop, "应为正整数。",
       "the field must be a whole number greater than 0 (check kind I>0)"},
      {1006, "", Outcome::Stop, "不应为0。", "the field must not be 0 (check kind S<>0)"},
      {1007, "", Outcome::Stop, "超出允许范围。",
       "the field is outside its allowed range (check kind a~b)"},
      {1008, "", Outcome::Stop, "混凝土强度等级不在规范表中。",
       "the concrete grade is not a grade of the code's table (C7.5 to C60)"},
      {1009, "", Outcome::Stop, "数值过大，超出单精度数的范围。",
       "the number is beyond the 32-bit float range (e.g. 1e39), which the calculation keeps"},
      {1101, "", Outcome::Stop, "两项输入的关系不满足要求。",
       "two fields do not satisfy their required relation"},
      {1199, "", Outcome::Stop, "未知的检查类型。",
       "internal: a check kind the input-check component does not know"},
  };
  return codes;
}

std::vector<ClassDoc>& ClassTable() {
  static std::vector<ClassDoc> t;
  return t;
}
std::vector<Code>& CodeTable() {
  static std::vector<Code> t = SharedCodes();
  return t;
}

bool ListNames(std::string_view list, std::string_view name) {
  while (!list.empty()) {
    const size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    if (EqualsNoCase(item, name)) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

Param ErrorCode(std::string_view name) {
  return {name,
          "out",
          "",
          "错误代码",
          "error code (kalbex explain CODE)",
          "0 = success; see the class's codes"};
}
Param ReportOut(std::string_view en) {
  return {"tText", "out", "", "计算书", en, ""};
}
Param SectionWidth(std::string_view name) {
  return {name, "in", "mm", "截面宽度b", "section width b", ""};
}
Param SectionHeight(std::string_view name) {
  return {name, "in", "mm", "截面高度h", "section height h", ""};
}
Param ConcreteGradeC(std::string_view name) {
  return {name, "in", "", "混凝土强度等级C", "concrete grade number C", "7.5 to 60"};
}

std::vector<Param> FlangeParams(std::string_view dir) {
  return {
      {"Bf", dir, "mm", "受拉翼缘宽度bf", "tension-side flange width bf", ""},
      {"Hf", dir, "mm", "受拉翼缘高度hf", "tension-side flange thickness hf", ""},
      {"Bf1", dir, "mm", "受压翼缘宽度bf'", "compression-side flange width b'f", ""},
      {"Hf1", dir, "mm", "受压翼缘高度hf'", "compression-side flange thickness h'f", ""},
  };
}
std::vector<Param> Join(std::initializer_list<std::vector<Param>> parts) {
  std::vector<Param> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Operation IndexedTextOp() {
  return {
      "tValue",
      "设置序号文本",
      "hand an indexed text to the shared services",
      {
          {"Index", "in", "", "控件或输入项序号", "index of the host control or input field", ""},
          {"text", "in", "", "文本", "text for that index", ""},
      }};
}
Operation LetControlsOp() {
  return {"Let_Controls",
          "绑定宿主窗体",
          "bind the host forms",
          {
              {"frmM", "in", "", "宿主主窗体", "host main form", "{\"$form\": ...}"},
              {"frmX", "in", "", "宿主工作窗体",
               "host working form (its controls are looked up by name)", "{\"$form\": ...}"},
          }};
}
Operation SubFormOp(std::string_view en) {
  return {"SubForm", "设置子窗体", en, {kHostForm}};
}
Operation PicFormOp() {
  return {"PicForm", "设置图形窗体", "bind the host picture form", {kHostForm}};
}
Operation KeyPressOp(std::string_view en, bool box_only) {
  const Param index =
      box_only
          ? Param{"Index", "in", "", "输入框序号", "index of the input box", ""}
          : Param{"Index", "in", "", "控件或输入项序号", "index of the host control or input field",
                  ""};
  return {"CboB_KeyPress",
          "输入框按键",
          en,
          {index,
           {"KeyAscii", "in/out", "", "按键代码",
            "key code typed; set to 0 when the key is refused", ""}}};
}
Operation CheckBoxOp(std::string_view en, std::string_view values) {
  return {"ChkOpt_Click",
          "选项复选框",
          en,
          {{"Index", "in", "", "复选框序号", "check-box index", values}}};
}
Operation OptionButtonOp(std::string_view en) {
  return {"OptSet_Click",
          "选项按钮",
          en,
          {{"Index", "in", "", "选项按钮序号", "option-button index", ""}}};
}
Operation ComboChoiceOp(std::string_view name, std::string_view en) {
  return {name, "组合框选择", en, {kComboIndex}};
}
Operation LoadOrSaveOp(std::string_view en, std::string_view file, bool main_form,
                       std::string_view modes) {
  Operation op{
      "LoadOrSaveData",
      "读取或保存数据",
      en,
      {{"tMode", "in", "", "读/存", "load or save (mode texts of the shared services)", modes},
       {"tDataSaveName", "in", "", "数据文件名", file, ""}}};
  if (main_form) op.params.push_back(kHostMainForm);
  return op;
}

std::string_view OutcomeName(Outcome o) {
  switch (o) {
    case Outcome::Success:
      return "success";
    case Outcome::Note:
      return "note";
    case Outcome::Warning:
      return "warning";
    case Outcome::Stop:
      return "stop";
    case Outcome::Fault:
      return "fault";
    case Outcome::Cancelled:
      return "cancelled";
  }
  return "stop";
}

void AddClass(ClassDoc doc) {
  auto& t = ClassTable();
  for (auto& c : t)
    if (c.name == doc.name) {
      c = std::move(doc);
      return;
    }
  t.push_back(std::move(doc));
}

void AddCodes(const std::vector<Code>& codes) {
  auto& t = CodeTable();
  for (const auto& c : codes) {
    auto same = std::find_if(t.begin(), t.end(),
                             [&](const Code& x) { return x.code == c.code && x.cls == c.cls; });
    if (same != t.end())
      *same = c;
    else
      t.push_back(c);
  }
}

const std::vector<ClassDoc>& Classes() {
  EnsureRegistered();
  return ClassTable();
}

const ClassDoc* FindClass(std::string_view cls) {
  const ClassEntry* e = Registry::Find(cls);  // accepts the ProgID too
  const std::string_view name = e ? std::string_view(e->name) : cls;
  for (const auto& c : Classes())
    if (EqualsNoCase(c.name, name)) return &c;
  return nullptr;
}

const Operation* FindOperation(std::string_view cls, std::string_view op) {
  const ClassDoc* c = FindClass(cls);
  if (!c) return nullptr;
  for (const auto& o : c->operations)
    if (EqualsNoCase(o.name, op)) return &o;
  return nullptr;
}

const std::vector<Code>& Codes() {
  EnsureRegistered();
  return CodeTable();
}

const Code* FindCode(std::string_view cls, int32_t code) {
  const ClassEntry* e = cls.empty() ? nullptr : Registry::Find(cls);
  const std::string_view name = e ? std::string_view(e->name) : cls;
  const Code *shared = nullptr, *any = nullptr;
  for (const auto& c : Codes()) {
    if (c.code != code) continue;
    if (!name.empty() && EqualsNoCase(c.cls, name)) return &c;
    if (c.cls.empty() && !shared) shared = &c;
    if (!any) any = &c;
  }
  // A code passed on from a calculator called inside (a result-file code from the deflection
  // form) is explained by that calculator's entry.
  return shared ? shared : any;
}

Outcome Classify(std::string_view cls, std::string_view op, int32_t code) {
  if (code == 0) return Outcome::Success;
  const Code* c = FindCode(cls, code);
  if (!c) return Outcome::Stop;
  if ((c->outcome == Outcome::Success || c->outcome == Outcome::Note) && !c->operations.empty() &&
      !ListNames(c->operations, op))
    return Outcome::Stop;
  return c->outcome;
}

std::string Message(std::string_view cls, int32_t code) {
  if (code == 0) return "success";
  const Code* c = FindCode(cls, code);
  if (!c) return "unknown code " + std::to_string(code) + " (not in the library's code table)";
  std::string s(c->en);
  if (!c->zh.empty()) s += " (" + std::string(c->zh) + ")";
  return s;
}

namespace {

// Parameters of the method missing from its entry, and the return value.
void UndocumentedParams(const std::string& where, const MethodInfo& m, const Operation& o,
                        std::vector<std::string>& gaps) {
  for (const auto& p : m.params) {
    const bool found = std::any_of(o.params.begin(), o.params.end(),
                                   [&](const Param& d) { return d.name == p.name; });
    if (!found) gaps.push_back(where + ": parameter " + p.name + " undocumented");
  }
  if (!m.return_type.empty() && std::none_of(o.params.begin(), o.params.end(),
                                             [](const Param& d) { return d.name == "return"; }))
    gaps.push_back(where + ": return value undocumented");
}

// Parameters and field lists of the entry the method does not have, and bad directions.
void StaleParams(const std::string& where, const MethodInfo& m, const Operation& o,
                 std::vector<std::string>& gaps) {
  auto exists = [&](std::string_view name) {
    return std::any_of(m.params.begin(), m.params.end(),
                       [&](const ParamInfo& p) { return p.name == name; });
  };
  for (const auto& d : o.params) {
    if (d.name == "return") continue;
    if (!exists(d.name))
      gaps.push_back(where + ": documented parameter " + std::string(d.name) + " does not exist");
    if (d.dir != "in" && d.dir != "out" && d.dir != "in/out")
      gaps.push_back(where + ": parameter " + std::string(d.name) + " has direction \"" +
                     std::string(d.dir) + "\"");
  }
  for (const auto& a : o.arrays)
    if (!exists(a.param))
      gaps.push_back(where + ": field list of " + std::string(a.param) + ", which does not exist");
}

void ClassGaps(const ClassEntry& e, const ClassDoc& c, std::vector<std::string>& gaps) {
  for (const auto& m : e.info().methods) {
    const std::string where = e.name + "." + m.name;
    const Operation* o = FindOperation(e.name, m.name);
    if (!o) {
      gaps.push_back(where + ": operation has no documentation entry");
      continue;
    }
    UndocumentedParams(where, m, *o, gaps);
    StaleParams(where, m, *o, gaps);
  }
  for (const auto& o : c.operations)
    if (!e.info().Find(o.name))
      gaps.push_back(e.name + ": documented operation " + std::string(o.name) + " does not exist");
}

}  // namespace

std::vector<std::string> Gaps() {
  std::vector<std::string> gaps;
  for (const auto& e : Registry::Classes()) {
    if (const ClassDoc* c = FindClass(e.name))
      ClassGaps(e, *c, gaps);
    else
      gaps.push_back(e.name + ": class has no documentation entry");
  }
  return gaps;
}

}  // namespace tk::docs
