#include "framework/engine/resources/CObjectData.h"

#include <array>

namespace GF::HGENS {
namespace {

std::array<CObjectData::Maker, static_cast<std::size_t>(CObjectData::Kind::Count)>& Makers() {
  static std::array<CObjectData::Maker, static_cast<std::size_t>(CObjectData::Kind::Count)>
      makers{};
  return makers;
}

}  // namespace

void CObjectData::SetMaker(Kind kind, Maker maker) {
  Makers()[static_cast<std::size_t>(kind)] = maker;
}

CObjectData::ObjectPtr CObjectData::MakeObject(Kind kind, GF::IObjectData* data) {
  const Maker maker = Makers()[static_cast<std::size_t>(kind)];
  ObjectPtr object = maker ? maker() : ObjectPtr();
  if (object) object->SetObjectData(GF::THolder<GF::IObjectData>(data));
  return object;
}

}  // namespace GF::HGENS
