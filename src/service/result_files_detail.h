// Inside clsMsMl: the line reader and the stages of the SATWE and TBSA readings. Kept apart from
// the class so that tests, the benchmark and the fuzz target can drive each stage on its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "service/gbk.h"

namespace tk::msml {

// Error codes of the result-file readings (lErr).
enum : int32_t {
  kErrFolderEmpty = 3600101,
  kErrFolderMissing = 3600102,
  kErrWnlMissing = 3600103,
  kErrWpjMissing = 3600104,
  kErrTbsa4Missing = 3600105,
  kErrStrucMissing = 3600106,
  // Ours: the caller's factors, checked before any file is read (see CheckFactors).
  kErrPsiqRange = 3600111,  // ψq outside 0..1
  kErrTfXsRange = 3600112,  // redistribution factor outside kMinTfXs..1
  kErrSatweBeamNotInWpj = 3600910,
  kErrSatweNoLoadCase = 3600920,
  kErrSatweBeamNotInWnl = 3600930,
  kErrSatweListingEnded = 3600940,
  // A number beyond the 32-bit float range, or a zero span under a vertical TBSA case: the
  // trapped run-time failures of each reading.
  kErrSatweFault = 3600999,
  kErrTbsaFloorNotFound = 3600810,
  kErrTbsaBeamNotFound = 3600820,
  kErrTbsaNoForceHeader = 3600830,
  kErrTbsaIncomplete = 3600840,
  // Ours: the general data in "Struc" do not give the five switches (see ReadTbsaHead).
  kErrTbsaBadHead = 3600850,
  kErrTbsaFault = 3600899,
};

// Reads a text file (or a block of memory) line by line through a fixed buffer, so memory stays
// flat whatever the file size. LF, CRLF and a lone CR all end a line; a UTF-8 byte-order mark is
// dropped; each line comes out as UTF-8 (GBK files are converted, see gbk::LineDecoder). A line
// longer than kMaxLine is cut there and the rest of it skipped: no real result line comes near
// it, and a damaged file must not make the reader take all memory.
class LineReader {
 public:
  static constexpr size_t kMaxLine = 1 << 20;
  static constexpr size_t kBuffer = 1 << 18;

  LineReader() = default;
  ~LineReader() { Close(); }
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool OpenFile(const std::string& path);
  // The bytes are not copied: they must outlive the reading.
  void OpenMemory(std::string_view bytes);
  void Close();
  bool is_open() const { return fd_ >= 0 || memory_; }
  // The next line without its line end; false at the end of the file. The view is valid until
  // the next call.
  bool Next(std::string_view& line);
  int64_t lines_read() const { return lines_; }
  gbk::LineDecoder::Encoding encoding() const { return decoder_.encoding(); }

 private:
  bool Fill();
  std::string_view Finish(std::string_view raw);
  // The bytes of the buffer up to the next line end; `ended` when the end was in the buffer (the
  // end and the LF after a CR are then consumed).
  std::string_view TakeSegment(bool& ended);

  int fd_ = -1;
  bool memory_ = false, eof_ = false, skip_lf_ = false, first_ = true;
  std::vector<char> buf_;
  const char* data_ = nullptr;
  size_t beg_ = 0, end_ = 0;
  std::string carry_;
  int64_t lines_ = 0;
  gbk::LineDecoder decoder_;
};

// --- character-wise text access (the files' column rules count characters, not bytes) --------

// Byte position `n` characters after `pos` (at most the end of the text).
size_t SkipChars(std::string_view s, size_t pos, size_t n);
// Up to `n` characters from `pos`.
std::string_view MidChars(std::string_view s, size_t pos, size_t n);
// From `pos` up to (not including) the next `stop`; to the end of the line when there is none.
std::string_view UpTo(std::string_view s, size_t pos, std::string_view stop);
// Values written as "<number>.<digits>": from `pos`, each value is the text up to and including
// the next "." and `after_dot` characters after it; the next value starts `gap` characters
// further on. Values that the line no longer holds read 0. Returns the leading-number values.
void ReadDotValues(std::string_view s, size_t pos, size_t after_dot, size_t gap, double* out,
                   size_t count);
// Whole number by the leading-number rule, rounded as the original's CInt; `ok` false when out of
// the 16-bit range (such a number matches no floor, beam or load case).
int32_t WholeNumber(std::string_view text, bool& ok);
// A force line begins with its load-case number in brackets, "(12)": the number and the column
// just after ")" (the line's end when it has none); false for a line without such a number.
bool BracketedCaseNumber(std::string_view line, int32_t& number, size_t& after);

// --- working data -----------------------------------------------------------------------------

// Load slots 1-8 (earthquake X, Y; wind X, Y; dead or dead+live; live; live (M-); live (M+)) ×
// beam sections 1-9, kN·m as read. Index 0 of both is unused so the code reads like the tables.
struct MomentTable {
  float m[9][10] = {};
  float& at(int slot, int section) { return m[slot][section]; }
  float at(int slot, int section) const { return m[slot][section]; }
};

struct CaseFlags {
  bool earthquake = false, wind = false, live_arrangement = false;
};

// One load case of the file and the slot it fills (0: read but not used).
struct CaseSlot {
  int32_t number = 0;
  int slot = 0;
};

struct Governing {
  float ms[3][2] = {};
  int16_t load_case[3][2] = {};
  int span_section = 2;  // section of the largest span moment
};

enum class Mode { Satwe = 0, Tbsa = 1 };

// ψw, ψe and the 99 combination values at one section; `n` 1..99.
double CombinationValue(const MomentTable& t, int n, int section, float f, bool bGaoCeng);
// Whether combination `n` may govern for a file with these cases.
bool CombinationAllowed(int n, const CaseFlags& flags, bool bGaoCeng);
Governing CalMsCombination(const MomentTable& t, const CaseFlags& flags, bool bGaoCeng,
                           float sTfXs);
// Long-term moment at one section; any mode but the two gives 0.
float CalMl(const MomentTable& t, int mode, int section, float sPsiq);

// --- SATWE ------------------------------------------------------------------------------------

struct WpjBeam {
  bool found = false;
  float sB = 0, sH = 0;
  double top[9] = {}, btm[9] = {};
};
// Beam line and reinforcement of WPJ*.OUT. Returns 0 or 3600910.
int32_t ReadWpjBeam(LineReader& r, int iBeam, WpjBeam& out);

struct WnlBeam {
  MomentTable t;
  CaseFlags flags;
  std::vector<CaseSlot> cases;  // recognised cases, at most 8
};
// Load-case list and the beam's internal forces of WNL*.OUT. Returns 0, 3600920, 3600930 or
// 3600940.
int32_t ReadWnlBeam(LineReader& r, int iBeam, WnlBeam& out);

// --- TBSA -------------------------------------------------------------------------------------

inline constexpr std::string_view kTbsaV5 = "TBSA （V5.0 Windows版本）";

struct TbsaHead {
  bool vertical = false, additional = false, wind = false, earthquake = false;
  int direction = 0;            // 1 = X, 2 = Y, 3 = X and Y
  std::vector<CaseSlot> cases;  // every case number in order, slot 0 for the additional case
  int recognised = 0;           // numbers given to slots
  bool lateral = false;
};
// General data of "Struc": the five switches and the load-case numbering. `lines` counts the
// lines read. Returns 0 or 3600850.
int32_t ReadTbsaHead(LineReader& r, std::string_view tVer, TbsaHead& head, int32_t& lines);

struct TbsaBeam {
  bool found = false;
  float sB = 0, sH = 0;
  double BL = 0, fc = 0;
  double as[6][2] = {};  // pairs 1-5 (first, second element), cm² × 100 = mm²
  MomentTable t;
};
// Floor, beam line, force table and reinforcement of Tbsa4.OUT. Returns 0, 3600810, 3600820,
// 3600830 or 3600840.
int32_t ReadTbsaBeam(LineReader& r, const TbsaHead& head, int iCs, int iBeam, TbsaBeam& out);

}  // namespace tk::msml
