#pragma once

#include <cstddef>
#include <list>
#include <utility>

#include "framework/core/IDelegate.h"
#include "framework/core/THolder.h"

namespace GF {

// An event: an ordered list of delegates, fired front to back. Duplicates are allowed.
//
// Firing is safe against changes made by the delegates it calls: entries appended while
// firing are called in the same firing; entries removed before the walk reaches them are
// not; an entry may remove itself; the delegate being called stays alive until its call
// returns; the list itself may be destroyed by a delegate (the walk then stops).
template <class... Args>
class TEventList {
 public:
  using Delegate = IDelegate<void, Args...>;

  TEventList() = default;
  TEventList(const TEventList&) = delete;
  TEventList& operator=(const TEventList&) = delete;
  ~TEventList() {
    for (Firing* f = m_firing; f; f = f->outer) f->listDestroyed = true;
  }

  // Appends at the end; no check for an equal delegate already present.
  void Subscribe(THolder<Delegate> delegate) { m_entries.push_back(std::move(delegate)); }

  // Removes the first entry equal to `delegate` (same object and function); no-op if none.
  void RemoveDelegate(const THolder<Delegate>& delegate) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
      if (!*it || !(*it)->IsEqual(delegate)) continue;
      // A walk may stand on this entry: empty it now (it is never called again) and
      // unlink it when the outermost walk is done.
      if (m_firing) {
        it->Reset();
        m_hasHoles = true;
      } else {
        m_entries.erase(it);
      }
      return;
    }
  }

  void Fire(Args... args) {
    Firing firing(this);
    // end() is read anew each step, so entries appended by a call are reached too.
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
      if (!*it) continue;
      THolder<Delegate> current = *it;  // alive through its own call even if removed
      current->Invoke(args...);
      if (firing.listDestroyed) return;
    }
  }

  void Clear() {
    if (m_firing) {
      for (auto& entry : m_entries) entry.Reset();
      m_hasHoles = true;
    } else {
      m_entries.clear();
    }
  }

  bool IsEmpty() const { return Size() == 0; }
  std::size_t Size() const {
    if (!m_hasHoles) return m_entries.size();
    std::size_t n = 0;
    for (const auto& entry : m_entries) n += entry ? 1 : 0;
    return n;
  }

 private:
  // One walk in progress; walks nest when a delegate fires the same event again.
  struct Firing {
    explicit Firing(TEventList* owner) : list(owner), outer(owner->m_firing) {
      owner->m_firing = this;
    }
    ~Firing() {
      if (!listDestroyed) list->EndFiring(outer);
    }
    TEventList* list;
    Firing* outer;
    bool listDestroyed = false;
  };

  void EndFiring(Firing* outer) {
    m_firing = outer;
    if (!m_firing && m_hasHoles) Compact();
  }

  void Compact() {
    m_entries.remove_if([](const THolder<Delegate>& entry) { return !entry; });
    m_hasHoles = false;
  }

  std::list<THolder<Delegate>> m_entries;
  Firing* m_firing = nullptr;
  bool m_hasHoles = false;
};

template <class... Args>
void RemoveDelegate(TEventList<Args...>& list, const THolder<IDelegate<void, Args...>>& delegate) {
  list.RemoveDelegate(delegate);
}

template <class... Args, class... Values>
void FireEvent(TEventList<Args...>& list, Values&&... values) {
  list.Fire(std::forward<Values>(values)...);
}

}  // namespace GF
