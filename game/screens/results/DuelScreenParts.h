#pragma once

// What the two duel screens share: the duel's dish in its plate, the country, the round and
// the second text of the card.

#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "game/app/LevelDescription.h"

// The country picture of a lost duel by the level's orders: the first int of the first
// record (of the second when the first is the player's special order 101 and a second
// exists), above 7 counted as 6, plus 1. 0 (no picture) without an order.
int DuelLostCountry(const std::vector<LevelOrderRecord>& orders);

// The time of a play in ms as minutes and seconds, "1:35"; a negative time is "0:00".
std::wstring DuelTimeText(float milliseconds);

// Points as a wide stream writes a float: six significant digits, no trailing zeros, an
// exponent from 1 000 000 on ("250", "123.5", "1.23457e+06").
std::wstring DuelPointsText(float points);

// Fills the duel card of the current level (profile string 11) in the layout: the plate
// "main_menu.recept_place_duel" in "_recept_place" at its end, the first order's dish in the
// plate's drawable 0 and its recipe's name in drawable 1 (the plate stays empty without an
// order); the country picture `country` ("main_menu.country_" + number, none for 0) in
// "_place_country"; the level number for the "_round" token of "_round", and the text of
// "_time". Missing parts are skipped.
void FillDuelCard(const GF::IAnimation::AnimationPtr& layout, int country,
                  const std::wstring& time);

// The order records of the current level.
const std::vector<LevelOrderRecord>& CurrentLevelOrders();
