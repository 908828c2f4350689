#include "game/kitchen/CRandomBonus.h"

#include <cstdlib>
#include <iterator>
#include <utility>

#include "game/app/LevelsData.h"
#include "game/kitchen/CCookDecreaseBonus.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CJinjerQuickBonus.h"
#include "game/kitchen/CLightNextIngrBonus.h"
#include "game/kitchen/CQualityBonus.h"
#include "game/kitchen/CStopTimerBonus.h"
#include "game/kitchen/CTimeFreazeBonus.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr int kPictureLayer = 100;

template <class Bonus>
GF::THolder<CBonusBase> MakeInner(GF::THolder<CGameFieldBase> field, const BonusDescription& record,
                                  AnimationPtr visual) {
  return GF::THolder<CBonusBase>(new Bonus(std::move(field), record, std::move(visual)));
}

struct InnerKind {
  GF::THolder<CBonusBase> (*make)(GF::THolder<CGameFieldBase>, const BonusDescription&,
                                  AnimationPtr);
  int record;  // the levels data's bonus record it acts by
};

// By the drawn number: the ginger bonus has no record of its own and takes the quality's.
constexpr InnerKind kInnerKinds[] = {
    {&MakeInner<CTimeFreazeBonus>, 0},  {&MakeInner<CCookDecreaseBonus>, 1},
    {&MakeInner<CStopTimerBonus>, 2},   {&MakeInner<CQualityBonus>, 3},
    {&MakeInner<CJinjerQuickBonus>, 3}, {&MakeInner<CLightNextIngrBonus>, 4},
};
constexpr int kInnerCount = static_cast<int>(std::size(kInnerKinds));

}  // namespace

CActionBase::Holder CRandomBonus::Create(GF::THolder<CGameFieldBase> field,
                                         const BonusDescription& record, AnimationPtr visual) {
  return CActionBase::Holder(new CRandomBonus(std::move(field), record, std::move(visual)));
}

CRandomBonus::CRandomBonus(GF::THolder<CGameFieldBase> field, const BonusDescription& record,
                           AnimationPtr visual)
    : CBonusBase(field, record, visual) {
  const InnerKind& kind = kInnerKinds[std::rand() % kInnerCount];
  const auto found = BonusTable.find(kind.record);
  if (found != BonusTable.end())
    m_inner = kind.make(std::move(field), found->second, std::move(visual));
}

void CRandomBonus::OnCollected(GF::THolder<CFlyObject> flight) {
  CBonusBase::OnCollected(std::move(flight));
  if (!m_inner) {
    m_done = true;
    return;
  }
  m_running = true;
  m_inner->Start();
  ShowInnerPicture();
}

void CRandomBonus::ShowInnerPicture() {
  if (!m_visual) return;
  const GF::IAnimation::ParentPtr container(m_visual->GetChildAt(0));
  const AnimationPtr picture =
      container ? container->AddSubstitutedAnimation(m_inner->GetRecord().SecondName) : nullptr;
  if (!picture) return;
  picture->Play("_show", 1, false);
  picture->SetOpacity(1.0f);
  picture->SetLayer(kPictureLayer);
}

void CRandomBonus::Update(const float& dt) {
  if (!m_running || m_done) return;
  m_inner->Update(dt);
  m_done = m_inner->IsDone();
}

void CRandomBonus::Finish() {
  if (m_running) m_inner->Finish();
  CBonusBase::Finish();
}
