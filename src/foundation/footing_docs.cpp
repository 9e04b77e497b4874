// clsDlJcOld: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

namespace {

docs::ClassDoc FootingDoc() {
  return {"clsDlJcOld",
          "独立柱基础",
          "isolated column footings",
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
              {"tValue",
               "设置序号文本",
               "hand an indexed text to the shared services",
               {
                   {"Index", "in", "", "控件或输入项序号",
                    "index of the host control or input field", ""},
                   {"text", "in", "", "文本", "text for that index", ""},
               }},
          }};
}

}  // namespace

void RegisterFootingDocs() {
  docs::AddClass(FootingDoc());
}

}  // namespace tk
