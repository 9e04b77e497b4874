#include "frame/persistence.h"

#include "frame/text.h"

namespace tk {

namespace {
void AppendEscaped(std::string& out, std::string_view v) {
  for (char c : v) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out.push_back(c);
  }
}
std::string Unescape(std::string_view v) {
  std::string s;
  s.reserve(v.size());
  for (size_t k = 0; k < v.size(); ++k) {
    if (v[k] == '\\' && k + 1 < v.size()) {
      const char n = v[++k];
      s.push_back(n == 'n' ? '\n' : n == 'r' ? '\r' : n);
    } else {
      s.push_back(v[k]);
    }
  }
  return s;
}
}  // namespace

SavedInputWriter::SavedInputWriter(const std::string& path, std::string_view header) : file_(path) {
  AppendEscaped(buf_, header);
  buf_.push_back('\n');
}

void SavedInputWriter::Write(std::string_view value) {
  AppendEscaped(buf_, value);
  buf_.push_back('\n');
  if (buf_.size() > 1 << 16) {
    file_.Write(buf_);
    buf_.clear();
  }
}
void SavedInputWriter::Write(double value) {
  Write(ShortestText(value));
}
void SavedInputWriter::Write(bool value) {
  Write(std::string_view(value ? "True" : "False"));
}

int32_t SavedInputWriter::Commit(std::string* error) {
  file_.Write(buf_);
  buf_.clear();
  if (!file_.Commit()) {
    if (error) *error = file_.error();
    return persistcode::kWriteFailed;
  }
  return persistcode::kOk;
}

std::unique_ptr<SavedInputWriter> FilePersistence::BeginSave(const std::string& path,
                                                             std::string_view header) {
  return std::make_unique<SavedInputWriter>(path, header);
}

int32_t FilePersistence::Load(const std::string& path, const std::vector<std::string>& known,
                              SavedInput& out, std::string* error) {
  std::string bytes;
  switch (ReadRegularFile(path, bytes, kMaxSavedInputBytes)) {
    case ReadStatus::kOk:
      break;
    case ReadStatus::kTooLarge:
      if (error) *error = tCodeMessage(persistcode::kTooLarge, path);
      return persistcode::kTooLarge;
    default:
      if (error) *error = tCodeMessage(persistcode::kNoFile, path);
      return persistcode::kNoFile;
  }
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t nl = bytes.find('\n', start);
    if (nl == std::string::npos) nl = bytes.size();
    std::string_view line(bytes.data() + start, nl - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(Unescape(line));
    start = nl + 1;
  }
  const std::string header = lines.empty() ? std::string() : Trim(lines.front());
  for (size_t v = 0; v < known.size(); ++v) {
    if (header == known[v]) {
      out.header = header;
      out.version = v;
      out.values.assign(lines.begin() + 1, lines.end());
      out.next = 0;
      return persistcode::kOk;
    }
  }
  if (error) *error = tCodeMessage(persistcode::kUnknownHeader, path);
  return persistcode::kUnknownHeader;
}

std::string FilePersistence::tCodeMessage(int32_t code, std::string_view path) {
  const std::string p(path);
  switch (code) {
    case persistcode::kOk:
      return {};
    case persistcode::kNoFile:
      return "无法读取数据文件 " + p + "。";
    case persistcode::kUnknownHeader:
      return "数据文件 " + p + " 的版本无法识别，未读取任何数据。";
    case persistcode::kWriteFailed:
      return "数据文件 " + p + " 保存失败，原文件未改动。";
    case persistcode::kTooLarge:
      return "数据文件 " + p + " 超过 " + std::to_string(kMaxSavedInputBytes >> 20) +
             " MB，不是本程序保存的数据文件，未读取任何数据。";
    default:
      return "数据文件 " + p + " 出错。";
  }
}

int32_t SaveInputs(IPersistence& p, const std::string& path, std::string_view header,
                   const std::vector<std::string>& values, std::string* error) {
  auto w = p.BeginSave(path, header);
  for (const auto& v : values) w->Write(std::string_view(v));
  return w->Commit(error);
}

}  // namespace tk
