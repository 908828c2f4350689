#include "platform/ReplayScript.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/OsServices.h"

namespace {

// Splits off the next word; the rest keeps its text after one separating blank.
std::string_view NextWord(std::string_view* rest) {
  std::size_t start = rest->find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    *rest = {};
    return {};
  }
  std::size_t end = rest->find_first_of(" \t", start);
  std::string_view word = rest->substr(start, end == std::string_view::npos ? end : end - start);
  *rest = end == std::string_view::npos ? std::string_view{} : rest->substr(end + 1);
  return word;
}

bool ParseInt(std::string_view word, long long* out) {
  bool negative = false;
  if (!word.empty() && (word[0] == '-' || word[0] == '+')) {
    negative = word[0] == '-';
    word.remove_prefix(1);
  }
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    word.remove_prefix(2);
  }
  unsigned long long value = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (word.empty() || ec != std::errc() || end != word.data() + word.size() ||
      value > 0x7FFFFFFFFFFFFFFFull)
    return false;
  *out = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
  return true;
}

// "HH:MM:SS" of one day, as seconds since midnight.
bool ParseTimeOfDay(std::string_view word, int* out) {
  long long parts[3] = {};
  for (int i = 0; i < 3; ++i) {
    const std::size_t colon = i < 2 ? word.find(':') : word.size();
    if (colon == std::string_view::npos || colon == 0 || colon > 2 ||
        !std::isdigit(static_cast<unsigned char>(word[0])) ||
        !ParseInt(word.substr(0, colon), &parts[i]))
      return false;
    word.remove_prefix(i < 2 ? colon + 1 : colon);
  }
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return false;
  *out = static_cast<int>(parts[0] * 3600 + parts[1] * 60 + parts[2]);
  return true;
}

bool ParseDouble(std::string_view word, double* out) {
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), *out);
  return !word.empty() && ec == std::errc() && end == word.data() + word.size() &&
         std::isfinite(*out);
}

// The typed text of a "text" line: UTF-8 with escapes, as UTF-16 units.
bool ParseText(std::string_view text, std::u16string* out) {
  std::string utf8;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      utf8 += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case 'b':
        utf8 += '\b';
        break;
      case 't':
        utf8 += '\t';
        break;
      case 'r':
        utf8 += '\r';
        break;
      case 'e':
        utf8 += '\x1B';
        break;
      case 's':
        utf8 += ' ';
        break;
      case '\\':
        utf8 += '\\';
        break;
      case 'u': {
        long long unit = 0;
        if (i + 4 >= text.size()) return false;
        if (!ParseInt(std::string("0x") + std::string(text.substr(i + 1, 4)), &unit)) return false;
        // Flush the UTF-8 so far so the unit keeps its place; a lone surrogate stays one.
        for (wchar_t c : Os::Utf8ToUtf16(utf8)) out->push_back(static_cast<char16_t>(c));
        utf8.clear();
        out->push_back(static_cast<char16_t>(unit));
        i += 4;
        break;
      }
      default:
        return false;
    }
  }
  for (wchar_t c : Os::Utf8ToUtf16(utf8)) out->push_back(static_cast<char16_t>(c));
  return true;
}

}  // namespace

std::unique_ptr<ReplayScript> ReplayScript::Load(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "can't read the replay script \"" + path + "\"";
    return nullptr;
  }
  std::ostringstream text;
  text << file.rdbuf();
  const std::size_t slash = path.rfind('/');
  const std::string baseDir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  return Parse(text.str(), baseDir, error);
}

std::unique_ptr<ReplayScript> ReplayScript::Parse(std::string_view text, const std::string& baseDir,
                                                  std::string* error) {
  std::unique_ptr<ReplayScript> script(new ReplayScript());
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string lineError;
    if (!script->ParseLine(line, baseDir, &lineError)) {
      *error = "replay script line " + std::to_string(number) + ": " + lineError;
      return nullptr;
    }
  }
  return script;
}

const std::vector<ReplayEvent>* ReplayScript::EventsAt(std::uint32_t frame) const {
  const auto it = frames_.find(frame);
  return it == frames_.end() ? nullptr : &it->second;
}

bool ReplayScript::ParseLine(std::string_view line, const std::string& baseDir,
                             std::string* error) {
  std::string_view rest = line;
  const std::string_view first = NextWord(&rest);
  if (first.empty() || first[0] == '#') return true;
  // A comment may end any line but a "text" one, whose rest is all typed.
  auto stripComment = [&rest] { rest = rest.substr(0, rest.find('#')); };
  long long value = 0;
  double real = 0;
  if (first == "seed" || first == "step" || first == "frames" || first == "time") {
    stripComment();
    const std::string_view word = NextWord(&rest);
    if (!NextWord(&rest).empty()) return *error = "extra words", false;
    if (first == "seed") {
      if (!ParseInt(word, &value)) return *error = "bad seed", false;
      seed_ = static_cast<std::uint64_t>(value);
    } else if (first == "step") {
      if (!ParseDouble(word, &real) || real <= 0) return *error = "bad step", false;
      stepSeconds_ = real / 1000.0;
    } else if (first == "time") {
      if (!ParseTimeOfDay(word, &startTimeOfDay_)) return *error = "bad time of day", false;
    } else {
      if (!ParseInt(word, &value) || value < 0 || value > 0xFFFFFFFFll)
        return *error = "bad frame count", false;
      frameLimit_ = static_cast<std::uint32_t>(value);
    }
    return true;
  }
  if (first[0] != '@' || !ParseInt(first.substr(1), &value) || value < 1 || value > 0xFFFFFFFFll)
    return *error = "unknown directive \"" + std::string(first) + "\"", false;
  const auto frame = static_cast<std::uint32_t>(value);
  const std::string_view command = NextWord(&rest);
  if (command != "text") stripComment();
  ReplayEvent event{};
  auto intArg = [&](int* out, long long lo, long long hi) {
    long long v = 0;
    if (!ParseInt(NextWord(&rest), &v) || v < lo || v > hi) return false;
    *out = static_cast<int>(v);
    return true;
  };
  static const std::pair<std::string_view, ReplayEvent::Kind> kKeyed[] = {
      {"keydown", ReplayEvent::Kind::KeyDown},     {"keyup", ReplayEvent::Kind::KeyUp},
      {"keyrepeat", ReplayEvent::Kind::KeyRepeat}, {"buttondown", ReplayEvent::Kind::ButtonDown},
      {"buttonup", ReplayEvent::Kind::ButtonUp},
  };
  static const std::pair<std::string_view, ReplayEvent::Kind> kPlain[] = {
      {"close", ReplayEvent::Kind::Close},
      {"focuslost", ReplayEvent::Kind::FocusLost},
      {"focusgain", ReplayEvent::Kind::FocusGain},
  };
  bool known = false;
  for (const auto& [name, kind] : kKeyed) {
    if (command != name) continue;
    event.kind = kind;
    if (!intArg(&event.a, 1, 255)) return *error = "bad key code", false;
    known = true;
  }
  for (const auto& [name, kind] : kPlain) {
    if (command == name) event.kind = kind, known = true;
  }
  if (command == "move") {
    event.kind = ReplayEvent::Kind::Move;
    if (!intArg(&event.a, -100000, 100000) || !intArg(&event.b, -100000, 100000))
      return *error = "bad cursor position", false;
    known = true;
  } else if (command == "wheel") {
    event.kind = ReplayEvent::Kind::Wheel;
    if (!intArg(&event.a, -1000, 1000)) return *error = "bad wheel steps", false;
    known = true;
  } else if (command == "text") {
    event.kind = ReplayEvent::Kind::Text;
    if (!ParseText(rest, &event.text)) return *error = "bad escape in text", false;
    rest = {};
    known = true;
  } else if (command == "shot") {
    event.kind = ReplayEvent::Kind::Shot;
    const std::string_view file = NextWord(&rest);
    if (file.empty()) return *error = "shot needs a file name", false;
    event.path = file[0] == '/' ? std::string(file) : baseDir + std::string(file);
    known = true;
  }
  if (!known) return *error = "unknown command \"" + std::string(command) + "\"", false;
  if (!NextWord(&rest).empty()) return *error = "extra words", false;
  frames_[frame].push_back(std::move(event));
  return true;
}
