#include "list_docs.h"

#include <iostream>
#include <sstream>

#include "frame/docs.h"
#include "frame/registry.h"
#include "frame/text.h"
#include "json_bridge.h"

namespace kalbex {

namespace {

namespace docs = tk::docs;

std::string S(std::string_view v) {
  return std::string(v);
}

const docs::Param* FindParam(const docs::Operation& o, std::string_view name) {
  for (const auto& p : o.params)
    if (p.name == name) return &p;
  return nullptr;
}

json ParamJson(const tk::ParamInfo* info, const docs::Param* d, std::string_view name) {
  json j = json::object();
  j["name"] = S(name);
  if (info) {
    j["type"] = info->type;
    j["by_ref"] = info->by_ref;
    j["optional"] = info->optional;
    if (info->lbound != 0) j["lbound"] = info->lbound;
  }
  if (d) {
    j["direction"] = S(d->dir);
    j["unit"] = S(d->unit);
    j["zh"] = S(d->zh);
    j["en"] = S(d->en);
    j["values"] = S(d->values);
  }
  return j;
}

json OperationJson(const tk::ClassEntry& e, const tk::MethodInfo& m) {
  const docs::Operation* o = docs::FindOperation(e.name, m.name);
  json j = json::object();
  j["name"] = m.name;
  if (o) {
    j["zh"] = S(o->zh);
    j["en"] = S(o->en);
  }
  json params = json::array();
  for (const auto& p : m.params)
    params.push_back(ParamJson(&p, o ? FindParam(*o, p.name) : nullptr, p.name));
  j["params"] = std::move(params);
  if (!m.return_type.empty()) {
    json r = ParamJson(nullptr, o ? FindParam(*o, "return") : nullptr, "return");
    r["type"] = m.return_type;
    j["return"] = std::move(r);
  }
  if (o && !o->arrays.empty()) {
    json arrays = json::object();
    for (const auto& a : o->arrays) {
      json fields = json::array();
      for (const auto& f : a.fields)
        fields.push_back(
            {{"index", f.index}, {"unit", S(f.unit)}, {"zh", S(f.zh)}, {"en", S(f.en)}});
      arrays[S(a.param)] = std::move(fields);
    }
    j["fields"] = std::move(arrays);
  }
  return j;
}

json ClassJson(const tk::ClassEntry& e, const std::string& op) {
  const docs::ClassDoc* c = docs::FindClass(e.name);
  json j = json::object();
  j["class"] = e.name;
  j["progid"] = e.ProgId();
  if (c) {
    j["zh"] = S(c->zh);
    j["en"] = S(c->en);
  }
  json ops = json::array();
  for (const auto& m : e.info().methods)
    if (op.empty() || tk::EqualsNoCase(m.name, op)) ops.push_back(OperationJson(e, m));
  j["operations"] = std::move(ops);
  return j;
}

std::string Column(std::string_view s, size_t width) {
  std::string out(s);
  // Display width: count UTF-8 lead bytes, a CJK character taking two columns.
  size_t cols = 0;
  for (size_t k = 0; k < s.size();) {
    const auto c = static_cast<unsigned char>(s[k]);
    const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    cols += len >= 3 ? 2 : 1;
    k += len;
  }
  if (cols < width) out.append(width - cols, ' ');
  return out + " ";
}

}  // namespace

std::string OperationSummary(const std::string& cls, const std::string& op) {
  const docs::Operation* o = docs::FindOperation(cls, op);
  return o ? S(o->en) + "  " + S(o->zh) : std::string();
}

int CmdListOperation(const std::string& cls, const std::string& op) {
  const tk::ClassEntry* e = tk::Registry::Find(cls);
  if (!e) {
    std::cerr << "kalbex: unknown class " << cls << "\n";
    return 2;
  }
  if (!e->info().Find(op)) {
    std::cerr << "kalbex: class " << e->name << " has no operation " << op << "\n";
    return 2;
  }
  std::cout << OperationText(e->name, op);
  return 0;
}

std::string OperationText(const std::string& cls, const std::string& op) {
  const tk::ClassEntry* e = tk::Registry::Find(cls);
  const tk::MethodInfo* m = e ? e->info().Find(op) : nullptr;
  if (!m) return {};
  std::ostringstream out;
  const docs::Operation* o = docs::FindOperation(e->name, m->name);
  out << e->ProgId() << "." << m->name;
  if (o) out << ": " << o->en << "  " << o->zh;
  out << "\n";
  auto line = [&](std::string_view name, std::string_view type, const docs::Param* d) {
    out << "  " << Column(name, 16) << Column(type, 10);
    if (!d) {
      out << "(undocumented)\n";
      return;
    }
    out << Column(d->dir, 6) << Column(d->unit.empty() ? "-" : d->unit, 8) << d->en << "  " << d->zh
        << "\n";
    if (!d->values.empty()) out << "  " << std::string(42, ' ') << "values: " << d->values << "\n";
  };
  for (const auto& p : m->params) {
    std::string type = p.type;
    if (p.optional) type = "[" + type + "]";
    line(p.name, type, o ? FindParam(*o, p.name) : nullptr);
  }
  if (!m->return_type.empty())
    line("return", m->return_type, o ? FindParam(*o, "return") : nullptr);
  if (o)
    for (const auto& a : o->arrays) {
      out << "  " << a.param << "() by position:\n";
      for (const auto& f : a.fields)
        out << "    " << Column(std::to_string(f.index), 3)
            << Column(f.unit.empty() ? "-" : f.unit, 12) << f.en << "  " << f.zh << "\n";
    }
  return out.str();
}

int CmdListJson(const std::string& cls, const std::string& op) {
  json out;
  if (cls.empty()) {
    out = json::array();
    for (const auto& e : tk::Registry::Classes()) out.push_back(ClassJson(e, {}));
  } else {
    const tk::ClassEntry* e = tk::Registry::Find(cls);
    if (!e) {
      std::cerr << "kalbex: unknown class " << cls << "\n";
      return 2;
    }
    if (!op.empty() && !e->info().Find(op)) {
      std::cerr << "kalbex: class " << e->name << " has no operation " << op << "\n";
      return 2;
    }
    out = ClassJson(*e, op);
  }
  std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
  return 0;
}

}  // namespace kalbex
