// Another program using the installed library: create a calculator by ProgID, call late-bound.
#include <frame/calculator.h>

#include <iostream>

int main() {
  auto m = tk::Registry::Create("TavrineKalbex.clsMaterial");
  if (!m) return 1;
  std::vector<tk::Arg> args = {{"c", tk::Variant::Double(22.5)}};
  const tk::Variant ec = tk::Invoke(*m, "CtoEc", args);
  std::cout << ec.d << "\n";
  return ec.d == 26750 ? 0 : 1;
}
