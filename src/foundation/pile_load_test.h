// clsZtj: pile static load-test statistics (JGJ 94-94 appendix C).
//
// Working form bound by Let_Controls (controls looked up once by name; any may be absent):
//   TxtEngName    project name ("Text")
//   LstQui        list of the measured ultimate capacities Qui in kN, pile 1 first ("List")
//   TxtQui        entry box for one Qui ("Text")
//   CboPrecision  grid of the root search, e.g. "1000" ("Text")
//   PrgBar        progress indicator ("Value")
//   cmdZj         buttons: (0) add TxtQui to the list, (1) delete the selected pile, (2) clear
//   LblTs         prompt label ("Caption"): pile count or the input message
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"
#include "frame/variant.h"

namespace tk {

class TK_API clsZtj : public Calculator<clsZtj> {
 public:
  clsZtj();
  ~clsZtj() override;
  static const ClassInfo& ClassInfoOf();

  // Main form to the shared services component; frmX becomes the working form.
  void Let_Controls(HostRef& frmM, HostRef& frmX);

  void CalZtj(int32_t lPrecision, std::string& tText, const std::string& tEngName,
              VBArray<double>& dQui, HostRef prgBar);
  void Calculate(std::string& tText);
  void cmdZj_Click(int16_t Index);

  // Ascending in place over a[lo..hi]: recursive quicksort, middle element as pivot.
  static void SortZtjAlpha(std::vector<double>& a, int lo, int hi);

  // One root of A0 + A1 λ + A2 λ² + A3 λ³ + A4 λ⁴ = 0 in (0, 1] by the downward grid scan.
  struct Root {
    bool found = false;
    double lambda = 0;
    double F = 0;
  };
  static Root SolveQuartic(const double (&A)[5], int32_t lPrecision);
  // Decimals of λ for a precision setting: round(log10(lPrecision)).
  static int DecimalsOf(int32_t lPrecision);

 private:
  // Looks up the named controls of the working form once.
  void BindControls();
  HostRef work_form_;
  HostRef txt_eng_, lst_qui_, txt_qui_, cbo_precision_, prg_bar_, cmd_zj_, lbl_ts_;
};

}  // namespace tk
