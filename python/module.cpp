// _tavrine_kalbex: the calculators for Python. Values cross as JSON text in the call contract of
// `kalbex run` (the package's __init__.py turns them into Python objects), so the module and the
// command-line host share one conversion. The interpreter lock is released while a calculator
// runs: threads calculate in parallel, each with its own per-thread shared objects.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <string>

#include "book.h"
#include "frame/docs.h"
#include "frame/registry.h"
#include "list_docs.h"
#include "runner.h"

namespace py = pybind11;

namespace {

using kalbex::json;

tk::Variant WithoutLock(const std::function<tk::Variant()>& f) {
  py::gil_scoped_release release;
  return f();
}

json ParseArgs(const std::string& text) {
  try {
    return json::parse(text);
  } catch (const json::exception& e) {
    throw tk::ContractError(std::string("bad arguments: ") + e.what());
  }
}

// One calculator object; it belongs to the thread that created it.
class Calculator {
 public:
  explicit Calculator(const std::string& name) : entry_(tk::Registry::Find(name)) {
    if (!entry_) throw py::value_error("unknown class " + name);
    obj_ = entry_->create();
  }
  std::string ClassName() const { return entry_->name; }
  std::vector<std::string> Operations() const {
    std::vector<std::string> ops;
    for (const auto& m : entry_->info().methods) ops.push_back(m.name);
    return ops;
  }
  std::string OperationName(const std::string& op) const {
    const tk::MethodInfo* m = entry_->info().Find(op);
    return m ? m->name : std::string();
  }
  std::vector<std::string> Params(const std::string& op) const {
    std::vector<std::string> names;
    if (const tk::MethodInfo* m = entry_->info().Find(op))
      for (const auto& p : m->params) names.push_back(p.name);
    return names;
  }
  // `args_json`: an object by parameter name or an array by position. Returns the call's output
  // object as JSON text.
  std::string Call(const std::string& op, const std::string& args_json) {
    const tk::MethodInfo* m = entry_->info().Find(op);
    if (!m) throw py::attribute_error(entry_->name + " has no operation " + op);
    const json args = ParseArgs(args_json);
    kalbex::HostObjects objects;
    kalbex::OneCall r = kalbex::RunCall(*obj_, *entry_, *m, &args, objects,
                                        entry_->name + "." + m->name, {}, &WithoutLock);
    return r.out.dump(-1, ' ', false, json::error_handler_t::replace);
  }

 private:
  const tk::ClassEntry* entry_;
  std::unique_ptr<tk::Component> obj_;
};

std::string Run(const std::string& calls_json) {
  kalbex::RunResult r = kalbex::RunJson(calls_json, {}, &WithoutLock);
  return r.output.dump(-1, ' ', false, json::error_handler_t::replace);
}

// The calculation book of the calls (one JSON text of a call or a list of calls); the calls
// run without the interpreter lock as in Run.
std::string Book(const std::string& calls_json, const std::string& project) {
  kalbex::book::Options opt;
  opt.project = project;
  py::gil_scoped_release release;
  return kalbex::book::Book({{calls_json, "calls", {}}}, opt);
}

std::vector<std::string> Classes() {
  std::vector<std::string> names;
  for (const auto& e : tk::Registry::Classes()) names.push_back(e.name);
  return names;
}

py::dict Explain(int32_t code, const std::string& cls) {
  py::dict d;
  d["code"] = code;
  const tk::docs::Code* c = tk::docs::FindCode(cls, code);
  d["kind"] = code == 0 ? "success"
              : c       ? std::string(tk::docs::OutcomeName(c->outcome))
                        : "unknown";
  d["message"] = tk::docs::Message(cls, code);
  return d;
}

}  // namespace

PYBIND11_MODULE(_tavrine_kalbex, m) {
  m.doc() =
      "TavrineKalbex structural-engineering calculators (core; use the tavrine_kalbex package)";
  py::register_exception<tk::ContractError>(m, "ContractError", PyExc_TypeError);
  py::register_exception<tk::ComponentFailure>(m, "ComponentFailure", PyExc_RuntimeError);
  py::class_<Calculator>(m, "Calculator")
      .def(py::init<const std::string&>())
      .def_property_readonly("class_name", &Calculator::ClassName)
      .def("operations", &Calculator::Operations)
      .def("operation_name", &Calculator::OperationName)
      .def("params", &Calculator::Params)
      .def("call", &Calculator::Call);
  m.def("run", &Run,
        "runs kalbex call objects given as JSON text; returns the output as JSON text");
  m.def("book", &Book, py::arg("calls_json"), py::arg("project") = "",
        "the calculation book (self-contained HTML) of kalbex call objects given as JSON text");
  m.def("classes", &Classes);
  m.def("doc", &kalbex::OperationText, "the parameter table of an operation");
  m.def("explain", &Explain, py::arg("code"), py::arg("cls") = "");
}
