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
           "#include \"desktop/ArtworkData.h\"\n\n#include <QByteArray>\n\n#include <cstring>\n\n"
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
            // unpacking; scale 2, only for high-density screens, packed, and
            // so are whole-window pictures, whose raw pixels would swell the
            // source by megabytes.
            const bool packed = scale != 1 || width * height > 200000;
            QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), static_cast<qsizetype>(image.sizeInBytes()));
            if (packed)
                bytes = qCompress(bytes, 9);
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
                     std::to_string(scale) + ", " + (packed ? "true" : "false") + ", kPicture" + std::to_string(count) +
                     ", sizeof(kPicture" + std::to_string(count) + ") - 1},\n";
            ++count;
        }
    }
    out << "struct Picture {\n    const char* key;\n    int width, height, scale;\n    bool packed;\n"
           "    const char* data;\n    qsizetype size;\n};\n\nconst Picture kPictures[] = {\n"
        << table
        << "};\n\n}  // namespace\n\n"
           "QImage PrerenderedArtwork(const std::string& key, QSize size, qreal device_pixel_ratio)\n{\n"
           "    for (const Picture& picture : kPictures) {\n"
           "        if (key != picture.key || size != QSize(picture.width, picture.height) ||\n"
           "            device_pixel_ratio != picture.scale)\n"
           "            continue;\n"
           "        const int width = picture.width * picture.scale, height = picture.height * picture.scale;\n"
           "        if (!picture.packed) {\n"
           "            // The pixels stay where they are; the image only refers to them.\n"
           "            return QImage(reinterpret_cast<const uchar*>(picture.data), width, height, width * 4,\n"
           "                          QImage::Format_ARGB32_Premultiplied);\n"
           "        }\n"
           "        QByteArray pixels = qUncompress(reinterpret_cast<const uchar*>(picture.data), picture.size);\n"
           "        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);\n"
           "        if (pixels.size() != image.sizeInBytes())\n"
           "            return {};\n"
           "        std::memcpy(image.bits(), pixels.constData(), static_cast<size_t>(pixels.size()));\n"
           "        return image;\n"
           "    }\n"
           "    return {};\n}\n\n}  // namespace boxi::desktop\n";
    std::printf("%d pictures drawn\n", count);
    return out ? 0 : 1;
}
