// Shared by the flexure and shear halves of clsMoment: error, warning and text numbers (flexure
// 1001xx, shear 2001xx).
#pragma once

#include <cstdint>

namespace tk::moment_codes {

// Flexure. 100101..100109 and 100199 stop; 100110..100112 are warnings with every output written.
inline constexpr int32_t kMuNegativeMoment = 100101, kMuNegativeArea = 100102, kMuBadFy = 100103,
                         kMuBadFcm = 100104, kMuBadB = 100105, kMuBadH = 100106, kMuBadAs = 100107,
                         kMuAsNotBelowH = 100108, kMuNoDepth = 100109, kMuXiOverGrade1 = 100110,
                         kMuXiOverGrade23 = 100111, kMuXiOverBalanced = 100112, kMuFault = 100199;
// Our own: a direction other than 1 or 2, a section position outside 1..5. They sit above the
// warning band 100110..100112 so callers that test for a valid design are not misled.
inline constexpr int32_t kMuBadDirection = 100113, kMuBadPosition = 100114;

// Shear. 200101..200109 and 200199 stop; 200110/200111 mean detailing stirrups only;
// 200112/200113 mean the section is too small (sKcal written, no stirrup area).
inline constexpr int32_t kVNegativeShear = 200101, kVNegativeArea = 200102, kVBadFyv = 200103,
                         kVBadFc = 200104, kVBadB = 200105, kVBadH = 200106, kVBadAs = 200107,
                         kVAsNotBelowH = 200108, kVBadSpacing = 200109,
                         kVDetailingOrdinary = 200110, kVDetailingSeismic = 200111,
                         kVSectionOrdinary = 200112, kVSectionSeismic = 200113, kVFault = 200199;
// Our own, as for flexure.
inline constexpr int32_t kVBadDirection = 200114, kVBadPosition = 200115;

// Texts of tTextById.
inline constexpr int32_t kTextCheckAdvice = 32095;     // advice after a warning line (shared)
inline constexpr int32_t kTextShearSectionOk = 32310;  // after the section-limit comparison

}  // namespace tk::moment_codes
