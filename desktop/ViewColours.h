#pragma once

// The colours of the day and week views. The layouts give them as $00BBGGRR numbers; they are
// kept in that form here so that each can be checked against its source at a glance.

#include <QRgb>

namespace viewcolours {

constexpr QRgb bgr(unsigned value)
{
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline constexpr QRgb ToolPanel = bgr(0x7D4800);
inline constexpr QRgb HourPanel = bgr(0xFFFFFF);
inline constexpr QRgb HalfHourPanel = bgr(0xE6E6E6);
inline constexpr QRgb EventMemo = bgr(0xD5FFFF);
inline constexpr QRgb EventMemoHighlight = bgr(0x9FCBD8);
inline constexpr QRgb EventMemoFont = bgr(4539717);
inline constexpr QRgb HourColumn = bgr(0xB46E14);
inline constexpr QRgb HourColumnLine = bgr(0xC5AB83);
inline constexpr QRgb TitleShapeBrush = bgr(0x098AEF);
inline constexpr QRgb TitleShapePen = bgr(0x0E95EF);
inline constexpr QRgb WeekHeader = bgr(0x098AEF);
inline constexpr QRgb WeekHeaderToday = bgr(11002);
inline constexpr QRgb WeekClient = bgr(0xE6E6E6);
inline constexpr QRgb WeekFullCell = bgr(0xE6E6E6);
inline constexpr QRgb WeekHalfCell = bgr(0xEEEEEE);

} // namespace viewcolours
