#include "frame/variant.h"

#include "frame/text.h"

namespace tk {

Variant* VRecord::Find(std::string_view name) {
  for (auto& [k, v] : fields)
    if (EqualsNoCase(k, name)) return &v;
  return nullptr;
}

Variant Variant::Array(int32_t lbound, std::vector<Variant> items) {
  Variant v;
  v.type = Type::Array;
  v.arr = std::make_shared<VArray>();
  v.arr->lbound = lbound;
  v.arr->items = std::move(items);
  return v;
}

Variant Variant::Record(std::string type, std::vector<std::pair<std::string, Variant>> fields) {
  Variant v;
  v.type = Type::Record;
  v.rec = std::make_shared<VRecord>();
  v.rec->type = std::move(type);
  v.rec->fields = std::move(fields);
  return v;
}

Variant Variant::Object(HostRef o) {
  Variant v;
  v.type = Type::Object;
  v.obj = std::move(o);
  return v;
}

double Variant::AsDouble() const {
  switch (type) {
    case Type::Bool:
      return b ? -1.0 : 0.0;
    case Type::Int16:
    case Type::Int32:
      return i;
    case Type::Single:
      return f;
    case Type::Double:
      return d;
    case Type::String:
      return LeadingNumber(s);
    default:
      return 0.0;
  }
}

std::string Variant::AsText() const {
  switch (type) {
    case Type::Bool:
      return b ? "True" : "False";
    case Type::Int16:
    case Type::Int32:
      return std::to_string(i);
    case Type::Single:
      return ShortestText(f);
    case Type::Double:
      return ShortestText(d);
    case Type::String:
      return s;
    default:
      return {};
  }
}

const char* Variant::TypeName() const {
  switch (type) {
    case Type::Empty:
      return "Empty";
    case Type::Missing:
      return "Missing";
    case Type::Bool:
      return "Boolean";
    case Type::Int16:
      return "Integer";
    case Type::Int32:
      return "Long";
    case Type::Single:
      return "Single";
    case Type::Double:
      return "Double";
    case Type::String:
      return "String";
    case Type::Array:
      return "Array";
    case Type::Record:
      return "Record";
    case Type::Object:
      return "Object";
  }
  return "?";
}

}  // namespace tk
