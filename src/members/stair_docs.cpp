// clsLtBs: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

namespace {

docs::ClassDoc StairDoc() {
  return {"clsLtBs",
          "楼梯设计",
          "stair design",
          {
              {"SubForm",
               "设置子窗体",
               "bind the host sub-form",
               {
                   {"frm", "in", "", "宿主窗体", "host form object", "{\"$form\": ...}"},
               }},
              {"PicForm",
               "设置图形窗体",
               "bind the host picture form",
               {
                   {"frm", "in", "", "宿主窗体", "host form object", "{\"$form\": ...}"},
               }},
              {"iCboBoxGotFocusIndex",
               "当前组合框",
               "remember which combo box has the focus",
               {
                   {"Index", "in", "", "组合框序号", "combo-box index", ""},
               }},
          }};
}

}  // namespace

void RegisterStairDocs() {
  docs::AddClass(StairDoc());
}

}  // namespace tk
