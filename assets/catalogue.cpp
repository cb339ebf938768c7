#include "catalogue.h"

#include <algorithm>
#include <array>

namespace tutor::assets {

namespace {

using enum Family;
using enum Format;

// Pictures of their own size. Columns: panel, family, original format, width, height.
// clang-format off
constexpr Picture kOwnSize[] = {
    {"Image1", Background, Bmp24, 1101, 520},
    {"Image2", ProductPage, Bmp24, 490, 308},
    {"Image3", Lesson1, Bmp24, 530, 362},
    {"Image4", Lesson1, Bmp24, 405, 231},
    {"Image5", Lesson1, Bmp24, 402, 231},
    {"Image6", Lesson1, Bmp24, 403, 231},
    {"Image7", Lesson1, Bmp24, 404, 231},
    {"Image8", Lesson1, Bmp24, 402, 231},
    {"Image9", Lesson1, Bmp24, 403, 231},
    {"Image10", Lesson2, Bmp24, 530, 362},
    {"Image11", Lesson2, Bmp24, 530, 290},
    {"Image12", Lesson2, Bmp24, 530, 257},
    {"Image13", Lesson2, Bmp24, 530, 293},
    {"Image14", Lesson2, Bmp24, 530, 281},
    {"Image15", Lesson2, Bmp24, 530, 273},
    {"Image16", Lesson2, Bmp24, 530, 254},
    {"Image17", Lesson2, Bmp24, 530, 243},
    {"Image18", Lesson2, Bmp24, 530, 285},
    {"Image19", Lesson2, Bmp24, 530, 293},
    {"Image20", Lesson2, Bmp24, 530, 274},
    {"Image21", Lesson2, Bmp24, 530, 279},
    {"Image22", Lesson2, Bmp24, 530, 265},
    {"Image23", Lesson2, Bmp24, 530, 276},
    {"Wk1", Drill, Bmp24, 524, 359},
    {"Wk2", Drill, Bmp24, 376, 168},
    {"Wk3", Drill, Bmp24, 324, 205},
    {"Wk4", Drill, Bmp24, 283, 143},
    {"Wk5", Drill, Bmp24, 347, 225},
    {"Wk6", Drill, Bmp24, 315, 193},
    {"Wk7", Drill, Bmp24, 241, 185},
    {"Wk8", Drill, Bmp24, 262, 192},
    {"Wk9", Drill, Bmp24, 252, 133},
    {"Wk10", Drill, Bmp24, 198, 103},
    {"Wk11", Drill, Bmp24, 147, 113},
    {"Wk12", Drill, Bmp24, 241, 183},
    {"Wk13", Drill, Bmp24, 170, 138},
    {"Wk14", Drill, Bmp24, 217, 90},
    {"Wk15", Drill, Bmp24, 352, 224},
    {"Wk16", Drill, Bmp24, 257, 150},
    {"Wk17", Drill, Bmp24, 256, 181},
    {"Wk18", Drill, Bmp24, 392, 138},
    {"Wk19", Drill, Bmp24, 402, 137},
    {"Wk20", Drill, Bmp24, 445, 273},
    {"Wk21", Drill, Bmp24, 309, 168},
    {"Wk22", Drill, Bmp24, 282, 140},
    {"Wk23", Drill, Bmp24, 294, 233},
    {"Wk24", Drill, Bmp24, 429, 296},
    {"DM1", Drill, Bmp24, 152, 99},
    {"DM2", Drill, Bmp24, 168, 99},
    {"DM3", Drill, Bmp24, 131, 93},
    {"DM4", Drill, Bmp24, 140, 88},
    {"DM5", Drill, Bmp24, 152, 89},
    {"DM6", Drill, Bmp24, 148, 90},
    {"DM7", Drill, Bmp24, 116, 88},
    {"DM8", Drill, Bmp24, 178, 90},
    {"DM9", Drill, Bmp24, 127, 89},
    {"DM10", Drill, Bmp24, 226, 114},
    {"DM11", Drill, Bmp24, 181, 96},
    {"DM12", Drill, Bmp24, 211, 133},
    {"DM13", Drill, Bmp24, 183, 131},
    {"DMA", Demonstration, Gif, 568, 301},
    {"DMB", Demonstration, Gif, 652, 307},
    {"HD1", RadicalTable, Bmp24, 265, 175},
    {"HD2", RadicalTable, Bmp24, 258, 138},
    {"HD3", RadicalTable, Bmp24, 278, 203},
    {"HD4", RadicalTable, Bmp24, 277, 148},
    {"HD5", RadicalTable, Bmp24, 266, 209},
    {"HD6", RadicalTable, Bmp24, 266, 189},
    {"HD7", RadicalTable, Bmp24, 263, 191},
    {"HD8", RadicalTable, Bmp24, 275, 159},
    {"HD9", RadicalTable, Bmp24, 241, 147},
    {"HD10", RadicalTable, Bmp24, 264, 138},
    {"HD11", RadicalTable, Bmp24, 247, 185},
};
// clang-format on

static_assert(std::size(kOwnSize) == 73);

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Names of the lettered families, spelt out once so that the records can point at them.
constexpr std::array<std::string_view, 26> kKeyNames = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                        "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                        "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::array<std::string_view, 26> kConversionNames = {
    "Show_A", "Show_B", "Show_C", "Show_D", "Show_E", "Show_F", "Show_G", "Show_H", "Show_I",
    "Show_J", "Show_K", "Show_L", "Show_M", "Show_N", "Show_O", "Show_P", "Show_Q", "Show_R",
    "Show_S", "Show_T", "Show_U", "Show_V", "Show_W", "Show_X", "Show_Y", "Show_Z"};
constexpr std::array<std::string_view, 26> kLetterShapeNames = {"SA", "SB", "SC", "SD", "SE", "SF", "SG", "SH", "SI",
                                                                "SJ", "SK", "SL", "SM", "SN", "SO", "SP", "SQ", "SR",
                                                                "SS", "ST", "SU", "SV", "SW", "SX", "SY", "SZ"};

// Conversion charts first made with an alpha byte (always opaque).
constexpr std::string_view kThirtyTwoBit = "ACDHNOQSUVXYZ";

constexpr std::array<Picture, 154> build()
{
    std::array<Picture, 154> out{};
    std::size_t n = 0;
    out[n++] = {"Form1", WindowIcon, Ico, 32, 32};
    for (std::size_t i = 0; i < 26; ++i)
        out[n++] = {kKeyNames[i], LetterKey, Bmp24, 50, 65};
    for (std::size_t i = 0; i < 26; ++i) {
        const char c = kLetters[i];
        const bool wide = kThirtyTwoBit.find(c) != std::string_view::npos;
        out[n++] = {kConversionNames[i], ConversionChart, wide ? Bmp32 : Bmp24, 255, c == 'G' ? 150 : 149};
    }
    for (std::size_t i = 0; i < 26; ++i)
        out[n++] = {kLetterShapeNames[i], LetterShapeChart, Bmp24, 128, kLetters[i] == 'G' ? 150 : 149};
    out[n++] = {"S0", Legend, Bmp24, 128, 101};
    out[n++] = {"S1", Legend, Bmp24, 128, 101};
    for (const Picture &p : kOwnSize)
        out[n++] = p;
    return out;
}

constexpr std::array<Picture, 154> kCatalogue = build();

} // namespace

std::span<const Picture> catalogue()
{
    return kCatalogue;
}

const Picture *pictureFor(std::string_view name)
{
    const auto it =
        std::find_if(kCatalogue.begin(), kCatalogue.end(), [name](const Picture &p) { return p.name == name; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

} // namespace tutor::assets
