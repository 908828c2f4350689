#pragma once

#include "framework/engine/resources/ISnd.h"

namespace GF::HGENS {

// Owns its engine stream and frees it with the object.
class CSnd : public GF::ISnd {
 public:
  explicit CSnd(EngineStream stream);
  ~CSnd() override;
  CSnd(const CSnd&) = delete;
  CSnd& operator=(const CSnd&) = delete;

  EngineStream GetHandle() const override { return m_stream; }

 private:
  Engine* m_engine;
  EngineStream m_stream;
};

}  // namespace GF::HGENS
