// modKalbex: the shared per-thread objects and the small helpers every calculator calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "frame/export.h"
#include "frame/host.h"
#include "frame/variant.h"

namespace tk {
class ISharedServices;
class IPersistence;
class IInputCheck;
class clsMaterial;
}  // namespace tk

namespace tk::modKalbex {

// Per-thread shared objects, created on first use in each thread that calls the library.
TK_API ISharedServices& Services();
TK_API clsMaterial& Material();
TK_API IPersistence& Persistence();
TK_API IInputCheck& InputCheck();
// Host callbacks (message boxes). Default: answers every box with its default button.
TK_API HostUi& Ui();

// A host replaces a shared object by installing a factory before the object's first use in a
// thread (an object already created in a thread stays). Installing nullptr restores ours.
// Factories are process-wide and meant to be set up before threads start using the library.
TK_API void SetServicesFactory(std::function<std::unique_ptr<ISharedServices>()> f);
TK_API void SetMaterialFactory(std::function<std::unique_ptr<clsMaterial>()> f);
TK_API void SetPersistenceFactory(std::function<std::unique_ptr<IPersistence>()> f);
TK_API void SetInputCheckFactory(std::function<std::unique_ptr<IInputCheck>()> f);
// Host callbacks of the calling thread.
TK_API void SetUi(std::shared_ptr<HostUi> ui);

// Number-format pattern of a unit token (through the shared services component).
std::string tUnitText(std::string_view token);
// y1 + (x - x1)(y2 - y1)/(x2 - x1); 0 when x1 = x2.
double dInterpolate(double x, double x1, double x2, double y1, double y2);
// Smallest / largest numeric value of the arguments; texts read by the leading-number rule.
double vMinVal(const Variant& a, const Variant& b, const Variant& c = Variant::Missing());
double vMaxVal(const Variant& a, const Variant& b, const Variant& c = Variant::Missing());
inline double vMinVal(double a, double b) {
  return b < a ? b : a;
}
inline double vMaxVal(double a, double b) {
  return b > a ? b : a;
}
inline double vMinVal(double a, double b, double c) {
  const double r = vMinVal(a, b);
  return c < r ? c : r;
}
inline double vMaxVal(double a, double b, double c) {
  const double r = vMaxVal(a, b);
  return c > r ? c : r;
}
inline double dMax(double a, double b) {
  return a < b ? b : a;
}
// Equal after trimming, ignoring letter case.
bool bTextEq(std::string_view a, std::string_view b);

}  // namespace tk::modKalbex
