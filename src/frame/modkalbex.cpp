#include "frame/modkalbex.h"

#include "frame/input_check.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"

namespace tk::modKalbex {

namespace {
std::function<std::unique_ptr<ISharedServices>()>& ServicesFactory() {
  static std::function<std::unique_ptr<ISharedServices>()> f;
  return f;
}
std::function<std::unique_ptr<clsMaterial>()>& MaterialFactory() {
  static std::function<std::unique_ptr<clsMaterial>()> f;
  return f;
}
std::function<std::unique_ptr<IPersistence>()>& PersistenceFactory() {
  static std::function<std::unique_ptr<IPersistence>()> f;
  return f;
}
std::function<std::unique_ptr<IInputCheck>()>& InputCheckFactory() {
  static std::function<std::unique_ptr<IInputCheck>()> f;
  return f;
}

template <class T, class D>
T& PerThread(std::unique_ptr<T>& slot, const std::function<std::unique_ptr<T>()>& factory) {
  if (!slot) {
    if (factory) slot = factory();
    if (!slot) slot = std::make_unique<D>();
  }
  return *slot;
}

struct ThreadObjects {
  std::unique_ptr<ISharedServices> services;
  std::unique_ptr<clsMaterial> material;
  std::unique_ptr<IPersistence> persistence;
  std::unique_ptr<IInputCheck> input_check;
  std::shared_ptr<HostUi> ui;
};
ThreadObjects& Objects() {
  thread_local ThreadObjects t;
  return t;
}
}  // namespace

ISharedServices& Services() {
  return PerThread<ISharedServices, DefaultServices>(Objects().services, ServicesFactory());
}
clsMaterial& Material() {
  auto& slot = Objects().material;
  if (!slot) {
    if (MaterialFactory()) slot = MaterialFactory()();
    if (!slot) slot = std::make_unique<clsMaterial>(clsMaterial::Shared{});
  }
  return *slot;
}
IPersistence& Persistence() {
  return PerThread<IPersistence, FilePersistence>(Objects().persistence, PersistenceFactory());
}
IInputCheck& InputCheck() {
  return PerThread<IInputCheck, DefaultInputCheck>(Objects().input_check, InputCheckFactory());
}
HostUi& Ui() {
  auto& u = Objects().ui;
  if (!u) u = std::make_shared<SilentHostUi>();
  return *u;
}

void SetServicesFactory(std::function<std::unique_ptr<ISharedServices>()> f) {
  ServicesFactory() = std::move(f);
}
void SetMaterialFactory(std::function<std::unique_ptr<clsMaterial>()> f) {
  MaterialFactory() = std::move(f);
}
void SetPersistenceFactory(std::function<std::unique_ptr<IPersistence>()> f) {
  PersistenceFactory() = std::move(f);
}
void SetInputCheckFactory(std::function<std::unique_ptr<IInputCheck>()> f) {
  InputCheckFactory() = std::move(f);
}
void SetUi(std::shared_ptr<HostUi> ui) {
  Objects().ui = std::move(ui);
}

std::string tUnitText(std::string_view token) {
  return std::string(Services().tUnitFormat(token));
}

double dInterpolate(double x, double x1, double x2, double y1, double y2) {
  if (x1 == x2) return 0.0;
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

double vMinVal(const Variant& a, const Variant& b, const Variant& c) {
  const double x = a.AsDouble(), y = b.AsDouble();
  double r = y < x ? y : x;
  if (!c.IsMissing() && !c.IsEmpty()) {
    const double z = c.AsDouble();
    if (z < r) r = z;
  }
  return r;
}

double vMaxVal(const Variant& a, const Variant& b, const Variant& c) {
  const double x = a.AsDouble(), y = b.AsDouble();
  double r = y > x ? y : x;
  if (!c.IsMissing() && !c.IsEmpty()) {
    const double z = c.AsDouble();
    if (z > r) r = z;
  }
  return r;
}

bool bTextEq(std::string_view a, std::string_view b) {
  return EqualsNoCase(TrimView(a), TrimView(b));
}

}  // namespace tk::modKalbex
