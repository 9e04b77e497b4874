// The slab's bar options: the default list, the per-user file "BPJUSER.SFD" and the area label of
// a bar row on the form.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "members/slab.h"
#include "members/slab_detail.h"
#include "members/slab_equations.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace tk {

using namespace slab;

namespace {

// The bar options file: the header, then the entry "当前用户" with the user who wrote the file
// last, then one entry "用户信息" per user: the user name, the number of rows n and n rows of four
// values D, A, As, Two ("True"/"False").
constexpr const char* kBpjHeader = "Tavrine_BPJUSER_V2026";
constexpr const char* kKeyCurrent = "当前用户";
constexpr const char* kKeyUser = "用户信息";

struct UserList {
  std::string user;
  std::vector<BgjRecordOld> rows;
};
struct BpjFile {
  int32_t code = kBpjOk;  // kBpjOk, kBpjDefaults (no file) or kBpjDamaged
  std::string current;
  std::vector<UserList> users;
};

std::string PathIn(const std::string* folder, const char* name) {
  if (!folder || Trim(*folder).empty()) return name;
  return (std::filesystem::path(Trim(*folder)) / name).string();
}

bool ParseInt(const std::string& t, int32_t& out) {
  const std::string s = Trim(t);
  if (!IsNumericText(s)) return false;
  const double x = LeadingNumber(s);
  if (x != std::floor(x) || x < -2147483648.0 || x > 2147483647.0) return false;
  out = static_cast<int32_t>(x);
  return true;
}

BpjFile ReadBpjFile(const std::string& path) {
  BpjFile f;
  SavedInput in;
  const int32_t code = modKalbex::Persistence().Load(path, {kBpjHeader}, in);
  if (code == persistcode::kNoFile && !FileExists(path)) {
    f.code = kBpjDefaults;
    return f;
  }
  auto damaged = [&] {
    f.code = kBpjDamaged;
    f.users.clear();
    return f;
  };
  if (code != persistcode::kOk) return damaged();
  const auto& v = in.values;
  if (v.size() < 2 || v[0] != kKeyCurrent) return damaged();
  f.current = v[1];
  size_t i = 2;
  while (i < v.size()) {
    int32_t n = 0;
    if (v[i] != kKeyUser || i + 2 >= v.size() || !ParseInt(v[i + 2], n) || n < 0 ||
        v.size() - (i + 3) < static_cast<size_t>(n) * 4)
      return damaged();
    UserList u{v[i + 1], {}};
    i += 3;
    for (int32_t r = 0; r < n; ++r, i += 4) {
      BgjRecordOld row{v[i], v[i + 1], 0, false};
      if (!ParseInt(v[i + 2], row.As)) return damaged();
      if (v[i + 3] == "True")
        row.Two = true;
      else if (v[i + 3] != "False")
        return damaged();
      u.rows.push_back(std::move(row));
    }
    f.users.push_back(std::move(u));
  }
  return f;
}

std::string DamagedMessage() {
  return std::string("钢筋选项文件“") + kBpjFile + "”已损坏，已载入缺省的钢筋选项。";
}

}  // namespace

std::string slab::CurrentUserName() {
#ifdef _WIN32
  const char* keys[] = {"USERNAME"};
#else
  const char* keys[] = {"USER", "LOGNAME"};
#endif
  for (const char* k : keys)
    if (const char* v = std::getenv(k); v && *v) return v;
#ifndef _WIN32
  if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) return pw->pw_name;
#endif
  return "";
}

void clsBanOld::ReadBPJ_Gj(VBArray<BgjRecordOld>& UseRecord, float& Fy2) {
  const auto rows = DefaultBarRows(Fy2);
  UseRecord.ReDim(0, static_cast<int32_t>(rows.size()) - 1);
  for (size_t k = 0; k < rows.size(); ++k) UseRecord.data[k] = rows[k];
}

int32_t clsBanOld::ReadBPJ(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg,
                           std::string* tFolder) {
  const BpjFile f = ReadBpjFile(PathIn(tFolder, kBpjFile));
  const std::string user = CurrentUserName();
  if (tMsg) tMsg->clear();
  for (const auto& u : f.users)
    if (u.user == user && !u.rows.empty()) {
      UseRecord.lbound = 0;
      UseRecord.data = u.rows;
      return kBpjOk;
    }
  float fy2 = static_cast<float>(kFyGradeII);
  ReadBPJ_Gj(UseRecord, fy2);
  if (f.code == kBpjDamaged) {
    if (tMsg) *tMsg = DamagedMessage();
    return kBpjDamaged;
  }
  return kBpjDefaults;
}

int32_t clsBanOld::MakeBpjTempFile(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg,
                                   std::string* tFolder) {
  const BpjFile f = ReadBpjFile(PathIn(tFolder, kBpjFile));
  const std::string user = CurrentUserName();
  auto w = modKalbex::Persistence().BeginSave(PathIn(tFolder, kBpjTemp), kBpjHeader);
  w->Write(std::string_view(kKeyCurrent));
  w->Write(std::string_view(user));
  auto writeList = [&](const std::string& name, const std::vector<BgjRecordOld>& rows) {
    w->Write(std::string_view(kKeyUser));
    w->Write(std::string_view(name));
    w->Write(std::string_view(std::to_string(rows.size())));
    for (const auto& r : rows) {
      w->Write(std::string_view(r.D));
      w->Write(std::string_view(r.A));
      w->Write(std::string_view(std::to_string(r.As)));
      w->Write(r.Two);
    }
  };
  for (const auto& u : f.users)
    if (u.user != user) writeList(u.user, u.rows);
  writeList(user, UseRecord.data);
  std::string error;
  if (w->Commit(&error) != persistcode::kOk) {
    if (tMsg) *tMsg = error;
    return kBpjWriteFailed;
  }
  if (tMsg) *tMsg = f.code == kBpjDamaged ? DamagedMessage() : std::string();
  return f.code == kBpjDamaged ? kBpjDamaged : kBpjOk;
}

// A damaged file is kept as "BPJUSER.SFD.BAK" before it is replaced, so the lists it may still
// hold are not lost.
int32_t clsBanOld::WriteCurrentUse(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg,
                                   std::string* tFolder) {
  std::string msg;
  const int32_t code = MakeBpjTempFile(UseRecord, &msg, tFolder);
  if (code == kBpjWriteFailed) {
    if (tMsg) *tMsg = msg;
    return code;
  }
  const std::string path = PathIn(tFolder, kBpjFile), temp = PathIn(tFolder, kBpjTemp);
  std::error_code ec;
  if (code == kBpjDamaged) {
    std::filesystem::copy_file(path, path + ".BAK",
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
      std::filesystem::remove(temp, ec);
      if (tMsg) *tMsg = "无法保留已损坏的钢筋选项文件：" + ec.message();
      return kBpjWriteFailed;
    }
    msg =
        std::string("钢筋选项文件“") + kBpjFile + "”已损坏，原文件已另存为“" + kBpjFile + ".BAK”。";
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    if (tMsg) *tMsg = "无法保存钢筋选项：" + ec.message();
    return kBpjWriteFailed;
  }
  if (tMsg) *tMsg = msg;
  return code == kBpjDamaged ? kBpjDamaged : kBpjOk;
}

// iMinA is the smallest spacing the form accepts (mm): a spacing below it, or not positive,
// shows the caption "As：" without an area.
void clsBanOld::ChangeLblAs(int16_t& Index, float& sFy, HostRef& CboD, HostRef& CboA,
                            HostRef& ChkPj, HostRef& LblAs, int16_t& iMinA) {
  const HostRef lbl = ItemOf(LblAs, Index);
  const std::string dText = Trim(ItemText(CboD, Index));
  const double d = LeadingNumber(dText), s = LeadingNumber(ItemText(CboA, Index));
  if (d < 0) {
    modKalbex::Ui().MsgBox("输入错误：钢筋直径＝ " + dText + " < 0", mb::kOkOnly | mb::kCritical,
                           "错误");
    SetText(lbl, "Caption", "As：");
    return;
  }
  if (!(s > 0) || s < iMinA) {
    SetText(lbl, "Caption", "As：");
    return;
  }
  const double As = d * d * kPiSingle / 4 / s * 1000;
  if (ItemOn(ChkPj, Index)) {
    SetText(lbl, "Caption", " 钢筋折算面积 As：" + FormatNumber(As * sFy / kFyGradeI, "0"));
    SetText(lbl, "ToolTipText", " 钢筋折算面积 As为 实际面积 * Ⅱ级钢筋fy /210 ");
  } else {
    SetText(lbl, "Caption", "As：" + FormatNumber(As, "0"));
    SetText(lbl, "ToolTipText", "");
  }
}

}  // namespace tk
