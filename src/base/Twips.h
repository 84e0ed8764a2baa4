#pragma once

namespace tesorin {

// The window's design sizes are in twips; at 96 dpi fifteen make a pixel.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

} // namespace tesorin
