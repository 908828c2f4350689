#pragma once

#include "framework/core/CStreamReader.h"

// Remembers the first section of a file that failed to read, so the loader can name it.
class CSectionTracker {
 public:
  explicit CSectionTracker(GF::CStreamReader& in) : m_In(in) {}

  // Runs read unless an earlier section failed.
  template <typename Read>
  void Section(const char* name, Read read) {
    if (!m_In.Ok()) return;
    read();
    if (!m_In.Ok()) m_Failed = name;
  }
  // Null while every section read cleanly.
  const char* Failed() const { return m_Failed; }

 private:
  GF::CStreamReader& m_In;
  const char* m_Failed = nullptr;
};
