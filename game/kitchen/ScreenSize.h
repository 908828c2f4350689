#pragma once

// The game's fixed screen, on which every level and its interface are laid out.
inline constexpr float kScreenWidth = 800.0f;
inline constexpr float kScreenHeight = 600.0f;
