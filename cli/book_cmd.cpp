#include "book_cmd.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "book.h"
#include "frame/component.h"
#include "frame/fileio.h"

namespace kalbex {

namespace fs = std::filesystem;

std::string FindChromium() {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  std::string p = path;
  for (size_t a = 0; a <= p.size();) {
    size_t b = p.find(':', a);
    if (b == std::string::npos) b = p.size();
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
      const fs::path c = fs::path(p.substr(a, b - a)) / name;
      std::error_code ec;
      if (!c.parent_path().empty() && fs::is_regular_file(c, ec)) return c.string();
    }
    a = b + 1;
  }
  return {};
}

namespace {

// Chromium's own print-to-PDF: the browser lays the book out with its print CSS.
int PrintPdf(const std::string& html_path, const std::string& pdf_path) {
  const std::string chromium = FindChromium();
  if (chromium.empty()) {
    std::cerr << "kalbex: --pdf needs a headless Chromium (apt-get install chromium)\n";
    return 2;
  }
  const fs::path tmp = fs::path(pdf_path).string() + ".part";
  auto quote = [](const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  const std::string cmd = quote(chromium) +
                          " --headless=new --no-sandbox --disable-gpu --no-pdf-header-footer"
                          " --print-to-pdf=" +
                          quote(tmp.string()) + " " +
                          quote("file://" + fs::absolute(html_path).string()) + " >/dev/null 2>&1";
  if (std::system(cmd.c_str()) != 0 || !fs::exists(tmp)) {
    std::error_code ec;
    fs::remove(tmp, ec);
    std::cerr << "kalbex: Chromium could not print " << pdf_path << "\n";
    return 1;
  }
  std::error_code ec;
  fs::rename(tmp, pdf_path, ec);
  if (ec) {
    std::cerr << "kalbex: cannot write " << pdf_path << ": " << ec.message() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int CmdBook(const std::vector<std::string>& files, const std::string& html_path,
            const std::string& pdf_path, const std::string& project) {
  if (!pdf_path.empty() && html_path == "-") {
    std::cerr << "kalbex: --pdf needs the book in a file (-o BOOK.html)\n";
    return 2;
  }
  std::vector<book::Input> inputs;
  for (const auto& f : files) {
    std::ifstream in(f, std::ios::binary);
    if (!in) {
      std::cerr << "kalbex: cannot read " << f << "\n";
      return 2;
    }
    book::Input i;
    i.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    i.name = fs::path(f).stem().string();
    i.base = fs::path(f).parent_path().string();
    inputs.push_back(std::move(i));
  }
  std::string html;
  try {
    book::Options opt;
    opt.project = project;
    html = book::Book(inputs, opt);
  } catch (const tk::ContractError& e) {
    std::cerr << "kalbex: " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "kalbex: call failed: " << e.what() << "\n";
    return 1;
  }
  std::string error;
  if (html_path == "-") {
    std::cout << html;
  } else if (!tk::WriteFileAtomic(html_path, html, &error)) {
    std::cerr << "kalbex: cannot write " << html_path << ": " << error << "\n";
    return 1;
  }
  return pdf_path.empty() ? 0 : PrintPdf(html_path, pdf_path);
}

}  // namespace kalbex
