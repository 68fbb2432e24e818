// The flags of the application message box: one OK button and an icon.
#pragma once

#include <cstdint>

namespace forms {

using TMessageFlags = std::uint16_t;
inline constexpr TMessageFlags MB_OK = 0x00;
inline constexpr TMessageFlags MB_ICONERROR = 0x10;
inline constexpr TMessageFlags MB_ICONWARNING = 0x30;
inline constexpr TMessageFlags MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;

enum class TMessageIcon { None, Error, Warning, Information, Question };

inline TMessageIcon IconOfFlags(TMessageFlags flags) {
    switch (flags & 0xF0) {
        case 0x10: return TMessageIcon::Error;
        case 0x20: return TMessageIcon::Question;
        case 0x30: return TMessageIcon::Warning;
        case 0x40: return TMessageIcon::Information;
        default: return TMessageIcon::None;
    }
}

}  // namespace forms
