// clsMVT: bending, shear and torsion design of rectangular, T, inverted-T, inverted-L and I beam
// sections to GBJ 10-89, with the frame-beam rules of GBJ 11-89.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"

namespace tk {

class TK_API clsMVT : public Calculator<clsMVT> {
 public:
  clsMVT();
  ~clsMVT() override;
  static const ClassInfo& ClassInfoOf();

  // One section for M, V and T: flexure, then shear, then (mode 0, T ≠ 0) torsion.
  void MVTCommon(int32_t& lErr, std::string& tErr, VBArray<int32_t>& lErrCon,
                 VBArray<std::string>& tErrCon, int16_t& iCalMode, int16_t& iSecPos,
                 std::string& tJmXs, bool& bBE, bool& bEA, bool& bConF, bool& bQdSjz, float& c,
                 float& Fcm, float& Ft, double& Fy, double& Fy1, double& Fyv, float& Rlfo,
                 std::string& tAs1, double& M, double& dAs, double& V, double& Asv, double& T,
                 float& B, float& H, float& Bf, float& Hf, float& Bf1, float& Hf1, float& Cas,
                 float& Cas1, float Pmin, float& P, float& S, float& A, float& Smax, float& Dmin,
                 double& AsvMin, double& Ast1, double& AstL, double& Asvt, float& Es,
                 float* Kcb = nullptr, float* KcE = nullptr, float* Kc = nullptr,
                 bool* bTextOut = nullptr, std::string* tText = nullptr,
                 std::string* tEng = nullptr, std::string* tBh = nullptr);

  // Checks the host's input texts in index order; the first failure sets lErr, tErr and Index.
  void CheckMvtEnter(int32_t& lErr, VBArray<std::string>& Text, VBArray<bool>& bText,
                     int16_t& Index, bool& bShowRtb, std::string& tErr, bool& bQdSjz);

  // Filters a key typed into input box Index.
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);

  // Input-box layout of the host form (indices of Text() in CheckMvtEnter and CboB_KeyPress).
  enum Field : int16_t {
    kFieldConcrete = 5,
    kFieldFcm = 6,
    kFieldFt = 7,
    kFieldFy = 8,
    kFieldFy1 = 9,
    kFieldFyv = 10,
    kFieldGammaO = 11,
    kFieldMorAs = 12,
    kFieldAs1 = 13,
    kFieldVorAsv = 14,
    kFieldT = 15,
    kFieldB = 16,
    kFieldH = 17,
    kFieldBf = 18,
    kFieldHf = 19,
    kFieldBf1 = 20,
    kFieldHf1 = 21,
    kFieldAs = 22,
    kFieldPmin = 23,
    kFieldS = 24,
    kFieldA = 25,
    kFieldCount = 26
  };

 private:
  bool bTextOut_ = false;  // kept for the whole call: every stage writes report text only when set
};

}  // namespace tk
