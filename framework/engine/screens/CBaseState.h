#pragma once

#include "framework/core/CRefCount.h"

namespace GF {

// One state of an owner's state machine (a menu control's out, over, down, ...). The state
// points at its owner without a reference: the owner holds the state, not the other way.
template <class T>
class CBaseState : public CRefCount {
 public:
  explicit CBaseState(int id) : m_id(id) {}

  int GetId() const { return m_id; }

  // Stores the owner and may fire one of its events; true lets the state take over.
  virtual bool OnEnter(T* owner) {
    m_owner = owner;
    return true;
  }
  // dt in milliseconds; false when the state has replaced itself.
  virtual bool Update(const float& dt) = 0;

 protected:
  T* GetOwner() const { return m_owner; }

 private:
  int m_id;
  T* m_owner = nullptr;
};

}  // namespace GF
