// `kalbex book CALLS.json... -o BOOK.html [--pdf BOOK.pdf]`.
#pragma once

#include <string>
#include <vector>

namespace kalbex {

int CmdBook(const std::vector<std::string>& files, const std::string& html_path,
            const std::string& pdf_path, const std::string& project);

// The headless Chromium on PATH ("" when none is installed).
std::string FindChromium();

}  // namespace kalbex
