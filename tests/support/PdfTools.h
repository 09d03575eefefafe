#pragma once
// Reads PDF prints back through poppler's tools (pdfinfo, pdftoppm): the page count and sizes,
// and a page or part of it rendered as grey pixels.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace umbrix::testing {

/// Whether pdfinfo and pdftoppm run (scripts/install-deps.sh installs poppler-utils).
inline bool HavePopplerTools() {
  return std::system("pdfinfo -v > /dev/null 2>&1") == 0 &&
         std::system("pdftoppm -v > /dev/null 2>&1") == 0;
}

/// The standard output of a shell command.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

struct PdfPageSize {
  double width = 0;  // points
  double height = 0;
};

/// Every page's size, in order (pdfinfo's "Page N size: W x H pts" lines).
inline std::vector<PdfPageSize> PdfPageSizes(const std::filesystem::path& pdf) {
  std::vector<PdfPageSize> sizes;
  std::istringstream in(CommandOutput("pdfinfo -f 1 -l 100000 '" + pdf.string() + "' 2>&1"));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.starts_with("Page ") || line.find(" size: ") == std::string::npos) continue;
    PdfPageSize s;
    std::istringstream fields(line.substr(line.find(" size: ") + 7));
    std::string x;
    fields >> s.width >> x >> s.height;
    sizes.push_back(s);
  }
  return sizes;
}

/// A grey picture: 0 black, 255 white.
struct GreyPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  int At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 255;
    return pixels[static_cast<size_t>(y) * width + x];
  }
};

/// Page `page` (from 1) at `dpi`, only the `w` x `h` pixels from (x, y) when `w` is not 0.
inline GreyPicture RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi,
                                 const std::filesystem::path& scratch, int x = 0, int y = 0,
                                 int w = 0, int h = 0) {
  const std::filesystem::path root = scratch / "page";
  std::string command = "pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " +
                        std::to_string(page) + " -l " + std::to_string(page);
  if (w > 0) {
    command += " -x " + std::to_string(x) + " -y " + std::to_string(y) + " -W " +
               std::to_string(w) + " -H " + std::to_string(h);
  }
  command += " '" + pdf.string() + "' '" + root.string() + "'";
  GreyPicture picture;
  if (std::system(command.c_str()) != 0) {
    ADD_FAILURE() << command;
    return picture;
  }
  std::ifstream in(root.string() + ".pgm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> picture.width >> picture.height >> maxValue;
  in.get();
  if (magic != "P5" || maxValue != 255) {
    ADD_FAILURE() << "not a grey PGM: " << magic;
    return {};
  }
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  in.read(reinterpret_cast<char*>(picture.pixels.data()),
          static_cast<std::streamsize>(picture.pixels.size()));
  return picture;
}

}  // namespace umbrix::testing
