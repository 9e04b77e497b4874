// kalbex: command-line host of the TavrineKalbex calculators.
//   kalbex list [CLASS]           classes, or the operations of one class
//   kalbex run FILE|- [--report] [--answer ok|cancel|yes|no]
//   kalbex demo [--examples DIR]  runs every call file of the examples folder
//   kalbex register | unregister  writes or removes the registration manifest
//   kalbex coefficients --edges LBRT --lx LX --ly LY [--nu NU] [--table]
//                                 slab-panel coefficients from the thin-plate solver
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "coefficients.h"
#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/registry.h"
#include "json_bridge.h"

namespace kalbex {

namespace {

using tk::ContractError;

// Message boxes go to stderr and are answered with the default button or the --answer given.
class CliUi : public tk::HostUi {
 public:
  explicit CliUi(std::string answer) : answer_(std::move(answer)) {}
  int MsgBox(std::string_view prompt, int buttons, std::string_view title) override {
    std::cerr << "[" << title << "] " << prompt << "\n";
    const int set = buttons & 7;
    int a = tk::mb::DefaultAnswer(buttons);
    if (answer_ == "ok" || answer_ == "yes") {
      a = (set == tk::mb::kYesNo || set == tk::mb::kYesNoCancel) ? tk::mb::kYes
          : set == tk::mb::kRetryCancel                          ? tk::mb::kRetry
                                                                 : tk::mb::kOk;
    } else if (answer_ == "cancel" || answer_ == "no") {
      if (set == tk::mb::kYesNo)
        a = tk::mb::kNo;
      else if (set == tk::mb::kOkOnly)
        a = tk::mb::kOk;
      else if (answer_ == "no" && set == tk::mb::kYesNoCancel)
        a = tk::mb::kNo;
      else
        a = tk::mb::kCancel;
    }
    std::cerr << "  -> " << AnswerName(a) << "\n";
    return a;
  }

 private:
  static const char* AnswerName(int a) {
    switch (a) {
      case tk::mb::kOk:
        return "OK";
      case tk::mb::kCancel:
        return "Cancel";
      case tk::mb::kAbort:
        return "Abort";
      case tk::mb::kRetry:
        return "Retry";
      case tk::mb::kIgnore:
        return "Ignore";
      case tk::mb::kYes:
        return "Yes";
      case tk::mb::kNo:
        return "No";
    }
    return "?";
  }
  std::string answer_;
};

struct Call {
  const tk::ClassEntry* cls = nullptr;
  const tk::MethodInfo* method = nullptr;
  const json* args = nullptr;
  std::string object;
};

std::string Describe(const tk::ParamInfo& p) {
  std::string s;
  if (p.optional) s += "Optional ";
  s += p.by_ref ? "ByRef " : "ByVal ";
  s += p.name;
  if (p.type.size() > 2 && p.type.compare(p.type.size() - 2, 2, "()") == 0) {
    s.insert(s.size(), "()");
    s += " As " + p.type.substr(0, p.type.size() - 2);
    if (p.lbound != 0) s += " (from " + std::to_string(p.lbound) + ")";
  } else {
    s += " As " + p.type;
  }
  return s;
}

Call Resolve(const json& j, size_t index) {
  const std::string where = "call " + std::to_string(index + 1);
  if (!j.is_object()) throw ContractError(where + ": a call must be a JSON object");
  Call c;
  auto cls = j.find("class");
  if (cls == j.end() || !cls->is_string())
    throw ContractError(where + ": \"class\" (a text) is required");
  c.cls = tk::Registry::Find(cls->get<std::string>());
  if (!c.cls) throw ContractError(where + ": unknown class " + cls->get<std::string>());
  auto op = j.find("operation");
  if (op == j.end() || !op->is_string())
    throw ContractError(where + ": \"operation\" (a text) is required");
  c.method = c.cls->info().Find(op->get<std::string>());
  if (!c.method)
    throw ContractError(where + ": class " + c.cls->name + " has no operation " +
                        op->get<std::string>());
  if (auto a = j.find("args"); a != j.end() && !a->is_null()) {
    if (!a->is_object() && !a->is_array())
      throw ContractError(where + ": \"args\" must be an object or an array");
    if (a->is_array() && a->size() > c.method->params.size())
      throw ContractError(where + ": " + c.cls->name + "." + c.method->name + " takes " +
                          std::to_string(c.method->params.size()) + " arguments, " +
                          std::to_string(a->size()) + " given");
    if (a->is_object())
      for (auto it = a->begin(); it != a->end(); ++it) {
        bool known = false;
        for (const auto& p : c.method->params) known |= tk::EqualsNoCase(p.name, it.key());
        if (!known)
          throw ContractError(where + ": " + c.cls->name + "." + c.method->name +
                              " has no parameter " + it.key());
      }
    c.args = &*a;
  }
  if (auto o = j.find("object"); o != j.end()) {
    if (!o->is_string()) throw ContractError(where + ": \"object\" must be a text");
    c.object = o->get<std::string>();
  }
  return c;
}

struct RunResult {
  json output;
  std::string reports;
  bool all_reports = true;
};

// Runs one input (a call object or an array of them). Throws ContractError / ComponentFailure.
RunResult RunJson(const std::string& text) {
  CheckNesting(text);
  json in;
  try {
    in = json::parse(text);
  } catch (const json::exception& e) {
    throw ContractError(std::string("bad JSON: ") + e.what());
  }
  const bool many = in.is_array();
  std::vector<const json*> items;
  if (many)
    for (const auto& x : in) items.push_back(&x);
  else
    items.push_back(&in);
  std::vector<Call> calls;
  for (size_t k = 0; k < items.size(); ++k) calls.push_back(Resolve(*items[k], k));

  // Every argument of every call is converted and checked before the first call runs: a value of
  // the wrong kind stops the run with nothing done.
  HostObjects objects;
  std::vector<std::vector<tk::Arg>> all_args(calls.size());
  for (size_t k = 0; k < calls.size(); ++k) {
    const Call& c = calls[k];
    const std::string where = "call " + std::to_string(k + 1);
    std::vector<tk::Arg>& args = all_args[k];
    if (c.args && c.args->is_array()) {
      for (size_t i = 0; i < c.args->size(); ++i)
        args.push_back(
            {"", ToVariant((*c.args)[i], objects, where + "." + c.method->params[i].name)});
    } else if (c.args) {
      for (auto it = c.args->begin(); it != c.args->end(); ++it)
        args.push_back({it.key(), ToVariant(it.value(), objects, where + "." + it.key())});
    }
    try {
      tk::CheckArgs(c.cls->info(), c.method->name, args);
    } catch (const ContractError& e) {
      throw ContractError(where + " (" + c.cls->name + "." + c.method->name + "): " + e.what());
    }
  }

  std::map<std::pair<std::string, std::string>, std::unique_ptr<tk::Component>> named;
  RunResult r;
  r.output = json::array();
  for (size_t k = 0; k < calls.size(); ++k) {
    const Call& c = calls[k];
    const std::string where = "call " + std::to_string(k + 1);
    std::vector<tk::Arg>& args = all_args[k];
    std::unique_ptr<tk::Component> own;
    tk::Component* obj;
    if (!c.object.empty()) {
      auto& slot = named[{c.object, c.cls->name}];
      if (!slot) slot = c.cls->create();
      obj = slot.get();
    } else {
      own = c.cls->create();
      obj = own.get();
    }
    tk::Variant ret;
    try {
      ret = tk::Invoke(*obj, c.method->name, args);
    } catch (const ContractError& e) {
      throw ContractError(where + " (" + c.cls->name + "." + c.method->name + "): " + e.what());
    }
    json out = json::object();
    out["class"] = c.cls->ProgId();
    out["operation"] = c.method->name;
    json a = json::object();
    bool has_text = false;
    for (const auto& x : args) {
      if (x.value.IsMissing()) continue;
      a[x.name] = ToJson(x.value);
      if (x.name == "tText" && x.value.type == tk::Variant::Type::String) {
        r.reports += x.value.s;
        has_text = true;
      }
    }
    if (!has_text) r.all_reports = false;
    out["args"] = std::move(a);
    out["return"] = ToJson(ret);
    r.output.push_back(std::move(out));
  }
  if (!many) r.output = r.output.at(0);
  return r;
}

constexpr size_t kMaxInputBytes = size_t{16} << 20;

std::string Dump(const json& j) {
  return j.dump(2, ' ', false, json::error_handler_t::replace);
}

int CmdList(const std::string& cls) {
  if (cls.empty()) {
    for (const auto& e : tk::Registry::Classes()) std::cout << e.ProgId() << "\n";
    return 0;
  }
  const tk::ClassEntry* e = tk::Registry::Find(cls);
  if (!e) {
    std::cerr << "kalbex: unknown class " << cls << "\n";
    return 2;
  }
  std::cout << e->ProgId() << " (interface " << e->InterfaceName() << ")\n";
  for (const auto& m : e->info().methods) {
    std::cout << "  " << m.name << "(";
    for (size_t k = 0; k < m.params.size(); ++k)
      std::cout << (k ? ", " : "") << Describe(m.params[k]);
    std::cout << ")";
    if (!m.return_type.empty()) std::cout << " As " << m.return_type;
    std::cout << "\n";
  }
  return 0;
}

// Reads the call file: a regular file (or standard input) of at most kMaxInputBytes.
bool ReadInput(const std::string& file, std::string& text, std::string& error) {
  namespace fs = std::filesystem;
  const std::string limit = std::to_string(kMaxInputBytes >> 20) + " MB";
  std::error_code ec;
  if (file != "-") {
    const fs::file_status st = fs::status(file, ec);
    if (ec || !fs::exists(st)) {
      error = "cannot read " + file;
      return false;
    }
    if (!fs::is_regular_file(st)) {
      error = file + " is not a regular file";
      return false;
    }
    const auto size = fs::file_size(file, ec);
    if (ec || size > kMaxInputBytes) {
      error = file + ": a call file has at most " + limit;
      return false;
    }
  }
  std::ifstream f;
  if (file != "-") {
    f.open(file, std::ios::binary);
    if (!f) {
      error = "cannot read " + file;
      return false;
    }
  }
  std::istream& in = file == "-" ? std::cin : f;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    text.append(buf, static_cast<size_t>(in.gcount()));
    if (text.size() > kMaxInputBytes) {
      error = (file == "-" ? std::string("standard input") : file) + ": a call file has at most " +
              limit;
      return false;
    }
  }
  if (in.bad()) {
    error = "cannot read " + file;
    return false;
  }
  return true;
}

int CmdRun(const std::string& file, bool report) {
  std::string text, error;
  if (!ReadInput(file, text, error)) {
    std::cerr << "kalbex: " << error << "\n";
    return 2;
  }
  try {
    RunResult r = RunJson(text);
    if (report)
      std::cout << r.reports;
    else
      std::cout << Dump(r.output) << "\n";
    return 0;
  } catch (const ContractError& e) {
    std::cerr << "kalbex: " << e.what() << "\n";
    return 2;
  } catch (const tk::ComponentFailure& e) {
    std::cerr << "kalbex: call failed: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "kalbex: call failed: " << e.what() << "\n";
    return 1;
  }
}

int CmdDemo(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec))
    if (e.path().extension() == ".json") files.push_back(e.path());
  if (ec) {
    std::cerr << "kalbex: cannot read the examples folder " << dir << "\n";
    return 2;
  }
  std::sort(files.begin(), files.end());
  int status = 0;
  for (const auto& f : files) {
    std::cout << "==== " << f.filename().string() << " ====\n";
    std::string text, error;
    if (!ReadInput(f.string(), text, error)) {
      std::cout << "kalbex: " << error << "\n\n";
      status = 1;
      continue;
    }
    try {
      RunResult r = RunJson(text);
      if (r.all_reports && !r.reports.empty()) {
        std::cout << r.reports << "\n";
      } else if (r.output.is_array()) {
        for (const auto& call : r.output)
          std::cout << call.dump(-1, ' ', false, json::error_handler_t::replace) << "\n";
      } else {
        std::cout << r.output.dump(-1, ' ', false, json::error_handler_t::replace) << "\n";
      }
    } catch (const std::exception& e) {
      std::cout << "kalbex: " << e.what() << "\n";
      status = 1;
    }
    std::cout << "\n";
  }
  return status;
}

}  // namespace
}  // namespace kalbex

int main(int argc, char** argv) {
  CLI::App app{"kalbex: structural-engineering calculators of the TavrineKalbex library"};
  app.require_subcommand(1);
  std::string list_class, run_file = "-", answer, examples = TK_EXAMPLES_DIR;
  bool report = false;
  auto* list = app.add_subcommand("list", "list the classes, or the operations of one class");
  list->add_option("class", list_class, "class name or ProgID");
  auto* run = app.add_subcommand("run", "run late-bound calls given as JSON");
  run->add_option("file", run_file, "call file, or - for standard input")->required();
  run->add_flag("--report", report, "print the report text (tText) of each call instead of JSON");
  run->add_option("--answer", answer, "answer for message boxes")
      ->check(CLI::IsMember({"ok", "cancel", "yes", "no"}));
  auto* demo = app.add_subcommand("demo", "run every example call file and print its report");
  demo->add_option("--examples", examples, "examples folder");
  demo->add_option("--answer", answer, "answer for message boxes")
      ->check(CLI::IsMember({"ok", "cancel", "yes", "no"}));
  auto* reg = app.add_subcommand("register", "write the registration manifest");
  auto* unreg = app.add_subcommand("unregister", "remove the registration manifest");
  auto* coef = app.add_subcommand(
      "coefficients", "moment and deflection coefficients of a uniformly loaded slab panel");
  std::string edges;
  std::optional<double> lx, ly;
  double nu = 0.0;
  bool table = false;
  coef->add_option("--edges", edges, "left, bottom, right, top: C clamped, S simple, F free")
      ->required();
  coef->add_option("--lx", lx, "span from the left to the right edge");
  coef->add_option("--ly", ly, "span from the bottom to the top edge");
  coef->add_option("--nu", nu, "Poisson's ratio (default 0)");
  coef->add_flag("--table", table, "print the table of the edge case over its span ratios");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  if (const char* env = std::getenv("KALBEX_EXAMPLES"); env && *env && !demo->count("--examples"))
    examples = env;
  tk::modKalbex::SetUi(std::make_shared<kalbex::CliUi>(answer));
  if (*list) return kalbex::CmdList(list_class);
  if (*run) return kalbex::CmdRun(run_file, report);
  if (*demo) return kalbex::CmdDemo(examples);
  if (*reg) {
    const int32_t hr = DllRegisterServer();
    if (hr == 0) std::cout << tk::ManifestPath() << "\n";
    return hr == 0 ? 0 : 1;
  }
  if (*unreg) return DllUnregisterServer() == 0 ? 0 : 1;
  if (*coef) return kalbex::CmdCoefficients(edges, lx, ly, nu, table);
  return 2;
}
