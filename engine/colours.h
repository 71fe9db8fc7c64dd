#pragma once

#include <cstdint>

namespace vorlant {

// The colours the engine and the board speak of. Fixed colours carry their RGB value;
// the two system colours are roles that the screen resolves from its palette.
struct Colour
{
    enum class Role : std::uint8_t
    {
        Fixed,
        ButtonFace,            // system colour 15
        GradientActiveCaption, // system colour 27
    };
    Role role = Role::Fixed;
    std::uint8_t red = 0, green = 0, blue = 0;

    friend bool operator==(const Colour &, const Colour &) = default;
};

inline constexpr Colour kSilver{Colour::Role::Fixed, 0xC0, 0xC0, 0xC0};
inline constexpr Colour kYellow{Colour::Role::Fixed, 0xFF, 0xFF, 0x00};
inline constexpr Colour kRed{Colour::Role::Fixed, 0xFF, 0x00, 0x00};
inline constexpr Colour kMoneyGreen{Colour::Role::Fixed, 0xC0, 0xDC, 0xC0};
inline constexpr Colour kBlack{Colour::Role::Fixed, 0x00, 0x00, 0x00};
inline constexpr Colour kWhite{Colour::Role::Fixed, 0xFF, 0xFF, 0xFF};
inline constexpr Colour kButtonFace{Colour::Role::ButtonFace, 0, 0, 0};
inline constexpr Colour kGradientActiveCaption{Colour::Role::GradientActiveCaption, 0, 0, 0};

} // namespace vorlant
