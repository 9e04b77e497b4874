// clsMsMl: parameters of its operations and its error codes (36001xx to 36009xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

docs::ClassDoc ResultFilesDoc() {
  return {
      "clsMsMl",
      "由SATWE、TBSA结果文件求控制弯矩",
      "governing beam moments from SATWE and TBSA result files",
      {
          {"CalMaxMsForSATWE_1129",
           "SATWE结果文件的控制弯矩",
           "governing moments from the SATWE files WPJ*.OUT and WNL*.OUT",
           {
               docs::ErrorCode("lErr"),
               {"tFilePath", "in", "", "SATWE结果文件目录", "folder of the SATWE result files", ""},
               {"sMsReturn", "out", "kN·m", "控制弯矩表",
                "governing moment table, 3 × 2: rows left end, span, right end; column 0 most "
                "negative, 1 most positive",
                ""},
               {"iLoadCaseReturn", "out", "", "控制工况号",
                "load-combination number of each governing moment (3 × 2)",
                "1 to 99 (kalbex explain: tMs_LoadCase)"},
               {"sAsPjReturn", "out", "mm²", "配筋面积",
                "reinforcement area of the analysis program (3 × 2; column 0 top, 1 bottom)", ""},
               {"iCs", "in", "", "楼层号", "floor number", ""},
               {"iBeam", "in", "", "梁号", "beam number", ""},
               {"sB", "out", "mm", "梁宽b", "section width as printed in the file", ""},
               {"sH", "out", "mm", "梁高h", "section height as printed in the file", ""},
               {"bGaoCeng", "in", "", "高层建筑",
                "high-rise building: wind factor ψw = 1.0 and combinations with 0.2 wind", ""},
               {"sPsiq", "in", "", "准永久值系数ψq",
                "quasi-permanent coefficient ψq of the live load", "0 to 1 (else 3600111)"},
               {"sMlReturn", "out", "kN·m", "长期弯矩Ml",
                "long-term moment Ml per row (indices 0-2)", ""},
               docs::kErrorMessage,
               {"sTfXs", "in", "", "调幅系数", "moment redistribution coefficient",
                "0.7 to 1 (else 3600112)"},
           }},
          {"CalMaxMsForTbsa",
           "TBSA结果文件的控制弯矩",
           "governing moments from the TBSA files Struc and Tbsa4.OUT",
           {
               docs::ErrorCode("lErr"),
               {"lCurrentLine", "out", "", "已读总信息行数",
                "number of lines of the general data read", ""},
               {"tFilePath", "in", "", "TBSA结果文件目录", "folder of the TBSA result files", ""},
               {"tVer", "in", "", "程序版本", "program version text", ""},
               {"sMsReturn", "out", "kN·m", "控制弯矩表",
                "governing moment table, 3 × 2: rows left end, span, right end; column 0 most "
                "negative, 1 most positive",
                ""},
               {"iLoadCaseReturn", "out", "", "控制工况号",
                "load-combination number of each governing moment (3 × 2)", "1 to 99"},
               {"sAsPjReturn", "out", "mm²", "配筋面积",
                "reinforcement area of the analysis program (3 × 2; column 0 top, 1 bottom)", ""},
               {"iCs", "in", "", "楼层号", "floor number", ""},
               {"iBeam", "in", "", "梁号", "beam number", ""},
               {"sB", "out", "mm", "梁宽b", "section width", ""},
               {"sH", "out", "mm", "梁高h", "section height", ""},
               {"bGaoCeng", "in", "", "高层建筑", "high-rise building", ""},
               {"sC", "out", "", "混凝土强度等级", "concrete grade number read from the file's fc",
                ""},
               {"sPsiq", "in", "", "准永久值系数ψq", "quasi-permanent coefficient ψq",
                "0 to 1 (else 3600111)"},
               {"sMlReturn", "out", "kN·m", "长期弯矩Ml", "long-term moment Ml per row", ""},
               docs::kErrorMessage,
               {"sTfXs", "in", "", "调幅系数", "moment redistribution coefficient",
                "0.7 to 1 (else 3600112)"},
           }},
          {"tMs_LoadCase",
           "荷载组合名称",
           "name of a load combination",
           {
               {"iLoadCase", "in", "", "荷载组合号", "load-combination number", "1 to 99"},
               {"return", "out", "", "荷载组合名称", "text \"工况组合：(n) 恒 + ...\"", ""},
           }},
          {"CheckFileExist_MsMl",
           "检查结果文件",
           "check that the result files exist",
           {
               docs::ErrorCode("lErr"),
               {"tVer", "in", "", "程序", "analysis program", "satwe, wnl*.out, tbsa"},
               {"tFilePath", "in", "", "结果文件目录", "folder of the result files", ""},
               {"tCs", "in", "", "楼层号", "floor number as text", ""},
               {"tErr", "out", "", "缺少的文件或目录", "the missing file or folder", ""},
           }},
      }};
}

}  // namespace

void RegisterResultFilesDocs() {
  docs::AddClass(ResultFilesDoc());
  docs::AddCodes({
      {3600101, "clsMsMl", Outcome::Stop, "结果文件目录为空", "the result folder text is empty"},
      {3600102, "clsMsMl", Outcome::Stop, "结果文件目录不存在",
       "the result folder does not exist (tErr: the folder)"},
      {3600103, "clsMsMl", Outcome::Stop, "找不到WNL*.OUT文件",
       "SATWE: WNL<floor>.OUT missing (tErr: the file name)"},
      {3600104, "clsMsMl", Outcome::Stop, "找不到WPJ*.OUT文件",
       "SATWE: WPJ<floor>.OUT missing (tErr: the file name)"},
      {3600105, "clsMsMl", Outcome::Stop, "找不到Tbsa4.OUT文件", "TBSA: Tbsa4.OUT missing"},
      {3600106, "clsMsMl", Outcome::Stop, "找不到Struc文件", "TBSA: Struc missing"},
      {3600111, "clsMsMl", Outcome::Stop, "准永久值系数ψq应在0～1之间",
       "sPsiq outside 0 to 1 (or not a number) while Ml is asked for; nothing read or written"},
      {3600112, "clsMsMl", Outcome::Stop, "调幅系数应在0.7～1之间",
       "sTfXs outside 0.7 to 1 (or not a number); nothing read or written"},
      {3600910, "clsMsMl", Outcome::Stop, "WPJ文件中找不到该梁",
       "SATWE: beam not found in the WPJ file, or its reinforcement lines hold no data"},
      {3600920, "clsMsMl", Outcome::Stop, "WNL文件中无可识别的荷载工况",
       "SATWE: no recognised load case in the WNL file"},
      {3600930, "clsMsMl", Outcome::Stop, "WNL文件中找不到该梁",
       "SATWE: beam not found in the WNL internal-force listing"},
      {3600940, "clsMsMl", Outcome::Stop, "WNL文件在该梁的最后一个工况前结束",
       "SATWE: the listing ended before the beam's last load case"},
      {3600999, "clsMsMl", Outcome::Fault, "读SATWE结果文件时出错",
       "SATWE: fault while reading the result files"},
      {3600810, "clsMsMl", Outcome::Stop, "Tbsa4.OUT中找不到该层", "TBSA: floor not found"},
      {3600820, "clsMsMl", Outcome::Stop, "Tbsa4.OUT中找不到该梁",
       "TBSA: beam not found (width 0)"},
      {3600830, "clsMsMl", Outcome::Stop, "Tbsa4.OUT中找不到内力表头",
       "TBSA: force-table header not found"},
      {3600840, "clsMsMl", Outcome::Stop, "该梁的内力或配筋数据不完整",
       "TBSA: load-case rows incomplete or reinforcement line empty"},
      {3600850, "clsMsMl", Outcome::Stop, "Struc文件的总信息无法识别",
       "TBSA: the general data at the head of Struc cannot be read"},
      {3600899, "clsMsMl", Outcome::Fault, "读TBSA结果文件时出错",
       "TBSA: fault while reading the result files"},
  });
}

}  // namespace tk
