#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/OsServices.h"

namespace Os {

namespace {

constexpr double kDotsPerInch = 300.0;
constexpr double kPointsPerPixel = 72.0 / kDotsPerInch;  // PDF pages are measured in points
// A4 at 300 dpi, for a destination that names no paper.
constexpr int kA4Width = 2480;
constexpr int kA4Height = 3508;

bool EndsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == ".png";
}

int HundredthsOfMmToPixels(int hundredths) {
  return static_cast<int>(std::lround(hundredths / 2540.0 * kDotsPerInch));
}

// The default paper of a printer in pixels; the sizes stay when the printer names none.
void DefaultPaper(cups_dest_t* dest, int* width, int* height) {
  cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
  cups_size_t size{};
  const bool known = info && cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size) &&
                     size.width > 0 && size.length > 0;
  if (known) {
    *width = HundredthsOfMmToPixels(size.width);
    *height = HundredthsOfMmToPixels(size.length);
  }
  cupsFreeDestInfo(info);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<unsigned char>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

void PutBigEndian32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<unsigned char>(v >> shift));
}

// The page as a PNG that says it is 300 dpi, so that viewers print it at the paper's size.
bool WritePng(cairo_surface_t* surface, const std::string& path) {
  std::vector<unsigned char> png;
  if (cairo_surface_write_to_png_stream(surface, AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
    return false;
  const std::uint32_t perMetre = static_cast<std::uint32_t>(std::lround(kDotsPerInch / 0.0254));
  std::vector<unsigned char> chunk;
  PutBigEndian32(chunk, 9);
  const std::size_t typeAt = chunk.size();
  chunk.insert(chunk.end(), {'p', 'H', 'Y', 's'});
  PutBigEndian32(chunk, perMetre);
  PutBigEndian32(chunk, perMetre);
  chunk.push_back(1);  // unit: metre
  PutBigEndian32(chunk, static_cast<std::uint32_t>(crc32(
                            0, chunk.data() + typeAt, static_cast<uInt>(chunk.size() - typeAt))));
  constexpr std::size_t kAfterHeader = 8 + 4 + 4 + 13 + 4;  // signature, then the IHDR chunk
  if (png.size() < kAfterHeader) return false;
  png.insert(png.begin() + kAfterHeader, chunk.begin(), chunk.end());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  file.close();
  return static_cast<bool>(file);
}

// The paragraphs of a text: LF, CR, CR LF and LF CR each end one.
std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> paragraphs(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r') {
      paragraphs.back() += c;
      continue;
    }
    const char pair = c == '\n' ? '\r' : '\n';
    if (i + 1 < text.size() && text[i + 1] == pair) ++i;
    paragraphs.emplace_back();
  }
  return paragraphs;
}

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  return extents.x_advance;
}

// The lines of a paragraph no wider than maxWidth, broken at blanks, which a break drops; a
// word wider than maxWidth stands alone.
std::vector<std::string> WrapParagraph(cairo_t* cr, const std::string& paragraph, double maxWidth) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < paragraph.size()) {
    std::size_t end = std::string::npos;  // end of the line's last word
    for (std::size_t word = start; word < paragraph.size();) {
      const std::size_t wordEnd =
          std::min(paragraph.find(' ', paragraph.find_first_not_of(' ', word)), paragraph.size());
      if (end != std::string::npos &&
          TextWidth(cr, paragraph.substr(start, wordEnd - start)) > maxWidth)
        break;
      end = word = wordEnd;
    }
    lines.push_back(paragraph.substr(start, end - start));
    start = paragraph.find_first_not_of(' ', end);
  }
  if (lines.empty()) lines.emplace_back();  // an empty paragraph is an empty line
  return lines;
}

}  // namespace

struct PrintJob::State {
  std::string file;  // where the page is written: the named file, or a temporary PDF
  bool png = false;
  cups_dest_t* printer = nullptr;  // null when printing into a named file
  std::string title;
  int width = kA4Width;
  int height = kA4Height;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  std::uint32_t background = 0xFFFFFF;
  int cellHeight = 0;
  double ascent = 0.0;  // of the selected font, in pixels
  bool written = false;

  ~State() {
    if (cr) cairo_destroy(cr);
    if (surface) cairo_surface_destroy(surface);
    if (printer) cupsFreeDests(1, printer);
    // The print system keeps its own copy of a submitted page.
    if ((printer || !written) && !file.empty()) std::remove(file.c_str());
  }
};

PrintJob::PrintJob() : state_(std::make_unique<State>()) {}
PrintJob::~PrintJob() = default;

bool PrintJob::FindDestination() {
  const char* file = std::getenv("PANMASTER_PRINT_FILE");
  if (file && *file) {
    state_->file = file;
    state_->png = EndsWithPng(state_->file);
    return true;
  }
  state_->printer = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  return state_->printer != nullptr;
}

bool PrintJob::CreateSurface() {
  State& s = *state_;
  if (s.printer) {
    DefaultPaper(s.printer, &s.width, &s.height);
    const char* folder = std::getenv("TMPDIR");
    std::string path =
        std::string(folder && *folder ? folder : "/tmp") + "/panmaster-print-XXXXXX.pdf";
    const int fd = mkstemps(path.data(), 4);
    if (fd < 0) return false;
    close(fd);
    s.file = path;
  }
  s.surface = s.png ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.width, s.height)
                    : cairo_pdf_surface_create(s.file.c_str(), s.width * kPointsPerPixel,
                                               s.height * kPointsPerPixel);
  return cairo_surface_status(s.surface) == CAIRO_STATUS_SUCCESS;
}

bool PrintJob::StartDocument(const std::string& title) {
  State& s = *state_;
  s.title = title;
  if (!s.png) cairo_pdf_surface_set_metadata(s.surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
  s.cr = cairo_create(s.surface);
  if (!s.png) cairo_scale(s.cr, kPointsPerPixel, kPointsPerPixel);
  // Metrics unhinted: text measures the same at every size and on every surface.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(s.cr, options);
  cairo_font_options_destroy(options);
  return cairo_status(s.cr) == CAIRO_STATUS_SUCCESS;
}

bool PrintJob::StartPage() {
  cairo_t* cr = state_->cr;
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);  // a blank sheet
  cairo_paint(cr);
  return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}

int PrintJob::PageWidth() const {
  return state_->width;
}

int PrintJob::PageHeight() const {
  return state_->height;
}

void PrintJob::SetBackgroundColour(std::uint32_t rgb) {
  state_->background = rgb & 0xFFFFFF;
}

void PrintJob::SelectFont(const std::string& face, int cellHeight) {
  State& s = *state_;
  cairo_select_font_face(s.cr, face == "Arial" ? "DejaVu Sans" : face.c_str(),
                         CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(s.cr, 1.0);
  cairo_font_extents_t unit;
  cairo_font_extents(s.cr, &unit);
  const double cell = unit.ascent + unit.descent;
  const double size = cell > 0.0 ? cellHeight / cell : 0.0;
  cairo_set_font_size(s.cr, size);
  s.cellHeight = cellHeight;
  s.ascent = unit.ascent * size;
}

void PrintJob::DrawText(std::wstring_view text, int left, int top, int right, int bottom,
                        unsigned flags) {
  State& s = *state_;
  cairo_t* cr = s.cr;
  cairo_save(cr);
  if (!(flags & kTextNoClip)) {
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_clip(cr);
  }
  const double r = ((s.background >> 16) & 0xFF) / 255.0, g = ((s.background >> 8) & 0xFF) / 255.0,
               b = (s.background & 0xFF) / 255.0;
  double y = top;
  for (const std::string& paragraph : Paragraphs(Utf16ToUtf8(text))) {
    const std::vector<std::string> lines = flags & kTextWordBreak
                                               ? WrapParagraph(cr, paragraph, right - left)
                                               : std::vector<std::string>{paragraph};
    for (const std::string& line : lines) {
      const double width = TextWidth(cr, line);
      const double x = flags & kTextCenter ? left + (right - left - width) / 2.0 : left;
      cairo_set_source_rgb(cr, r, g, b);
      cairo_rectangle(cr, x, y, width, s.cellHeight);
      cairo_fill(cr);
      cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
      cairo_move_to(cr, x, y + s.ascent);
      cairo_show_text(cr, line.c_str());
      y += s.cellHeight;
    }
  }
  cairo_restore(cr);
}

void PrintJob::DrawImage(const std::uint32_t* rgb, int width, int height, double x, double y,
                         double w, double h) {
  if (width < 1 || height < 1) return;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < height; ++row)
      std::memcpy(data + static_cast<std::size_t>(row) * stride,
                  rgb + static_cast<std::size_t>(row) * width, width * sizeof(std::uint32_t));
    cairo_surface_mark_dirty(image);
    cairo_t* cr = state_->cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / width, h / height);
    cairo_set_source_surface(cr, image, 0.0, 0.0);
    // Smooth when enlarged, and the edges keep their own colour.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr, 0.0, 0.0, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_surface_destroy(image);
}

bool PrintJob::EndPage() {
  cairo_t* cr = state_->cr;
  if (!state_->png) cairo_show_page(cr);
  return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}

bool PrintJob::EndDocument() {
  State& s = *state_;
  cairo_destroy(s.cr);
  s.cr = nullptr;
  if (s.png) {
    s.written = WritePng(s.surface, s.file);
    return s.written;
  }
  cairo_surface_finish(s.surface);
  s.written = cairo_surface_status(s.surface) == CAIRO_STATUS_SUCCESS;
  if (!s.written || !s.printer) return s.written;
  return cupsPrintFile2(CUPS_HTTP_DEFAULT, s.printer->name, s.file.c_str(), s.title.c_str(),
                        s.printer->num_options, s.printer->options) > 0;
}

}  // namespace Os
