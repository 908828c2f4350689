#include "game/kitchen/CActionBase.h"

CActionBase::Holder CActionBase::AddNext(Holder next) {
  if (next) m_next.push_back(next);
  return next;
}
