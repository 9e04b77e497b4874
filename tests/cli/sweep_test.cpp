// Sweep of every example call: each numeric argument (a number, an array item, a record field, a
// text that reads as a number, a numeric control property) is set in turn to 0, -1, a tiny and a
// huge value and to the limits of its declared type. No call may crash, no output may carry
// "Infinity" or "NaN", and a call either runs, or is refused with a ContractError that names the
// input (the host's exit 2), or reports an outside-component failure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "../support/temp_dir.h"
#include "frame/component.h"
#include "frame/modkalbex.h"
#include "frame/registry.h"
#include "json_bridge.h"

namespace {

using kalbex::json;
namespace fs = std::filesystem;

struct Outcome {
  bool ran = false, refused = false, failed = false;
  std::string message;
  json output;
};

// Runs one call file the way `kalbex run` does, without a process per call.
Outcome RunCalls(const json& in) {
  Outcome o;
  std::vector<const json*> items;
  if (in.is_array())
    for (const auto& x : in) items.push_back(&x);
  else
    items.push_back(&in);
  kalbex::HostObjects objects;
  std::map<std::pair<std::string, std::string>, std::unique_ptr<tk::Component>> named;
  o.output = json::array();
  try {
    for (const json* call : items) {
      const tk::ClassEntry* cls = tk::Registry::Find(call->at("class").get<std::string>());
      if (!cls) throw tk::ContractError("unknown class");
      std::vector<tk::Arg> args;
      if (auto a = call->find("args"); a != call->end()) {
        if (a->is_array()) {
          for (const auto& v : *a) args.push_back({"", kalbex::ToVariant(v, objects, "arg")});
        } else {
          for (auto it = a->begin(); it != a->end(); ++it)
            args.push_back({it.key(), kalbex::ToVariant(it.value(), objects, it.key())});
        }
      }
      std::unique_ptr<tk::Component> own;
      tk::Component* obj;
      if (auto n = call->find("object"); n != call->end()) {
        auto& slot = named[{n->get<std::string>(), cls->name}];
        if (!slot) slot = cls->create();
        obj = slot.get();
      } else {
        own = cls->create();
        obj = own.get();
      }
      const tk::Variant ret = tk::Invoke(*obj, call->at("operation").get<std::string>(), args);
      json out = json::object();
      for (const auto& x : args)
        if (!x.value.IsMissing()) out[x.name] = kalbex::ToJson(x.value);
      out["return"] = kalbex::ToJson(ret);
      o.output.push_back(std::move(out));
    }
    o.ran = true;
  } catch (const tk::ContractError& e) {
    o.refused = true;
    o.message = e.what();
  } catch (const tk::ComponentFailure& e) {
    o.failed = true;
    o.message = e.what();
  }
  return o;
}

// Every place in a call file where a number sits, as a setter of the JSON value there.
using Site = std::function<void(json& root, const json& value)>;

void CollectSites(const json& j, const json::json_pointer& at, std::vector<json::json_pointer>& out,
                  int depth) {
  if (depth > 12) return;
  if (j.is_number()) {
    out.push_back(at);
  } else if (j.is_string()) {
    const std::string& s = j.get_ref<const std::string&>();
    char* end = nullptr;
    if (!s.empty()) {
      std::strtod(s.c_str(), &end);
      if (end && *end == '\0') out.push_back(at);
    }
  } else if (j.is_array()) {
    // Every item of a short array; of a long one (a value per storey) the first and the last.
    for (size_t k = 0; k < j.size(); ++k)
      if (j.size() <= 32 || k == 0 || k + 1 == j.size()) CollectSites(j[k], at / k, out, depth + 1);
  } else if (j.is_object()) {
    for (auto it = j.begin(); it != j.end(); ++it)
      CollectSites(it.value(), at / it.key(), out, depth + 1);
  }
}

std::vector<json> NumbersFor(const json& original) {
  if (original.is_string())
    return {"0",       "-1",     "1e-300",  "1e300", "1e400", "3.5e38",
            "-3.5e38", "3.4e38", "-3.4e38", "1e-45", "1e10",  "-1e11"};
  std::vector<json> v = {0,
                         -1,
                         1e-300,
                         1e300,
                         1e-45,
                         1.4e-45,
                         3.4028234663852886e38,
                         -3.4028234663852886e38,
                         1.7976931348623157e308,
                         -1.7976931348623157e308,
                         2147483647,
                         -2147483648LL,
                         32767,
                         -32768,
                         1e10};
  return v;
}

bool HasNonFiniteText(const json& j) {
  const std::string s = j.dump(-1, ' ', false, json::error_handler_t::replace);
  return s.find("Infinity") != std::string::npos || s.find("NaN") != std::string::npos;
}

// The examples save their inputs as /tmp/kalbex-example-*.tav; the sweep's copies save into its
// own folder, removed at the end.
std::string InFolder(std::string text, const std::string& folder) {
  const std::string from = "/tmp/kalbex-example-", to = folder + "/kalbex-example-";
  for (size_t p = text.find(from); p != std::string::npos; p = text.find(from, p + to.size()))
    text.replace(p, from.size(), to);
  return text;
}

TEST(Sweep, EveryExampleCallWithExtremeNumbers) {
  const fs::path root = TK_SOURCE_DIR;
  ASSERT_EQ(::chdir(root.c_str()), 0);
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(root / "examples"))
    if (e.path().extension() == ".json") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty());
  const tk::test_support::TempDir tmp;
  tk::modKalbex::SetUi(nullptr);
  size_t calls = 0, ran = 0, refused = 0, failed = 0;
  std::map<std::string, size_t> refusals;
  const auto start = std::chrono::steady_clock::now();
  for (const auto& f : files) {
    std::ifstream in(f);
    std::stringstream ss;
    ss << in.rdbuf();
    const json base = json::parse(InFolder(ss.str(), tmp.path()));
    const Outcome plain = RunCalls(base);
    EXPECT_TRUE(plain.ran) << f.filename() << ": " << plain.message;
    std::vector<json::json_pointer> sites;
    CollectSites(base, json::json_pointer(), sites, 0);
    for (const auto& at : sites) {
      const std::string p = at.to_string();
      // Only the calls' arguments are swept, not their names or the objects they share.
      if (p.find("/args/") == std::string::npos) continue;
      for (const json& value : NumbersFor(base.at(at))) {
        json j = base;
        j[at] = value;
        const Outcome o = RunCalls(j);
        ++calls;
        const std::string where = f.filename().string() + " " + p + " = " + value.dump();
        if (o.ran) {
          ++ran;
          EXPECT_FALSE(HasNonFiniteText(o.output)) << where << "\n" << o.output.dump(1);
        } else if (o.refused) {
          ++refused;
          EXPECT_EQ(o.message.find("Infinity"), std::string::npos) << where;
          if (o.message.find("not a finite number") != std::string::npos)
            ++refusals[f.filename().string() + " " + p];
        } else {
          ++failed;
          EXPECT_EQ(o.message.find("Infinity"), std::string::npos) << where;
        }
      }
    }
  }
  const double secs =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "sweep: " << files.size() << " files, " << calls << " calls (" << ran << " ran, "
            << refused << " refused, " << failed << " failed) in " << secs << " s\n";
  for (const auto& [k, n] : refusals)
    std::cout << "  non-finite result refused by the binder: " << k << " (" << n << ")\n";
  EXPECT_GT(calls, 1000u);
}

}  // namespace
