#pragma once

#include <string>
#include <unordered_map>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

namespace GF {

// Process-wide named values (volumes, options, typed names, the command line), stored as
// wide strings, plus the logical screen size that layouts and the cursor work in.
class CGameProperties : public CRefCount {
 public:
  // The singleton, created on first use and kept until the process ends.
  static THolder<CGameProperties> Instance();

  // The value's leading decimal number (leading white space and a sign allowed), saturated
  // to the int range; 0 when absent or without digits. Never creates the key.
  int GetInt(const std::string& key) const;
  // A copy of the value; empty when absent. Never creates the key.
  std::wstring GetString(const std::string& key) const;
  void SetInt(const std::string& key, int value);
  // The value under key, created empty when absent.
  std::wstring& operator[](const std::string& key) { return m_properties[key]; }

  int GetScreenWidth() const { return m_screenWidth; }
  int GetScreenHeight() const { return m_screenHeight; }
  void SetScreenSize(int width, int height) {
    m_screenWidth = width;
    m_screenHeight = height;
  }

 private:
  std::unordered_map<std::string, std::wstring> m_properties;
  int m_screenWidth = 640;
  int m_screenHeight = 480;
};

}  // namespace GF
