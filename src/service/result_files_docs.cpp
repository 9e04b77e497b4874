// clsMsMl: parameters of its operations and its error codes (36001xx to 36009xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterResultFilesDocs() {
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
