// Build-time generator of the front-panel pictures and the unit digits.
//
//   panelart OUTPUT.cpp [PREVIEW-DIR]
//
// Draws the six faceplates from the panel geometry (an LED window under every LED panel, a
// socket or cage under every body and strip, the digit field, the SD slot and the mode button),
// draws the eleven seven-segment unit digits, encodes all of them as JPEG with libjpeg and writes
// them as byte arrays into OUTPUT.cpp. With PREVIEW-DIR it also writes each picture as a .jpg
// file there, and a copy with every part filled in, for a person to look at.
#include "ArtCanvas.h"
#include "PanelGeometry.h"
#include "PixelFont.h"

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Rgb kFaceTop{74, 79, 88};
constexpr Rgb kFaceBottom{50, 54, 61};
constexpr Rgb kFaceHighlight{112, 118, 128};
constexpr Rgb kFaceShadow{30, 32, 36};
constexpr Rgb kInk{222, 226, 230};
constexpr Rgb kWindow{8, 8, 9};
constexpr Rgb kBezel{120, 126, 134};
constexpr Rgb kSocketRim{138, 144, 152};
constexpr Rgb kSocket{20, 21, 24};
constexpr Rgb kCageRim{190, 195, 201};
constexpr Rgb kCageInner{150, 155, 162};
constexpr Rgb kCage{28, 30, 34};
constexpr Rgb kButton{176, 181, 188};
constexpr Rgb kButtonLight{225, 228, 232};
constexpr Rgb kButtonShade{90, 95, 102};
constexpr Rgb kDigitGround{16, 18, 20};
constexpr Rgb kDigitLit{255, 70, 40};
constexpr Rgb kDigitDim{58, 24, 20};

struct Box {
    int Left, Top, Right, Bottom; // right and bottom exclusive

    static Box Of(const PanelPart& p) { return {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height}; }
    Box Union(const Box& o) const {
        return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right),
                std::max(Bottom, o.Bottom)};
    }
    Box Grown(int n) const { return {Left - n, Top - n, Right + n, Bottom + n}; }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

void FillBox(ArtCanvas& c, const Box& b, Rgb colour) {
    c.Fill(b.Left, b.Top, b.Width(), b.Height(), colour);
}

// The dark window an LED shows through, with a light bezel around it. Triangles follow the
// region the form clips the LED panel to, one pixel larger on every side.
void DrawLedWindow(ArtCanvas& c, const PanelPart& p) {
    const double l = p.Left, t = p.Top, w = p.Width, h = p.Height;
    switch (p.Outline) {
    case LedOutline::Square:
        FillBox(c, Box::Of(p).Grown(2), kBezel);
        FillBox(c, Box::Of(p).Grown(1), kWindow);
        break;
    case LedOutline::Up:
        c.Triangle({l + w / 2, t - 3.5}, {l - 3, t + h + 2}, {l + w + 3, t + h + 2}, kBezel);
        c.Triangle({l + w / 2, t - 2}, {l - 1.5, t + h + 1}, {l + w + 1.5, t + h + 1}, kWindow);
        break;
    case LedOutline::Down:
        c.Triangle({l - 3, t - 2}, {l + w + 3, t - 2}, {l + w / 2, t + h + 3.5}, kBezel);
        c.Triangle({l - 1.5, t - 1}, {l + w + 1.5, t - 1}, {l + w / 2, t + h + 2}, kWindow);
        break;
    }
}

// A copper socket or an SFP cage under a body and its strip, and the port number on the strip's
// side.
void DrawJack(ArtCanvas& c, const PanelPart& body, const PanelPart& strip) {
    const Box inner = Box::Of(body).Union(Box::Of(strip));
    if (body.Sfp) {
        FillBox(c, inner.Grown(2), kCageRim);
        FillBox(c, inner.Grown(1), kCageInner);
        FillBox(c, inner, kCage);
    } else {
        FillBox(c, inner.Grown(1), kSocketRim);
        FillBox(c, inner, kSocket);
    }
    const std::string label = std::to_string(body.Port);
    const int x = inner.Left + (inner.Width() - TextWidth(label, 1)) / 2;
    const int y = strip.Top < body.Top ? inner.Top - 3 - 5 : inner.Bottom + 3;
    c.Text(label, x, y, 1, kInk);
}

void DrawButton(ArtCanvas& c, const PanelPart& p) {
    c.Fill(p.Left, p.Top, p.Width, p.Height, kButtonShade);
    c.Fill(p.Left, p.Top, p.Width - 1, p.Height - 1, kButtonLight);
    c.Fill(p.Left + 1, p.Top + 1, p.Width - 2, p.Height - 2, kButton);
}

ArtCanvas DrawPanel(const PanelDesign& d) {
    ArtCanvas c(d.PictureWidth, d.PictureHeight, kFaceTop);
    c.VerticalGradient(0, d.PictureHeight - 1, kFaceTop, kFaceBottom);
    c.Fill(0, 0, d.PictureWidth, 1, kFaceHighlight);
    c.Fill(0, d.PictureHeight - 1, d.PictureWidth, 1, kFaceShadow);

    // Sockets and cages first: where a cage's rim meets the digit field, the field wins.
    std::map<std::pair<int, bool>, std::pair<const PanelPart*, const PanelPart*>> jacks;
    for (const PanelPart& p : d.Parts) {
        if (p.Kind == PartKind::Body)
            jacks[{p.Port, p.Sfp}].first = &p;
        else if (p.Kind == PartKind::Strip)
            jacks[{p.Port, p.Sfp}].second = &p;
    }
    for (const auto& [key, jack] : jacks) {
        if (!jack.first || !jack.second)
            throw std::logic_error(d.ModelName + ": a body without its strip, port " +
                                   std::to_string(key.first));
        DrawJack(c, *jack.first, *jack.second);
    }
    for (const PanelPart& p : d.Parts) {
        switch (p.Kind) {
        case PartKind::SystemLed:
        case PartKind::ModeLed:
        case PartKind::PortLed:
        case PartKind::SfpLed:
            DrawLedWindow(c, p);
            break;
        case PartKind::SdCardBar:
            FillBox(c, Box::Of(p).Grown(2), kSocketRim);
            FillBox(c, Box::Of(p).Grown(1), kWindow);
            break;
        case PartKind::Digit:
            FillBox(c, Box::Of(p).Grown(2), kBezel);
            FillBox(c, Box::Of(p).Grown(1), kDigitGround);
            break;
        case PartKind::ModeButton:
            DrawButton(c, p);
            break;
        case PartKind::Body:
        case PartKind::Strip:
            break;
        }
    }
    for (const PanelText& t : d.Texts)
        c.Text(t.Text, t.Left, t.Top, t.Size, kInk);
    return c;
}

// Seven segments a to g of a 5 x 11 figure: {left, top, width, height}.
constexpr std::array<std::array<int, 4>, 7> kSegments = {{
    {1, 0, 3, 1},  // a
    {4, 1, 1, 4},  // b
    {4, 6, 1, 4},  // c
    {1, 10, 3, 1}, // d
    {0, 6, 1, 4},  // e
    {0, 1, 1, 4},  // f
    {1, 5, 3, 1},  // g
}};
constexpr std::array<const char*, 10> kDigitSegments = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                                        "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

void DrawFigure(ArtCanvas& c, int digit, int left, int top) {
    const std::string lit = kDigitSegments[static_cast<size_t>(digit)];
    for (size_t s = 0; s < kSegments.size(); ++s) {
        const auto& g = kSegments[s];
        const bool on = lit.find(static_cast<char>('a' + s)) != std::string::npos;
        c.Fill(left + g[0], top + g[1], g[2], g[3], on ? kDigitLit : kDigitDim);
    }
}

// Unit n (1 to 11) as seven-segment figures, centred in the 14 pixels that the narrowest digit
// field shows of the 16.
ArtCanvas DrawDigit(int n) {
    ArtCanvas c(16, 16, kDigitGround);
    if (n < 10) {
        DrawFigure(c, n, 4, 2);
    } else {
        DrawFigure(c, n / 10, 1, 2);
        DrawFigure(c, n % 10, 8, 2);
    }
    return c;
}

std::vector<uint8_t> EncodeJpeg(const ArtCanvas& c, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(c.Width());
    cinfo.image_height = static_cast<JDIMENSION>(c.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // No chroma subsampling: the LED windows and the digits' segments are one or two pixels wide.
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    const std::vector<uint8_t>& pixels = c.Pixels();
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + static_cast<size_t>(cinfo.next_scanline) *
                                                                static_cast<size_t>(c.Width()) * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return bytes;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void WriteArray(std::ostream& out, const std::string& name, const std::vector<uint8_t>& bytes) {
    out << "const uint8_t " << name << "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 24 == 0)
            out << "\n   ";
        out << ' ' << static_cast<int>(bytes[i]) << ',';
    }
    out << "\n};\n";
}

// The picture with every part filled in, as the shapes would paint it, to check the placement.
ArtCanvas Overlay(const PanelDesign& d, ArtCanvas c) {
    for (const PanelPart& p : d.Parts) {
        Rgb colour{0, 255, 0};
        if (p.Kind == PartKind::Body)
            colour = {53, 177, 5};
        else if (p.Kind == PartKind::Strip)
            colour = {89, 247, 124};
        else if (p.Kind == PartKind::Digit || p.Kind == PartKind::ModeButton)
            continue;
        if (p.Outline == LedOutline::Up)
            c.Triangle({p.Left + 3.0, p.Top + 0.0}, {p.Left + 0.0, p.Top + 6.0}, {p.Left + 6.0, p.Top + 6.0},
                       colour);
        else if (p.Outline == LedOutline::Down)
            c.Triangle({p.Left + 0.0, p.Top + 0.0}, {p.Left + 6.0, p.Top + 0.0}, {p.Left + 3.0, p.Top + 6.0},
                       colour);
        else
            c.Fill(p.Left, p.Top, p.Width, p.Height, colour);
    }
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: panelart OUTPUT.cpp [PREVIEW-DIR]\n";
        return 2;
    }
    const std::optional<std::string> preview = argc > 2 ? std::optional<std::string>(argv[2]) : std::nullopt;
    try {
        std::ostringstream out;
        out << "// Generated by panelart from the panel geometry: do not edit.\n"
               "#include \"PanelPictures.h\"\n\n#include <array>\n\nnamespace {\n\n";
        for (int m = 0; m < kPanelModelCount; ++m) {
            const PanelDesign& d = DesignOf(static_cast<PanelModel>(m));
            const ArtCanvas picture = DrawPanel(d);
            const std::vector<uint8_t> jpeg = EncodeJpeg(picture, 92);
            WriteArray(out, "kPanel" + std::to_string(m), jpeg);
            if (preview) {
                WriteFile(*preview + "/panel-" + d.ModelName + ".jpg", jpeg);
                WriteFile(*preview + "/overlay-" + d.ModelName + ".jpg", EncodeJpeg(Overlay(d, picture), 95));
            }
        }
        for (int n = 1; n <= 11; ++n) {
            const std::vector<uint8_t> jpeg = EncodeJpeg(DrawDigit(n), 95);
            WriteArray(out, "kDigit" + std::to_string(n), jpeg);
            if (preview)
                WriteFile(*preview + "/digit-" + std::to_string(n) + ".jpg", jpeg);
        }
        out << "\nconst std::array<std::span<const uint8_t>, " << kPanelModelCount << "> kPanels = {";
        for (int m = 0; m < kPanelModelCount; ++m)
            out << "kPanel" << m << ", ";
        out << "};\nconst std::array<std::span<const uint8_t>, 11> kDigits = {";
        for (int n = 1; n <= 11; ++n)
            out << "kDigit" << n << ", ";
        out << "};\n\n} // namespace\n\n"
               "std::span<const uint8_t> PanelPictureJpeg(PanelModel model) {\n"
               "    return kPanels.at(static_cast<size_t>(model));\n}\n\n"
               "std::span<const uint8_t> UnitDigitJpeg(int index) {\n"
               "    return index >= 0 && index < 11 ? kDigits[static_cast<size_t>(index)] : "
               "std::span<const uint8_t>();\n}\n";
        const std::string text = out.str();
        WriteFile(argv[1], std::vector<uint8_t>(text.begin(), text.end()));
    } catch (const std::exception& e) {
        std::cerr << "panelart: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
