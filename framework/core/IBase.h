#pragma once

namespace GF {

// Interface ids answered by IBase::QueryInterface. 8 to 12 are unused.
enum InterfaceId : int {
  kIdBase = 0,
  kIdObjectAnimation = 1,
  kIdSound = 2,
  kIdDrawable = 3,
  kIdSubstitutedContainer = 4,
  kIdSprite = 5,
  kIdTextSprite = 6,
  kIdAnimation = 7,
  kIdParticle = 13,
};

// Root of every scene interface. Interfaces derive from it virtually, so an object with
// several interfaces has one IBase and one count; conversions between them go through
// QueryInterface, never through a language cast.
class IBase {
 public:
  virtual int AddRef() = 0;
  virtual int Release() = 0;
  // On success stores this object's interface of that id in *out, adds a reference and
  // returns true; otherwise stores null and returns false.
  virtual bool QueryInterface(const int& id, void** out) = 0;

 protected:
  // Objects die through their reference count, never through an interface pointer.
  ~IBase() = default;
};

}  // namespace GF
