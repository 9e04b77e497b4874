#include "frame/registry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

#if defined(__unix__) || defined(__APPLE__)
#include <dlfcn.h>
#endif

#include "frame/fileio.h"
#include "frame/text.h"

namespace tk {

namespace {

// Order of the library's class table (the order of registration and of the manifest).
constexpr std::string_view kClassOrder[] = {
    "clsMaterial",  "clsMsMl",   "clsBendComponentBl", "clsDlJcOld", "clsZtj",
    "clsMVT",       "clsLfKd",   "clsBanOld",          "clsZhRh",    "clsWind",
    "clsBeamPjOld", "clsMoment", "clsDtqKa",           "clsLtBs"};

size_t OrderOf(std::string_view n) {
  for (size_t k = 0; k < std::size(kClassOrder); ++k)
    if (kClassOrder[k] == n) return k;
  return std::size(kClassOrder);
}

std::vector<ClassEntry>& Table() {
  static std::vector<ClassEntry> t;
  return t;
}

}  // namespace

void EnsureRegistered() {
  // The table is filled once per process; later lookups only read it.
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterFrameTexts();
    RegisterAllClasses();
  });
}

void Registry::Add(ClassEntry e) {
  auto& t = Table();
  for (auto& x : t)
    if (x.name == e.name) {
      x = std::move(e);
      return;
    }
  t.push_back(std::move(e));
  std::stable_sort(t.begin(), t.end(), [](const ClassEntry& a, const ClassEntry& b) {
    return OrderOf(a.name) < OrderOf(b.name);
  });
}

const std::vector<ClassEntry>& Registry::Classes() {
  EnsureRegistered();
  return Table();
}

const ClassEntry* Registry::Find(std::string_view n) {
  EnsureRegistered();
  std::string_view name = n;
  const std::string prefix = std::string(kTypeLibName) + ".";
  if (name.size() > prefix.size() && EqualsNoCase(name.substr(0, prefix.size()), prefix))
    name.remove_prefix(prefix.size());
  for (const auto& e : Table())
    if (EqualsNoCase(e.name, name)) return &e;
  return nullptr;
}

std::unique_ptr<Component> Registry::Create(std::string_view n) {
  const ClassEntry* e = Find(n);
  return e ? e->create() : nullptr;
}

std::string RegistryDir() {
  if (const char* d = std::getenv("TAVRINE_REGISTRY_DIR"); d && *d) return d;
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
    return std::string(x) + "/TavrineKalbex";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/TavrineKalbex";
}

std::string ManifestPath() {
  return RegistryDir() + "/TavrineKalbex.manifest";
}

namespace {
std::string LibraryPath() {
#if defined(__unix__) || defined(__APPLE__)
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) && info.dli_fname)
    return info.dli_fname;
#endif
  return {};
}
}  // namespace

std::string ManifestText() {
  char locale[16];
  std::snprintf(locale, sizeof locale, "0x%04X", kTypeLibLocale);
  std::string s;
  s += "[TypeLib]\n";
  s += "Name=" + std::string(kTypeLibName) + "\n";
  s += "Version=" + std::to_string(kTypeLibMajor) + "." + std::to_string(kTypeLibMinor) + "\n";
  s += std::string("Locale=") + locale + "\n";
  s += "Library=" + LibraryPath() + "\n";
  for (const auto& e : Registry::Classes()) {
    s += "\n[Class " + e.name + "]\n";
    s += "ProgID=" + e.ProgId() + "\n";
    s += "Interface=" + e.InterfaceName() + "\n";
    s += "Operations=";
    bool first = true;
    for (const auto& m : e.info().methods) {
      if (!first) s += ",";
      s += m.name;
      first = false;
    }
    s += "\n";
  }
  return s;
}

}  // namespace tk

using tk::Registry;

namespace {
void* CreateInstance(const TkClassFactory* self) {
  if (!self || !self->prog_id) return nullptr;
  return Registry::Create(self->prog_id).release();
}
void Destroy(void* p) {
  delete static_cast<tk::Component*>(p);
}

// One factory per registered class, made once; the ProgID strings live as long as the process.
const TkClassFactory* FactoryFor(const tk::ClassEntry& e) {
  static std::deque<std::pair<std::string, TkClassFactory>> factories;
  static std::once_flag once;
  std::call_once(once, [] {
    for (const auto& c : Registry::Classes()) {
      auto& f = factories.emplace_back(c.ProgId(), TkClassFactory{});
      f.second = {f.first.c_str(), CreateInstance, Destroy};
    }
  });
  for (const auto& f : factories)
    if (f.first == e.ProgId()) return &f.second;
  return nullptr;
}
}  // namespace

extern "C" int32_t DllGetClassObject(const char* prog_id, const TkClassFactory** factory) {
  if (!factory) return tk::kE_POINTER;
  *factory = nullptr;
  if (!prog_id) return tk::kCLASS_E_CLASSNOTAVAILABLE;
  const tk::ClassEntry* e = Registry::Find(prog_id);
  if (!e) return tk::kCLASS_E_CLASSNOTAVAILABLE;
  *factory = FactoryFor(*e);
  return *factory ? tk::kS_OK : tk::kCLASS_E_CLASSNOTAVAILABLE;
}

extern "C" int32_t DllCanUnloadNow(void) {
  return tk::Component::LiveObjects() == 0 ? tk::kS_OK : tk::kS_FALSE;
}

extern "C" int32_t DllRegisterServer(void) {
  try {
    const std::string dir = tk::RegistryDir();
    if (!tk::MakeDirectories(dir)) return tk::kSELFREG_E_CLASS;
    return tk::WriteFileAtomic(tk::ManifestPath(), tk::ManifestText()) ? tk::kS_OK
                                                                       : tk::kSELFREG_E_CLASS;
  } catch (...) {
    return tk::kE_FAIL;
  }
}

extern "C" int32_t DllUnregisterServer(void) {
  const std::string path = tk::ManifestPath();
  if (!tk::FileExists(path)) return tk::kS_OK;
  return std::remove(path.c_str()) == 0 ? tk::kS_OK : tk::kSELFREG_E_CLASS;
}
