#include "tests/support/PrintedPdf.h"

#include <windows.h>

#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <utility>

#include "tests/support/Messages.h"

namespace testsupport {

namespace {

std::string ReadAll(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// The user's home folder as Wine maps it ("\??\Z:\root"), or empty.
std::string WineHome() {
  char home[MAX_PATH] = "";
  GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home);
  return std::strlen(home) > 6 ? std::string(home + 6) : std::string();
}

std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = 0; (at = text.find(entity, at)) != std::string::npos; ++at)
      text.replace(at, std::strlen(entity), character);
  }
  return text;
}

// pdftotext -bbox's pages and words, words of one baseline gathered into lines.
std::vector<PdfPage> ParseBoxes(const std::string& html) {
  std::vector<PdfPage> pages;
  const std::regex page(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
  const std::regex word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
  std::istringstream lines(html);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, page)) {
      pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
    } else if (!pages.empty() && std::regex_search(line, match, word)) {
      const PdfLine box{std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4]),
                        Unescape(match[5])};
      std::vector<PdfLine>& found = pages.back().lines;
      auto same = std::find_if(found.begin(), found.end(), [&](const PdfLine& l) { return std::fabs(l.bottom - box.bottom) < 1; });
      if (same == found.end()) {
        found.push_back(box);
        continue;
      }
      same->text = box.left < same->left ? box.text + " " + same->text : same->text + " " + box.text;
      same->left = std::min(same->left, box.left);
      same->right = std::max(same->right, box.right);
    }
  }
  for (PdfPage& p : pages)
    std::sort(p.lines.begin(), p.lines.end(), [](const PdfLine& a, const PdfLine& b) { return a.top < b.top; });
  return pages;
}

}  // namespace

std::string PdfPrinter::Unavailable() {
  char printer[256] = "";
  DWORD length = sizeof printer;
  if (!GetDefaultPrinterA(printer, &length) || std::string(printer) != "PDF")
    return "no CUPS PDF printer as the default printer (scripts/lib/print-env.sh)";
  if (WineHome().empty()) return "no home folder for the PDF printer's files";
  if (GetFileAttributesA("Z:\\usr\\bin\\pdftotext") == INVALID_FILE_ATTRIBUTES) return "poppler's pdftotext is missing";
  return {};
}

PdfPrinter::PdfPrinter() {
  unixFolder_ = WineHome() + "\\PDF";
  folder_ = "Z:" + unixFolder_ + "\\";
  std::replace(unixFolder_.begin(), unixFolder_.end(), '\\', '/');
  before_ = Pdfs();
}

PdfPrinter::~PdfPrinter() {
  Forget(lastPdf_);
  Forget(picture_);
}

void PdfPrinter::Forget(std::string& file) {
  if (!file.empty() && !std::getenv("KEEP_PRINTED_PDF")) DeleteFileA(file.c_str());
  file.clear();
}

// Wine cannot wait for a Unix process, so the script writes a file of its own when it ends.
bool PdfPrinter::Run(const std::string& script) const {
  static int runs = 0;
  const std::string done = "readback-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs) + ".done";
  std::string command = "/bin/sh -c \"cd '" + unixFolder_ + "' && " + script + "; echo > " + done + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const bool finished = WaitUntil([&] { return GetFileAttributesA((folder_ + done).c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
  DeleteFileA((folder_ + done).c_str());
  return finished;
}

std::string PdfPrinter::PagePicture(int dpi) {
  Forget(picture_);
  const std::string name = "page-" + std::to_string(GetCurrentProcessId());
  if (lastPdf_.empty() ||
      !Run("pdftoppm -r " + std::to_string(dpi) + " -png -singlefile '" + lastPdf_.substr(folder_.size()) + "' " + name))
    return {};
  return picture_ = folder_ + name + ".png";
}

std::set<std::string> PdfPrinter::Pdfs() const {
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder_ + "*.pdf").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) names.insert(found.cFileName);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return names;
}

bool PdfPrinter::NoJobWithin(int milliseconds) {
  return !WaitUntil([&] { return Pdfs() != before_; }, milliseconds);
}

bool PdfPrinter::ReadJob(std::vector<PdfPage>& pages, int timeoutMs) {
  std::string pdf;
  if (!WaitUntil([&] {
        for (const std::string& name : Pdfs()) {
          if (!before_.count(name)) pdf = name;
        }
        return !pdf.empty();
      }, timeoutMs))
    return false;
  before_.insert(pdf);
  Forget(lastPdf_);
  lastPdf_ = folder_ + pdf;
  std::size_t size = 0;  // complete once its size stays for half a second
  WaitUntil([&] {
    const std::size_t last = std::exchange(size, ReadAll(lastPdf_).size());
    return Sleep(500), size > 0 && size == last;
  }, 60000);
  const std::string words = "words-" + std::to_string(GetCurrentProcessId()) + ".html";
  if (!Run("pdftotext -bbox '" + pdf + "' " + words)) return false;
  pages = ParseBoxes(ReadAll(folder_ + words));
  DeleteFileA((folder_ + words).c_str());
  return true;
}

}  // namespace testsupport
