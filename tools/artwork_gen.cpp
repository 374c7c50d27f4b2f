// Draws every picture the windows show, at the sizes their designs give and
// at scale 1 and 2, and writes their pixels into a C++ source of the desktop
// front end. Run by the build.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "app/App.h"
#include "desktop/Artwork.h"
#include "desktop/Session.h"
#include "platform/FakePlatform.h"
#include "ui/Control.h"
#include "ui/Window.h"

namespace {

enum class Packing { Raw = 0, Zlib = 1, Runs = 2 };

// The pixels as runs of one colour: a count and a pixel, each four bytes in
// this machine's order, which is the program's.
QByteArray Runs(const QImage& image)
{
    const auto* pixels = reinterpret_cast<const quint32*>(image.constBits());
    const qsizetype total = static_cast<qsizetype>(image.width()) * image.height();
    QByteArray bytes;
    for (qsizetype at = 0; at < total;) {
        quint32 count = 1;
        while (at + count < total && pixels[at + count] == pixels[at])
            ++count;
        bytes.append(reinterpret_cast<const char*>(&count), 4);
        bytes.append(reinterpret_cast<const char*>(&pixels[at]), 4);
        at += count;
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: boxi_artwork_gen OUTPUT.cpp\n");
        return 2;
    }
    boxi::desktop::EnsureRuntimeFolder();
    QGuiApplication application(argc, argv);
    boxi::platform::FakePlatform platform;
    boxi::App app(platform);

    std::set<std::tuple<std::string, int, int>> pictures;
    for (const boxi::ui::Window* window : app.runtime().windows()) {
        for (const boxi::ui::Control* control : window->controls()) {
            const boxi::ui::Props& design = control->design();
            if (control->kind() == boxi::ui::ControlKind::Image && !design.picture.empty())
                pictures.emplace(design.picture, design.rect.width, design.rect.height);
        }
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by boxi_artwork_gen at build time; do not edit.\n"
           "#include \"desktop/ArtworkData.h\"\n\n#include <QByteArray>\n\n#include <algorithm>\n#include <cstring>\n\n"
           "namespace boxi::desktop {\nnamespace {\n\n";
    int count = 0;
    std::string table;
    for (const auto& [key, width, height] : pictures) {
        for (int scale : {1, 2}) {
            QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            {
                QPainter painter(&image);
                boxi::desktop::PaintArtwork(painter, QRect(0, 0, width, height), key);
            }
            // Scale 1 is stored as it is, so the first paint needs no
            // unpacking; scale 2, only for high-density screens, packed. The
            // whole-window pictures of scale 1, whose raw pixels would swell
            // the source by megabytes, are stored as runs of one colour
            // (count, pixel): the windows paint them from the runs, row by
            // row, where inflating them cost a first opening several
            // milliseconds and kept a window-sized copy.
            // A picture with no transparent pixel is drawn as a plain copy
            // instead of being blended over what is under it.
            const bool opaque = !image.hasAlphaChannel() || [&image] {
                const auto* pixels = reinterpret_cast<const quint32*>(image.constBits());
                const qsizetype total = static_cast<qsizetype>(image.width()) * image.height();
                return std::all_of(pixels, pixels + total, [](quint32 pixel) { return (pixel >> 24) == 0xff; });
            }();
            const Packing packing = scale != 1 ? Packing::Zlib : width * height > 200000 ? Packing::Runs : Packing::Raw;
            QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), static_cast<qsizetype>(image.sizeInBytes()));
            if (packing == Packing::Zlib)
                bytes = qCompress(bytes, 9);
            else if (packing == Packing::Runs)
                bytes = Runs(image);
            static const char* hex = "0123456789abcdef";
            out << "const char kPicture" << count << "[] =";
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                if (i % 64 == 0)
                    out << "\n    \"";
                const unsigned char byte = static_cast<unsigned char>(bytes[i]);
                out << "\\x" << hex[byte >> 4] << hex[byte & 15];
                if (i % 64 == 63 || i + 1 == bytes.size())
                    out << "\"";
            }
            out << ";\n\n";
            table += "    {\"" + key + "\", " + std::to_string(width) + ", " + std::to_string(height) + ", " +
                     std::to_string(scale) + ", " + std::to_string(static_cast<int>(packing)) + ", " +
                     (opaque ? "true" : "false") + ", kPicture" + std::to_string(count) +
                     ", sizeof(kPicture" + std::to_string(count) + ") - 1},\n";
            ++count;
        }
    }
    out << "struct Picture {\n    const char* key;\n    int width, height, scale;\n"
           "    int packing;  // 0 raw pixels, 1 qCompress, 2 runs of (count, pixel)\n"
           "    bool opaque;  // every pixel's alpha is 0xff\n"
           "    const char* data;\n    qsizetype size;\n};\n\nconst Picture kPictures[] = {\n"
        << table
        << "};\n\n"
           "const Picture* Find(const std::string& key, QSize size, qreal device_pixel_ratio)\n{\n"
           "    for (const Picture& picture : kPictures) {\n"
           "        if (key == picture.key && size == QSize(picture.width, picture.height) &&\n"
           "            device_pixel_ratio == picture.scale)\n"
           "            return &picture;\n"
           "    }\n"
           "    return nullptr;\n}\n\n"
           "}  // namespace\n\n"
           "StoredRuns PrerenderedArtworkRuns(const std::string& key, QSize size, qreal device_pixel_ratio)\n{\n"
           "    const Picture* picture = Find(key, size, device_pixel_ratio);\n"
           "    if (!picture || picture->packing != 2)\n"
           "        return {};\n"
           "    return {std::span<const char>(picture->data, static_cast<size_t>(picture->size)), picture->width * picture->scale,\n"
           "            picture->height * picture->scale, picture->opaque};\n}\n\n"
           "std::span<const char> PrerenderedArtworkBytes(const std::string& key, QSize size, qreal device_pixel_ratio)\n{\n"
           "    const Picture* picture = Find(key, size, device_pixel_ratio);\n"
           "    return picture ? std::span<const char>(picture->data, static_cast<size_t>(picture->size)) : std::span<const char>();\n}\n\n"
           "QImage PrerenderedArtwork(const std::string& key, QSize size, qreal device_pixel_ratio)\n{\n"
           "    if (const Picture* found = Find(key, size, device_pixel_ratio)) {\n"
           "        const Picture& picture = *found;\n"
           "        const int width = picture.width * picture.scale, height = picture.height * picture.scale;\n"
           "        const QImage::Format format = picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;\n"
           "        if (picture.packing == 0) {\n"
           "            // The pixels stay where they are; the image only refers to them.\n"
           "            return QImage(reinterpret_cast<const uchar*>(picture.data), width, height, width * 4,\n"
           "                          format);\n"
           "        }\n"
           "        if (picture.packing == 2) {\n"
           "            QImage image(width, height, format);\n"
           "            auto* pixels = reinterpret_cast<quint32*>(image.bits());\n"
           "            const qsizetype total = qsizetype{width} * height;\n"
           "            qsizetype at = 0;\n"
           "            for (qsizetype i = 0; i + 8 <= picture.size; i += 8) {\n"
           "                quint32 count = 0, pixel = 0;\n"
           "                std::memcpy(&count, picture.data + i, 4);\n"
           "                std::memcpy(&pixel, picture.data + i + 4, 4);\n"
           "                if (count > total - at)\n"
           "                    return {};\n"
           "                std::fill_n(pixels + at, count, pixel);\n"
           "                at += count;\n"
           "            }\n"
           "            return at == total ? image : QImage();\n"
           "        }\n"
           "        QByteArray pixels = qUncompress(reinterpret_cast<const uchar*>(picture.data), picture.size);\n"
           "        QImage image(width, height, format);\n"
           "        if (pixels.size() != image.sizeInBytes())\n"
           "            return {};\n"
           "        std::memcpy(image.bits(), pixels.constData(), static_cast<size_t>(pixels.size()));\n"
           "        return image;\n"
           "    }\n"
           "    return {};\n}\n\n}  // namespace boxi::desktop\n";
    std::printf("%d pictures drawn\n", count);
    return out ? 0 : 1;
}
