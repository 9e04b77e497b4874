#include "frame/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/host.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "frame/variant.h"
#include "materials/material.h"

namespace tk {
namespace {

TEST(Registry, EveryClassIsCreatableUnderItsProgId) {
  const char* names[] = {"clsMaterial",  "clsMsMl",   "clsBendComponentBl", "clsDlJcOld", "clsZtj",
                         "clsMVT",       "clsLfKd",   "clsBanOld",          "clsZhRh",    "clsWind",
                         "clsBeamPjOld", "clsMoment", "clsDtqKa",           "clsLtBs"};
  const auto& classes = Registry::Classes();
  ASSERT_EQ(classes.size(), 14u);
  for (size_t k = 0; k < 14; ++k) {
    EXPECT_EQ(classes[k].name, names[k]);
    EXPECT_EQ(classes[k].InterfaceName(), std::string("_") + names[k]);
    auto obj = Registry::Create(std::string("TavrineKalbex.") + names[k]);
    ASSERT_NE(obj, nullptr) << names[k];
    EXPECT_EQ(obj->Info().name, names[k]);
  }
  EXPECT_NE(Registry::Create("tavrinekalbex.CLSMOMENT"), nullptr);
  EXPECT_EQ(Registry::Create("TavrineKalbex.clsNothing"), nullptr);
  EXPECT_EQ(Registry::Create(""), nullptr);
}

TEST(Registry, CanUnloadExactlyWhenNoObjectIsAlive) {
  modKalbex::Material();  // the shared per-thread material does not hold the library
  ASSERT_EQ(DllCanUnloadNow(), kS_OK);
  const TkClassFactory* f = nullptr;
  ASSERT_EQ(DllGetClassObject("TavrineKalbex.clsMoment", &f), kS_OK);
  void* obj = f->create_instance(f);
  ASSERT_NE(obj, nullptr);
  EXPECT_EQ(DllCanUnloadNow(), kS_FALSE);
  {
    // a calculator owning member calculators counts them too, and releases them all
    auto owner = Registry::Create("clsBeamPjOld");
    EXPECT_EQ(Component::LiveObjects(), 1 + 3);
  }
  f->destroy_instance(obj);
  EXPECT_EQ(DllCanUnloadNow(), kS_OK);
  EXPECT_EQ(DllGetClassObject("TavrineKalbex.clsNothing", &f), kCLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(f, nullptr);
  EXPECT_EQ(DllGetClassObject("clsMoment", nullptr), kE_POINTER);
}

TEST(Registry, EveryRegisteredClassHasAFactoryThatCreatesIt) {
  for (const auto& c : Registry::Classes()) {
    const TkClassFactory* f = nullptr;
    ASSERT_EQ(DllGetClassObject(c.ProgId().c_str(), &f), kS_OK) << c.name;
    void* obj = f->create_instance(f);
    ASSERT_NE(obj, nullptr) << c.name;
    EXPECT_EQ(static_cast<Component*>(obj)->Info().name, c.name);
    f->destroy_instance(obj);
  }
}

TEST(Registry, ManifestIsWrittenAndRemovedIdempotently) {
  const std::string dir = ::testing::TempDir() + "tk_registry_" + std::to_string(::getpid());
  setenv("TAVRINE_REGISTRY_DIR", dir.c_str(), 1);
  EXPECT_EQ(DllUnregisterServer(), kS_OK);  // nothing registered yet
  ASSERT_EQ(DllRegisterServer(), kS_OK);
  ASSERT_EQ(DllRegisterServer(), kS_OK);
  std::ifstream in(ManifestPath(), std::ios::binary);
  ASSERT_TRUE(in);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Name=TavrineKalbex\nVersion=28.0\nLocale=0x0409\n"), std::string::npos);
  EXPECT_NE(text.find("[Class clsLtBs]\nProgID=TavrineKalbex.clsLtBs\nInterface=_clsLtBs\n"),
            std::string::npos);
  EXPECT_EQ(text, ManifestText());
  EXPECT_EQ(DllUnregisterServer(), kS_OK);
  EXPECT_FALSE(std::filesystem::exists(ManifestPath()));
  EXPECT_EQ(DllUnregisterServer(), kS_OK);
  unsetenv("TAVRINE_REGISTRY_DIR");
  std::filesystem::remove_all(dir);
}

TEST(Registry, DefaultFolderFollowsXdg) {
  unsetenv("TAVRINE_REGISTRY_DIR");
  setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(RegistryDir(), "/tmp/xdg/TavrineKalbex");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(RegistryDir(), "/home/u/.local/share/TavrineKalbex");
}

TEST(Binding, SubFormSetsFormModeAndLetControlsTheMainForm) {
  auto lfkd = Registry::Create("clsLfKd");
  auto form = std::make_shared<MemoryForm>();
  std::vector<Arg> args = {{"frm", Variant::Object(form)}};
  Invoke(*lfkd, "SubForm", args);
  auto* svc = dynamic_cast<DefaultServices*>(&modKalbex::Services());
  ASSERT_NE(svc, nullptr);
  EXPECT_EQ(svc->form_mode(), 3);
  auto moment = Registry::Create("clsMoment");
  auto main_form = std::make_shared<MemoryForm>();
  std::vector<Arg> lc = {{"frmM", Variant::Object(main_form)}, {"frmX", Variant::Object(form)}};
  Invoke(*moment, "Let_Controls", lc);
  EXPECT_EQ(svc->main_form(), main_form);
  auto footing = Registry::Create("clsDlJcOld");
  std::vector<Arg> tv = {{"Index", Variant::Int32(7)},
                         {"text", Variant::String("Tavrine_DlJc_V2000.0315")}};
  Invoke(*footing, "tValue", tv);
  EXPECT_EQ(svc->GetIndexedValue(7, ""), "Tavrine_DlJc_V2000.0315");
  // absent host objects never crash
  std::vector<Arg> none;
  Invoke(*lfkd, "PicForm", none);
}

}  // namespace
}  // namespace tk
