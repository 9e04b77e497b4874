#include "outcome.h"

#include <charconv>
#include <iostream>

#include "frame/docs.h"
#include "frame/registry.h"
#include "frame/text.h"
#include "materials/material.h"

namespace kalbex {

using tk::docs::Outcome;

const tk::Arg* ErrorArg(const tk::MethodInfo& m, const std::vector<tk::Arg>& args) {
  for (const auto& p : m.params) {
    if (!p.by_ref || p.type != "Long") continue;
    if (!tk::EqualsNoCase(p.name, "lErr") && !tk::EqualsNoCase(p.name, "lErrNumber")) continue;
    for (const auto& a : args)
      if (tk::EqualsNoCase(a.name, p.name) && a.value.IsNumber()) return &a;
  }
  return nullptr;
}

namespace {

// Messages for the steel grade texts of a call that give no strength (tFy, tFyv, and the text
// of dGanJinFy / dGanJinFy1): the calculators themselves only see fy = 0.
std::string SteelGradeProblems(const std::string& cls, const tk::MethodInfo& m,
                               const std::vector<tk::Arg>& args) {
  const bool grade_op =
      tk::EqualsNoCase(cls, "clsMaterial") &&
      (tk::EqualsNoCase(m.name, "dGanJinFy") || tk::EqualsNoCase(m.name, "dGanJinFy1"));
  std::string out;
  for (const auto& a : args) {
    if (a.value.type != tk::Variant::Type::String) continue;
    const bool steel = (a.name.size() >= 3 && tk::EqualsNoCase(a.name.substr(0, 3), "tFy")) ||
                       (grade_op && tk::EqualsNoCase(a.name, "tText"));
    if (!steel) continue;
    if (const std::string p = tk::SteelGradeProblem(a.value.s); !p.empty())
      out += (out.empty() ? "" : "; ") + a.name + ": " + p;
  }
  return out;
}

}  // namespace

std::string AddOutcome(json& out, const std::string& cls, const tk::MethodInfo& m,
                       const std::vector<tk::Arg>& args) {
  const std::string steel = SteelGradeProblems(cls, m, args);
  const tk::Arg* e = ErrorArg(m, args);
  if (!e) {
    if (steel.empty()) return {};
    out["error"] = {{"code", nullptr}, {"message", steel}, {"kind", "stop"}};
    return "stop: " + steel;
  }
  const auto code = static_cast<int32_t>(e->value.AsDouble());
  const Outcome o = tk::docs::Classify(cls, m.name, code);
  if (o == Outcome::Success) return {};
  std::string message = tk::docs::Message(cls, code);
  if (!steel.empty()) message += "; " + steel;
  json j = {{"code", code}, {"message", message}, {"kind", tk::docs::OutcomeName(o)}};
  if (o == Outcome::Note) {
    out["note"] = std::move(j);
    return {};
  }
  out["error"] = std::move(j);
  return std::string(tk::docs::OutcomeName(o)) + " " + std::to_string(code) + ": " + message;
}

int CmdExplain(const std::string& text, const std::string& cls) {
  int32_t code = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (ec != std::errc() || end != text.data() + text.size()) {
    std::cerr << "kalbex: explain takes a code number, not \"" << text << "\"\n";
    return 2;
  }
  if (!cls.empty() && !tk::Registry::Find(cls)) {
    std::cerr << "kalbex: unknown class " << cls << "\n";
    return 2;
  }
  if (code == 0) {
    std::cout << "0: success (every operation)\n";
    return 0;
  }
  int shown = 0;
  for (const auto& c : tk::docs::Codes()) {
    if (c.code != code) continue;
    if (!cls.empty() && !c.cls.empty() && !tk::EqualsNoCase(c.cls, tk::Registry::Find(cls)->name))
      continue;
    std::cout << code << "  " << (c.cls.empty() ? "input check (any class)" : c.cls) << "  "
              << tk::docs::OutcomeName(c.outcome);
    if (!c.operations.empty()) std::cout << " (" << c.operations << ")";
    std::cout << "\n  " << c.en << "\n";
    if (!c.zh.empty()) std::cout << "  " << c.zh << "\n";
    ++shown;
  }
  if (shown == 0) {
    std::cerr << "kalbex: code " << code << " is not in the library's code table\n";
    return 2;
  }
  return 0;
}

std::string PlatformLineEnds(std::string text) {
  // "\r\n" becomes "\n"; a text-mode stream writes the platform's own line end for it.
  std::string out;
  out.reserve(text.size());
  for (size_t k = 0; k < text.size(); ++k)
    if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) out += text[k];
  return out;
}

}  // namespace kalbex
