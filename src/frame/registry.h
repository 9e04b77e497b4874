// Component identity and creation: ProgID "TavrineKalbex.<class>", interface "_<class>", type
// library TavrineKalbex 28.0, locale 0x0409; the registration manifest and the C entry points.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/component.h"
#include "frame/export.h"

namespace tk {

inline constexpr std::string_view kTypeLibName = "TavrineKalbex";
inline constexpr int kTypeLibMajor = 28, kTypeLibMinor = 0;
inline constexpr int kTypeLibLocale = 0x0409;

struct ClassEntry {
  std::string name;  // "clsMoment"
  std::function<std::unique_ptr<Component>()> create;
  std::function<const ClassInfo&()> info;
  std::string ProgId() const { return std::string(kTypeLibName) + "." + name; }
  std::string InterfaceName() const { return "_" + name; }
};

class TK_API Registry {
 public:
  // Adds a class (called once per class by the subsystem registration functions).
  static void Add(ClassEntry e);
  // All registered classes in the order of the library's class table.
  static const std::vector<ClassEntry>& Classes();
  // Accepts "clsMoment" or "TavrineKalbex.clsMoment" (ASCII case-insensitive).
  static const ClassEntry* Find(std::string_view name_or_progid);
  // Creates an object; nullptr for an unknown class.
  static std::unique_ptr<Component> Create(std::string_view name_or_progid);
};

// Registers a calculator class under the name of its own table, with its numbered texts.
template <class C>
void RegisterClass() {
  Registry::Add(
      {C::ClassInfoOf().name, [] { return std::unique_ptr<Component>(new C()); }, &C::ClassInfoOf});
  C::RegisterTexts();
}

// Registers every class of the library and the texts its subsystems use; done once, on first use
// of the registry or of the numbered texts. Defined by the library (and by each test program for
// the subsystems it links).
void RegisterAllClasses();
// Makes sure the registration has run.
TK_API void EnsureRegistered();

void RegisterFrameTexts();
void RegisterMaterialsClasses();
void RegisterSectionClasses();
void RegisterServiceClasses();
void RegisterMembersClasses();
void RegisterFoundationClasses();
void RegisterLoadsClasses();

// Registration manifest: the folder is $TAVRINE_REGISTRY_DIR, else $XDG_DATA_HOME/TavrineKalbex,
// else ~/.local/share/TavrineKalbex. The manifest file is "TavrineKalbex.manifest".
TK_API std::string RegistryDir();
TK_API std::string ManifestPath();
TK_API std::string ManifestText();

}  // namespace tk

// The four in-process server entry points, with a C ABI. Results are HRESULT-like: 0 is S_OK,
// 1 is S_FALSE, negative values are failures.
extern "C" {
typedef struct TkClassFactory {
  const char* prog_id;
  // Creates a new object of this factory's class; release it with destroy_instance.
  void* (*create_instance)(const struct TkClassFactory* self);
  void (*destroy_instance)(void* object);
} TkClassFactory;

TK_API int32_t DllGetClassObject(const char* prog_id, const TkClassFactory** factory);
TK_API int32_t DllCanUnloadNow(void);
TK_API int32_t DllRegisterServer(void);
TK_API int32_t DllUnregisterServer(void);
}

namespace tk {
inline constexpr int32_t kS_OK = 0, kS_FALSE = 1;
inline constexpr int32_t kE_FAIL = static_cast<int32_t>(0x80004005u);
inline constexpr int32_t kE_POINTER = static_cast<int32_t>(0x80004003u);
inline constexpr int32_t kCLASS_E_CLASSNOTAVAILABLE = static_cast<int32_t>(0x80040111u);
inline constexpr int32_t kSELFREG_E_CLASS = static_cast<int32_t>(0x80040201u);
}  // namespace tk
