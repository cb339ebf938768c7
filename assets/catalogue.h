#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tutor::assets {

enum class Family : std::uint8_t {
    WindowIcon,
    LetterKey,
    ConversionChart,
    LetterShapeChart,
    Legend,
    Background,
    ProductPage,
    Lesson1,
    Lesson2,
    Drill,
    Demonstration,
    RadicalTable,
};

// The form each picture was first made in. Ours are drawn and stored losslessly as
// PNG; the original form still tells which pictures must look alike.
enum class Format : std::uint8_t { Bmp24, Bmp32, Gif, Ico };

struct Picture
{
    std::string_view name; // the panel that shows it; "Form1" for the window icon
    Family family;
    Format format;
    int width;  // pixels
    int height; // pixels
};

// All 154 pictures of the window: the 153 panels and the window icon.
std::span<const Picture> catalogue();

// The record of one panel, or nullptr for a name that has no picture.
const Picture *pictureFor(std::string_view name);

} // namespace tutor::assets
