// The calculation book: one self-contained HTML file (inline CSS and SVG, nothing fetched) with a
// cover, then per call the member, its inputs with names and units from the parameter table, the
// report as the calculator wrote it, a sketch and a summary box with the results and a verdict.
#pragma once

#include <string>
#include <vector>

#include "json_bridge.h"

namespace kalbex::book {

// One call file: its JSON text, the name shown when a call has no label, and the folder its
// relative file paths are taken from.
struct Input {
  std::string text;
  std::string name;
  std::string base;
};

struct Options {
  std::string project;  // cover title; empty: the calls' own tEng
  std::string date;     // empty: today (UTC)
};

// What the calculator decided, read from its code and from its report's own check lines.
enum class VerdictKind { Pass, Warning, Fail, Stopped };
struct Verdict {
  VerdictKind kind = VerdictKind::Pass;
  std::vector<std::string> lines;  // the code line and the report lines that say so
};
const char* VerdictName(VerdictKind k);

// `call` is the output object of a call ("error" / "note" as kalbex run writes them).
Verdict ReadVerdict(const json& call, const std::string& report);

// The summary box of one call: outputs with their units and the verdict.
std::string SummaryHtml(const json& call, const Verdict& v);

// Runs every call of `inputs` and lays out the book. Throws tk::ContractError for a file that is
// not a call of the contract (nothing is written then).
std::string Book(const std::vector<Input>& inputs, const Options& opt = {});

}  // namespace kalbex::book
