// clsBanOld: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// The input combo boxes CboB(0..15), read as text (leading number).
docs::ArrayFields InputFields() {
  return {
      "CboB",
      {
          {0, "kN/m²", "荷载（恒荷标准值、附加恒荷标准值或荷载设计值）",
           "load: total characteristic dead load, dead load without the slab's own weight, or "
           "design value q, as optB(12..14) says; >= 0"},
          {1, "kN/m²", "活荷标准值pk",
           "characteristic live load pk (>= 0; 4.0 and above takes 1.3 in place of 1.4)"},
          {2, "mm", "板厚h", "slab thickness h (> 0)"},
          {3, "mm", "纵筋合力点至近边距离as",
           "distance from the bar centroid to the near face as (> 0 and < h)"},
          {4, "", "混凝土强度等级", "concrete grade C (a grade of the material list)"},
          {5, "N/mm²", "砼弯曲抗压强度设计值fcm", "flexural compressive strength fcm (> 0)"},
          {6, "N/mm²", "钢筋强度设计值fy", "steel design strength fy (> 0)"},
          {7, "m", "计算宽度Lx", "span Lx (> 0)"},
          {8, "m", "计算高度Ly", "span Ly (> 0)"},
          {9, "%", "最小配筋率ρmin",
           "minimum reinforcement ratio ρmin (> 0 and < 100; at least 0.15 % for fcm <= 19, "
           "0.2 % above)"},
          {10, "", "准永久值系数ψq", "quasi-permanent factor ψq of the live load (>= 0)"},
          {11, "", "X向板底配筋增大系数", "factor on the X bottom reinforcement (>= 1.0)"},
          {12, "", "Y向板底配筋增大系数", "factor on the Y bottom reinforcement (>= 1.0)"},
          {13, "", "X向板面配筋增大系数", "factor on the X top (support) reinforcement (>= 1.0)"},
          {14, "", "Y向板面配筋增大系数", "factor on the Y top (support) reinforcement (>= 1.0)"},
          {15, "", "泊松比ν", "Poisson's ratio ν: 0.2 or 1/6 (0 <= ν < 0.5)"},
      }};
}

// The option buttons optB(0..14): three per edge (fixed, hinged, free), then the load kind.
docs::ArrayFields OptionFields() {
  return {"optB",
          {
              {0, "", "左端固端", "left edge fixed"},
              {1, "", "左端铰支", "left edge hinged"},
              {2, "", "左端自由", "left edge free"},
              {3, "", "下端固端", "bottom edge fixed"},
              {4, "", "下端铰支", "bottom edge hinged"},
              {5, "", "下端自由", "bottom edge free"},
              {6, "", "右端固端", "right edge fixed"},
              {7, "", "右端铰支", "right edge hinged"},
              {8, "", "右端自由", "right edge free"},
              {9, "", "上端固端", "top edge fixed"},
              {10, "", "上端铰支", "top edge hinged"},
              {11, "", "上端自由", "top edge free"},
              {12, "", "荷载为设计值q", "CboB(0) is the design value q"},
              {13, "", "荷载为恒荷标准值",
               "CboB(0) is the total characteristic dead load (also when no load option is on)"},
              {14, "", "荷载为附加恒荷标准值",
               "CboB(0) is the characteristic dead load without the slab's own weight (h/1000 * "
               "25 is added)"},
          }};
}

constexpr std::string_view kRowsEn =
    "bar options, one BgjRecordOld per row, scanned in order: D diameter text (mm), A spacing "
    "text (mm), As area per metre (mm²/m, whole number; a grade II row holds the equivalent "
    "grade I area As * Fy2 / 210), Two (True: grade II steel)";
constexpr std::string_view kRowsValues =
    "[{\"D\": \"8\", \"A\": \"150\", \"As\": 335, \"Two\": false}, ...]";
constexpr std::string_view kReadCodes =
    "0 the user's list read; 1 no file, or no list of this user: the default list; 2 the file is "
    "damaged: the default list (tMsg says so)";
constexpr std::string_view kWriteCodes =
    "0 written; 2 written, but BPJUSER.SFD was damaged (WriteCurrentUse keeps it as "
    "BPJUSER.SFD.BAK; tMsg says so); 3 the save failed, the previous file is intact (tMsg gives "
    "the reason)";

docs::Operation CalculateDoc() {
  return {"BCalculate",
          "双向板计算",
          "check the inputs and design the panel: moments, reinforcement, bars, crack width, "
          "deflection",
          {
              {"CboB", "in", "", "输入组合框数组", "host combo boxes of the inputs (see fields)",
               "{\"$controls\": [...]}"},
              {"ChkB", "in", "", "活荷不利布置",
               "ChkB(0) on: consider the unfavourable arrangement of the live load",
               "{\"$controls\": [...]}"},
              {"optB", "in", "", "支承条件及荷载类型选项",
               "host option buttons of the edges and the load kind (see fields)",
               "{\"$controls\": [...]}"},
              {"UseRecord", "in", "", "钢筋选项（空则取缺省）",
               "bar options as in ReadBPJ (empty: the default list, grade II at 310 N/mm²)",
               kRowsValues},
              {"tText", "in/out", "", "计算书（入口为构件编号）",
               "report; on entry the label of the panel", ""},
              {"tNd", "out", "", "挠度",
               "deflection text \"f ＝ … mm，f / L ＝ 1/…\" (empty when not checked)", ""},
              {"return", "out", "", "错误代码", "error code (kalbex explain CODE)",
               "0; 420101-420103 stop; 420199 fault"},
          },
          {InputFields(), OptionFields()}};
}

docs::Operation CheckDoc() {
  return {"BWhetherCalculate",
          "检查输入",
          "check the inputs and whether the panel can be computed; the first failure goes to the "
          "status bar",
          {
              {"CboB", "in", "", "输入组合框数组", "host combo boxes of the inputs (see fields)",
               "{\"$controls\": [...]}"},
              {"ToolBar1", "in", "", "工具栏",
               "host toolbar: Enabled set when the panel can be computed", "{\"$control\": ...}"},
              {"sbBar", "in", "", "状态栏", "host status bar: its Text receives the first failure",
               "{\"$control\": ...}"},
              {"optB", "in", "", "支承条件及荷载类型选项",
               "host option buttons of the edges and the load kind (see fields)",
               "{\"$controls\": [...]}"},
              {"ChkB", "in", "", "活荷不利布置", "ChkB(0): live-load arrangement",
               "{\"$controls\": [...]}"},
              {"return", "out", "", "可以计算",
               "True when the inputs pass and the panel can be computed", ""},
          },
          {InputFields(), OptionFields()}};
}

docs::Operation BarFileDoc(std::string_view name, std::string_view zh, std::string_view en) {
  return {name,
          zh,
          en,
          {
              {"UseRecord", name == "ReadBPJ" ? "out" : "in", "", "钢筋选项", kRowsEn, kRowsValues},
              {"tMsg", "out", "", "提示", "message when the file is damaged or the save fails", ""},
              {"tFolder", "in", "", "文件夹",
               "folder of BPJUSER.SFD (the current folder when empty)", ""},
              {"return", "out", "", "代码", "result of the file operation",
               name == "ReadBPJ" ? kReadCodes : kWriteCodes},
          }};
}

docs::Operation IndexOnly(std::string_view name, std::string_view zh, std::string_view en,
                          std::string_view index) {
  return {name, zh, en, {{"Index", "in", "", "控件序号", index, ""}}};
}

docs::Operation KeyPressDoc(std::string_view name, std::string_view en, std::string_view index) {
  return {name,
          "输入框按键",
          en,
          {
              {"Index", "in", "", "控件序号", index, ""},
              {"KeyAscii", "in/out", "", "按键代码",
               "key code typed; set to 0 when the key is refused", ""},
          }};
}

docs::ClassDoc SlabDoc() {
  return {"clsBanOld",
          "双向板设计",
          "two-way slab design",
          {
              docs::SubFormOp(),
              docs::IndexedTextOp(),
              CalculateDoc(),
              CheckDoc(),
              {"ReadBPJ_Gj",
               "缺省钢筋选项",
               "the default bar options (20 rows; grade II rows referred to grade I by Fy2/210)",
               {
                   {"UseRecord", "out", "", "钢筋选项", kRowsEn, kRowsValues},
                   {"Fy2", "in", "N/mm²", "Ⅱ级钢筋强度设计值",
                    "design strength of the grade II rows", "e.g. 310"},
               }},
              BarFileDoc("ReadBPJ", "读取钢筋选项",
                         "the current user's bar options from BPJUSER.SFD (the default list when "
                         "there is none)"),
              BarFileDoc("MakeBpjTempFile", "写钢筋选项临时文件",
                         "write BPJUSER1.TEMP: every user's list, the current user's replaced by "
                         "UseRecord"),
              BarFileDoc("WriteCurrentUse", "保存钢筋选项",
                         "save the current user's list (temporary file, then an atomic replace; a "
                         "damaged file is kept as BPJUSER.SFD.BAK)"),
              {"ChangeLblAs",
               "刷新钢筋面积标签",
               "refresh the area label of bar row Index from its diameter and spacing",
               {
                   {"Index", "in", "", "钢筋选项行号", "bar option row", ""},
                   {"sFy", "in", "N/mm²", "Ⅱ级钢筋强度设计值",
                    "fy of a grade II row: its label shows As * sFy / 210", ""},
                   {"CboD", "in", "", "直径组合框数组", "host combo boxes of the diameters (mm)",
                    "{\"$controls\": [...]}"},
                   {"CboA", "in", "", "间距组合框数组", "host combo boxes of the spacings (mm)",
                    "{\"$controls\": [...]}"},
                   {"ChkPj", "in", "", "Ⅱ级钢筋选择框", "host check boxes: on for grade II steel",
                    "{\"$controls\": [...]}"},
                   {"LblAs", "in", "", "面积标签数组",
                    "host labels; LblAs(Index) receives the area per metre (mm²/m)",
                    "{\"$controls\": [...]}"},
                   {"iMinA", "in", "mm", "最小间距",
                    "smallest spacing accepted; a smaller one shows no area", ""},
               }},
              {"Form_Load",
               "窗体初始化",
               "initialise the bound sub-form: captions, lists, the user's bar options, the check",
               {}},
              {"RmdXYEnable",
               "启用板面配筋增大系数",
               "enable CboB(13) when the left or right edge is fixed, CboB(14) when the bottom or "
               "top edge is",
               {}},
              IndexOnly("OptBClick", "选项按钮单击",
                        "an edge or load option clicked: captions, enabled factors, the check",
                        "optB index 0-14"),
              {"LblB8Caption",
               "荷载标签",
               "caption of the load label by the load option (荷载设计值, 恒荷标准值, "
               "附加恒荷标准值)",
               {}},
              {"DefaultBanPjFa",
               "恢复缺省钢筋选项",
               "put the default bar options (grade II at 310 N/mm²) into the form's rows",
               {}},
              KeyPressDoc("CboB_KeyPress",
                          "filter a key typed into CboB(Index): numbers only; \"/\" also in "
                          "CboB(15) for 1/6",
                          "CboB index 0-15"),
              KeyPressDoc("CboAD_KeyPress",
                          "filter a key typed into a diameter or spacing box: numbers only",
                          "bar option row"),
              IndexOnly("ChkB_Click", "活荷不利布置单击",
                        "the live-load arrangement box clicked: the check", "ChkB index (0)"),
              IndexOnly("ChkOpt_Click", "泊松比选择",
                        "ChkOpt(0) ν = 0.2 or ChkOpt(1) ν = 1/6 clicked: the other box and "
                        "CboB(15) follow",
                        "0 or 1"),
              {"LoadOrSaveData",
               "读取或保存数据",
               "load or save the inputs of the form (CboB 0-15, optB 0-14, ChkB 0)",
               {
                   {"tMode", "in", "", "读/存", "load or save (mode texts of the shared services)",
                    "读取数据, 保存数据"},
                   {"tDataSaveName", "in", "", "数据文件名", "data file (default QvfdB01.tav)", ""},
                   docs::kHostMainForm,
               }},
              {"bLoadOrSaveData",
               "读取或保存数据",
               "load or save the inputs of the form; False instead of a failure",
               {
                   {"tMode", "in", "", "读/存", "load or save (mode texts of the shared services)",
                    "读取数据, 保存数据"},
                   {"tDataSaveName", "in", "", "数据文件名", "data file (default QvfdB01.tav)", ""},
                   docs::kHostMainForm,
                   {"return", "out", "", "成功", "False when the file could not be read or written",
                    ""},
               }},
          }};
}

}  // namespace

void RegisterSlabDocs() {
  docs::AddClass(SlabDoc());
  docs::AddCodes({
      {420101, "clsBanOld", Outcome::Stop, "输入错误（计算书中给出原因）",
       "an input fails its check: not a number, out of range, span ratio outside its bounds, or "
       "no support chosen for an edge (the report names the input and its text)"},
      {420102, "clsBanOld", Outcome::Stop, "程序无法计算此类支承条件的板",
       "the slab-coefficient component cannot compute this combination of edge supports"},
      {420103, "clsBanOld", Outcome::Stop, "弯矩无法配筋（计算书中给出哪一弯矩）",
       "a moment could not be reinforced (section too small); the report names its area and "
       "goes on with the other moments, which are designed"},
      {420199, "clsBanOld", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault in the slab calculation"},
  });
}

}  // namespace tk
