#pragma once

// Texts that every challenge screen shows.
namespace ChallengeTexts {

inline constexpr char kCaption[] = "Tavrino";
inline constexpr char kTick[] = "√";
inline constexpr char kCross[] = "×";
inline constexpr char kTimeUp[] = "时间到!";
inline constexpr char kOneSpace[] = " ";
inline constexpr char kZeroZero[] = "00";

} // namespace ChallengeTexts
