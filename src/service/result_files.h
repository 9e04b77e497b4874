// clsMsMl: governing beam moments read from SATWE and TBSA result files.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/filesystem.h"
#include "frame/records.h"

namespace tk {

// The governing-moment tables (sMsReturn, iLoadCaseReturn, sAsPjReturn) are 3 × 2 arrays with
// both indices from 0: rows left end, span, right end; columns most negative / most positive
// moment (reinforcement: top / bottom). Late-bound callers pass them as arrays of rows.
class TK_API clsMsMl : public Calculator<clsMsMl> {
 public:
  clsMsMl();
  ~clsMsMl() override;
  static const ClassInfo& ClassInfoOf();

  // Redistribution coefficient when the caller gives none: 1 leaves the elastic moments as the
  // analysis printed them, the only choice that is safe without the engineer's say.
  static constexpr float kDefaultTfXs = 1.0f;
  // ψq when the caller asks for Ml without giving it: GBJ 9-87 table 3.1.1 gives 0.4 for the
  // commonest floors (dwellings, offices, schools).
  static constexpr float kDefaultPsiq = 0.4f;

  void CalMaxMsForSATWE_1129(int32_t& lErr, const std::string& tFilePath,
                             VBArray<VBArray<float>>& sMsReturn,
                             VBArray<VBArray<int16_t>>& iLoadCaseReturn,
                             VBArray<VBArray<float>>& sAsPjReturn, int16_t iCs, int16_t iBeam,
                             float& sB, float& sH, bool bGaoCeng,
                             std::optional<float> sPsiq = std::nullopt,
                             VBArray<float>* sMlReturn = nullptr, std::string* tErr = nullptr,
                             std::optional<float> sTfXs = std::nullopt);

  // TBSA numbers its load cases from the general data: vertical, an additional case, wind,
  // earthquake. The force rows are read until the row whose number equals the count of cases
  // given to moment slots, so with an additional case the last lateral case of the run is not
  // reached and its moments stay 0 (TBSA's own numbering rule; kept as it is).
  void CalMaxMsForTbsa(int32_t& lErr, int32_t& lCurrentLine, const std::string& tFilePath,
                       const std::string& tVer, VBArray<VBArray<float>>& sMsReturn,
                       VBArray<VBArray<int16_t>>& iLoadCaseReturn,
                       VBArray<VBArray<float>>& sAsPjReturn, int16_t iCs, int16_t iBeam, float& sB,
                       float& sH, bool bGaoCeng, float& sC,
                       std::optional<float> sPsiq = std::nullopt,
                       VBArray<float>* sMlReturn = nullptr, std::string* tErr = nullptr,
                       std::optional<float> sTfXs = std::nullopt);

  // "工况组合：(n) 恒 ..." for combination 1..99; an empty text for any other number.
  std::string tMs_LoadCase(int16_t iLoadCase);

  void CheckFileExist_MsMl(int32_t& lErr, const std::string& tVer, const std::string& tFilePath,
                           const std::string& tCs, std::string& tErr);

  // The file-system component (created on first use); a host may hand in its own.
  IFileSystem& FileSystem();
  void SetFileSystem(std::unique_ptr<IFileSystem> fs) { fs_ = std::move(fs); }

 private:
  std::unique_ptr<IFileSystem> fs_;
};

}  // namespace tk
