#include "runner.h"

#include <map>
#include <memory>

#include "examples_dir.h"
#include "frame/binding.h"
#include "frame/registry.h"
#include "outcome.h"

namespace kalbex {

using tk::ContractError;

namespace {

struct Call {
  const tk::ClassEntry* cls = nullptr;
  const tk::MethodInfo* method = nullptr;
  const json* args = nullptr;
  std::string object;
};

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

}  // namespace

OneCall RunCall(tk::Component& obj, const tk::ClassEntry& cls, const tk::MethodInfo& method,
                const json* call_args, HostObjects& objects, const std::string& where,
                const std::string& base, const InvokeHook& hook) {
  std::vector<tk::Arg> args;
  if (call_args && call_args->is_array()) {
    if (call_args->size() > method.params.size())
      throw ContractError(where + ": " + cls.name + "." + method.name + " takes " +
                          std::to_string(method.params.size()) + " arguments, " +
                          std::to_string(call_args->size()) + " given");
    for (size_t i = 0; i < call_args->size(); ++i)
      args.push_back(
          {"", ToVariant((*call_args)[i], objects, where + "." + method.params[i].name)});
  } else if (call_args && call_args->is_object()) {
    for (auto it = call_args->begin(); it != call_args->end(); ++it)
      args.push_back({it.key(), ToVariant(it.value(), objects, where + "." + it.key())});
  } else if (call_args && !call_args->is_null()) {
    throw ContractError(where + ": \"args\" must be an object or an array");
  }
  if (!base.empty()) ResolvePaths(method, args, base);
  tk::Variant ret;
  try {
    auto invoke = [&] { return tk::Invoke(obj, method.name, args); };
    ret = hook ? hook(invoke) : invoke();
  } catch (const ContractError& e) {
    throw ContractError(where + " (" + cls.name + "." + method.name + "): " + e.what());
  }
  OneCall r;
  r.out = json::object();
  r.out["class"] = cls.ProgId();
  r.out["operation"] = method.name;
  json a = json::object();
  for (const auto& x : args) {
    if (x.value.IsMissing()) continue;
    a[x.name] = ToJson(x.value);
    if (x.name == "tText" && x.value.type == tk::Variant::Type::String) {
      r.report = x.value.s;
      r.has_report = true;
    }
  }
  r.out["args"] = std::move(a);
  r.out["return"] = ToJson(ret);
  if (const std::string note = AddOutcome(r.out, cls.name, method, args); !note.empty())
    r.note = where + " (" + cls.name + "." + method.name + "): " + note;
  return r;
}

RunResult RunJson(const std::string& text, const std::string& base, const InvokeHook& hook) {
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

  HostObjects objects;
  std::map<std::pair<std::string, std::string>, std::unique_ptr<tk::Component>> named;
  RunResult r;
  r.output = json::array();
  for (size_t k = 0; k < calls.size(); ++k) {
    const Call& c = calls[k];
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
    OneCall one = RunCall(*obj, *c.cls, *c.method, c.args, objects, "call " + std::to_string(k + 1),
                          base, hook);
    r.reports += one.report;
    if (!one.has_report) r.all_reports = false;
    if (!one.note.empty()) r.notes.push_back(std::move(one.note));
    r.output.push_back(std::move(one.out));
  }
  if (!many) r.output = r.output.at(0);
  return r;
}

}  // namespace kalbex
