// clsDlJcOld: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

std::vector<docs::Field> TextFields() {
  return {
      {0, "kPa", "地基承载力标准值fk（或设计值f）",
       "bearing capacity: fk when bOptB(0) is True (f is then computed by GBJ 7-89 eq. 5.1.3), "
       "else the design value f itself"},
      {1, "", "ηb", "width correction factor ηb"},
      {2, "", "ηd", "depth correction factor ηd"},
      {3, "kN/m³", "土的重度γ", "unit weight γ of the soil below the base"},
      {4, "kN/m³", "基础底面以上土的重度γo", "weighted unit weight γo of the soil above the base"},
      {5, "mm", "基础底面宽度b",
       "base width b of the bearing formula (set to min(a, b) when a and b are numbers; written "
       "back by the automatic sizing)"},
      {6, "mm", "基础埋置深度d", "embedment depth d"},
      {7, "kN", "轴力N",
       "column axial force N, compression positive (used only when no rColForce record has bCal)"},
      {8, "kN, mm", "附加荷载F'",
       "additional vertical loads \"Fx',Ey',Fy',Ex'\" (separated by \",\" or \"，\"; an empty part "
       "is 0): Fx' at eccentricity Ey', Fy' at Ex'"},
      {9, "kN·m", "Mx", "moment Mx' at the top of the footing (single case of the fields)"},
      {10, "kN·m", "My", "moment My' at the top of the footing (single case of the fields)"},
      {11, "mm", "基础长度a", "base length a, X direction (written back by the automatic sizing)"},
      {12, "mm", "基础宽度b", "base width b, Y direction (written back by the automatic sizing)"},
      {13, "mm", "基础根部高度H", "height H at the column (written back by the automatic sizing)"},
      {14, "mm", "柱宽度bc", "column width bc, Y direction"},
      {15, "mm", "柱高度hc", "column depth hc, X direction"},
      {16, "mm", "纵筋合力点至近边距离as", "distance as from the bar centroid to the base face"},
      {17, "", "混凝土强度等级", "concrete grade from the list (\"20\" or \"C20\")"},
      {18, "N/mm²", "钢筋强度fy", "steel design strength fy, a number or a steel grade text"},
      {19, "", "（未用）", "unused (not checked, not read)"},
      {20, "%", "最小配筋率ρmin",
       "minimum reinforcement ratio ρmin (the code minimum 0.15 % to C35, 0.20 % above, governs "
       "when larger)"},
      {21, "kN/m³ or kN", "砼容重γc（或基础自重、土重G）",
       "concrete unit weight γc, or G itself (kN) when bChkB(1) is True"},
      {22, "kN/m³", "土容重γs", "unit weight γs of the soil on the footing"},
      {23, "mm", "土层厚度d1", "thickness ds of the soil over the footing top"},
      {24, "kN", "Vx", "shear Vx at the top of the footing (single case of the fields)"},
      {25, "kN", "Vy", "shear Vy at the top of the footing (single case of the fields)"},
      {26, "", "柱子编号", "column number (> 0 and < 32767), printed in the control forces"},
      {27, "", "计算程序类别", "kind of calculation (host text; not checked, not read)"},
      {28, "", "数据文件的目录", "data file folder (host text; not checked, not read)"},
      {29, "", "地基土抗震承载力调整系数ξs",
       "seismic adjustment factor ξs of the bearing capacity (GBJ 11-89 eq. 3.2.2)"},
      {30, "°", "基础旋转角度α", "rotation α of the footing against the load axes, -180 to 180"},
      {31, "mm", "基础端部高度h",
       "height h at the footing edge, ≤ H (h = H: flat footing; written back by the automatic "
       "sizing)"},
  };
}

docs::Operation DlJcResultDoc() {
  return {
      "DlJcResult",
      "柱下扩展基础计算",
      "check the inputs and check (or size automatically) an isolated column footing",
      {
          {"lErr", "out", "", "错误代码", "error code (kalbex explain CODE)",
           "0; 700101-700104, 700154, 700178, 700179, 700301, 700302 input check (Index: the "
           "field); 700201, 700202 automatic sizing stopped; 700199 fault"},
          {"tText", "in/out", "", "计算书（入口为柱子标签）",
           "report; on entry the label printed after \"柱下扩展基础：\"; unchanged on an input "
           "error or a cancel",
           ""},
          {"Text", "in/out", "", "输入文本",
           "input texts by position (see fields); field 5 gets min(a, b), and the automatic "
           "sizing writes the final a, b, H, h into fields 11, 12, 13, 31",
           ""},
          {"bText", "in", "", "启用标志",
           "False skips the check of that field (a position beyond the array counts as True)", ""},
          {"bOptB", "in", "", "选项按钮", "option buttons by position (see fields)",
           "0: fk / f; 2: check; 3: automatic sizing; 4: third mode (runs as the check)"},
          {"bChkB", "in", "", "复选框", "check boxes by position (see fields)", ""},
          {"bListSel", "in", "", "列表选择",
           "not read: the concrete grade text is checked against the grade table", ""},
          {"rColForce", "in", "", "柱子控制内力",
           "control combinations rColForce(1..7), records {bCal, N, Mx, My, Vx, Vy, bNe}: bCal "
           "checks the combination; N the column axial force in kN with the analysis sign "
           "(compression negative, the footing takes -N); Mx, My the moments Mx', My' in kN·m and "
           "Vx, Vy the shears in kN at the top of the footing; bNe a seismic combination (checked "
           "against fsE and with 0.056·fc·bo·Ho/γRE). Without any bCal the single case of fields "
           "7, 9, 10, 24, 25 is checked",
           "ColComForceRecord"},
          {"Index", "out", "", "出错输入项",
           "index of the field at fault; 7 with lErr = 0 and no report when the user cancelled "
           "the long-run warning",
           ""},
          docs::kDataChecked,
      },
      {
          {"Text", TextFields()},
          {"bOptB",
           {
               {0, "", "按标准值fk计算", "True: field 0 is fk; False: field 0 is f"},
               {1, "", "按设计值f计算", "the host's twin of position 0 (not read)"},
               {2, "", "验算", "check the footing of fields 11, 12, 13, 31"},
               {3, "", "自动计算",
                "automatic sizing from a = hc + 100, b = bc + 100, H = 200 mm, enlarging until "
                "every check passes (fields 5, 11, 12, 13 not checked)"},
               {4, "", "第三种方式", "third mode, run as the check"},
           }},
          {"bChkB",
           {
               {0, "", "不提示长时间计算",
                "no warning box when N + F' ≥ 100000 kN in automatic sizing"},
               {1, "", "直接输入G", "field 21 is G itself (kN) instead of γc"},
               {2, "", "平板基础", "automatic sizing keeps the footing flat (h = H)"},
               {3, "", "显示图例", "legend of the picture (form only, not read)"},
               {4, "", "（未用）", "not read"},
           }},
          {"rColForce",
           {
               {1, "", "Vxmax", "combination of the largest Vx"},
               {2, "", "Vymax", "combination of the largest Vy"},
               {3, "", "Nmin", "combination of the smallest N"},
               {4, "", "Nmax", "combination of the largest N"},
               {5, "", "Mxmax", "combination of the largest Mx"},
               {6, "", "Mymax", "combination of the largest My"},
               {7, "", "D + L", "dead plus live load"},
           }},
      }};
}

docs::ClassDoc FootingDoc() {
  return {
      "clsDlJcOld",
      "柱下扩展基础",
      "isolated column footings to GBJ 7-89: bearing capacity, base pressures, punching, "
      "shear, bending and reinforcement, with automatic sizing",
      {
          docs::SubFormOp("bind the host sub-form (the shared services switch to form mode 3)"),
          docs::PicFormOp(),
          docs::IndexedTextOp(),
          {"DisplayPicture",
           "显示基础简图",
           "show the flat (H = h) or sloped (H > h) footing sketch and the legend on the "
           "picture form",
           {}},
          DlJcResultDoc(),
          docs::KeyPressOp(
              "filter a key typed into input box Index (field 8 a number list; 6, 9, 10, 24, 25, "
              "30 signed numbers; 26 digits; 18, 27, 28 text; others positive numbers)"),
          {"Form_Load",
           "窗体初始化",
           "fill the bound sub-form: captions and tool tips with unit signs, the concrete "
           "grade list, the captions of fields 0 and 21 for the options in force",
           {}},
          docs::LoadOrSaveOp(
              "load or save the inputs of the host form and the column-force records",
              "data file (default QvfdDlJc.tav)", true),
          {"ChkB_Click",
           "复选框",
           "check box Index clicked: 1 switches field 21 between γc and G; 3 shows or hides "
           "the legend",
           {
               {"Index", "in", "", "复选框序号", "check-box index", "1, 3 (others: no action)"},
           }},
          {"OptB_Click",
           "选项按钮",
           "option button Index clicked: 0, 1 switch field 0 between fk and f (fields 1 to 5 "
           "are enabled with fk); 2 to 4 choose the mode (automatic sizing disables a, b, H)",
           {
               {"Index", "in", "", "选项按钮序号", "option-button index", "0 to 4"},
           }},
          {"CboBClickAndChange",
           "组合框选择",
           "a choice made in CboB(Index): grade 17 and steel 18 show their strengths in the "
           "tool tip; a or b (11, 12) renew field 5; H or h (13, 31) redraw the sketch",
           {
               docs::kComboIndex,
           }},
          {"cmdZ_Click_1",
           "柱子控制内力",
           "show the column-force dialog \"柱下扩展基础\" modally with the 7 combinations "
           "held by the calculator and read them back",
           {
               {"frmColComForceDlJc", "in", "", "柱子控制内力窗体",
                "host column-force dialog (lblCase, chkCal, txtN, txtMx, txtMy, txtVx, txtVy, "
                "chkNe, items 0 to 6)",
                "{\"$form\": ...}"},
           }},
          {"Calculation",
           "读窗体并计算",
           "read the host form, run DlJcResult with the calculator's combinations, write the "
           "report and the sizes found back into the form",
           {
               {"tText", "in/out", "", "计算书（入口为柱子标签）", "report; on entry the label",
                ""},
               docs::kDataChecked,
           }},
          {"ChkOpt_Click",
           "选项复选框",
           "check-box twin Index of the mode options: chooses optB(2 + Index) and clears the "
           "others",
           {
               {"Index", "in", "", "复选框序号", "check-box index", "0 to 2"},
           }},
      }};
}

}  // namespace

void RegisterFootingDocs() {
  docs::AddClass(FootingDoc());
  docs::AddCodes({
      {700101, "clsDlJcOld", Outcome::Stop, "一栏应输入数值",
       "a field is not a number, field 8 cannot be read as \"Fx',Ey',Fy',Ex'\", or field 18 is "
       "neither a number nor a steel grade (Index: the field)"},
      {700102, "clsDlJcOld", Outcome::Stop, "应＞0",
       "a field that must be > 0 is not (fields 0, 5, 7, 11, 12, 13, 16, 18, 20, 26, 29, 31; "
       "Index: the field)"},
      {700103, "clsDlJcOld", Outcome::Stop, "应≥0",
       "a field that must not be negative is (fields 1 to 4, 21 to 23; Index: the field)"},
      {700104, "clsDlJcOld", Outcome::Stop, "砼强度等级应从列表框中选取",
       "concrete grade (field 17) not one of the list"},
      {700154, "clsDlJcOld", Outcome::Stop, "基础端部高度h应≤基础根部高度H",
       "edge height h (field 31) above the root height H (field 13)"},
      {700178, "clsDlJcOld", Outcome::Stop, "最小配筋率ρmin应＜100%",
       "minimum reinforcement ratio (field 20) of 100 % or above"},
      {700179, "clsDlJcOld", Outcome::Stop, "柱子编号应＜32767",
       "column number (field 26) of 32767 or above"},
      {700301, "clsDlJcOld", Outcome::Stop, "基础旋转角度α应≥-180°",
       "rotation α (field 30) below -180°"},
      {700302, "clsDlJcOld", Outcome::Stop, "基础旋转角度α应≤180°",
       "rotation α (field 30) above 180°"},
      {700199, "clsDlJcOld", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero) in the footing calculation; report as far "
       "as written"},
      {700201, "clsDlJcOld", Outcome::Stop, "地基承载力设计值偏低。请采取加大埋深等措施",
       "automatic sizing stopped: G/A is not below f, so no base size can pass (deepen the "
       "footing or raise f)"},
      {700202, "clsDlJcOld", Outcome::Stop, "自动计算未得到满足全部验算要求的基础尺寸",
       "automatic sizing stopped at its cap on passes: the footing written back and reported "
       "fails a check"},
      {700399, "clsDlJcOld", Outcome::Stop, "加大基础尺寸并重新计算",
       "inside the automatic sizing: enlarge the footing and repeat; never returned by "
       "DlJcResult"},
  });
}

}  // namespace tk
