#pragma once

#include <string>
#include <vector>

#include "framework/core/IAnimationData.h"
#include "framework/engine/resources/CNamedPart.h"

namespace GF::HGENS {

// A named animation: its named parts and its object data in script order.
class CAnimationData : public GF::IAnimationData {
 public:
  explicit CAnimationData(std::string name) : m_name(std::move(name)) {}

  GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation> CreateObject() override;
  const std::string& GetName() const override { return m_name; }
  GF::THolder<GF::INamedPart> GetNamedPart(const std::string& name) const override;
  // Empty outside 0 .. count - 1.
  GF::THolder<GF::IObjectData> GetObjectData(int index) const override;
  int GetObjectDataCount() const override { return static_cast<int>(m_objects.size()); }

  void AddNamedPart(const std::string& name, float x, float y, int value);
  void AddObjectData(const GF::THolder<GF::IObjectData>& data) { m_objects.push_back(data); }

 private:
  std::string m_name;
  std::vector<GF::THolder<CNamedPart>> m_parts;
  std::vector<GF::THolder<GF::IObjectData>> m_objects;
};

}  // namespace GF::HGENS
