#include "outcome.h"

#include <charconv>
#include <iostream>

#include "frame/docs.h"
#include "frame/registry.h"
#include "frame/text.h"

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

std::string AddOutcome(json& out, const std::string& cls, const tk::MethodInfo& m,
                       const std::vector<tk::Arg>& args) {
  const tk::Arg* e = ErrorArg(m, args);
  if (!e) return {};
  const auto code = static_cast<int32_t>(e->value.AsDouble());
  const Outcome o = tk::docs::Classify(cls, m.name, code);
  if (o == Outcome::Success) return {};
  const std::string message = tk::docs::Message(cls, code);
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
#ifndef _WIN32
  std::string out;
  out.reserve(text.size());
  for (size_t k = 0; k < text.size(); ++k)
    if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) out += text[k];
  return out;
#else
  return text;
#endif
}

}  // namespace kalbex
