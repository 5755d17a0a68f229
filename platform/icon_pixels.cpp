// Build tool: writes the program icon's PNG pictures as C++ arrays of premultiplied ARGB pixels.
// Usage: icon_pixels OUT.cpp PICTURE.png...
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: icon_pixels OUT.cpp PICTURE.png...\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Made by icon_pixels from the icon's PNG pictures.\n"
        << "#include \"platform/IconPixels.h\"\n\nnamespace platform {\n\nnamespace {\n\n";
    QList<int> sizes;
    for (int i = 2; i < argc; ++i) {
        // The format QPixmap keeps them in, so that the pictures are used as they are.
        const QImage picture = QImage(QString::fromLocal8Bit(argv[i]))
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (picture.isNull() || picture.width() != picture.height()) {
            std::fprintf(stderr, "icon_pixels: %s is not a square picture\n", argv[i]);
            return 1;
        }
        const int size = picture.width();
        sizes.append(size);
        out << "const quint32 Pixels" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const quint32*>(picture.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                out << ((y * size + x) % 8 == 0 ? "\n    " : " ") << "0x"
                    << QString::number(row[x], 16).rightJustified(8, u'0') << "u,";
            }
        }
        out << "\n};\n\n";
    }
    out << "} // namespace\n\nconst IconPixels ProgramIconPixels[] = {\n";
    for (int size : sizes) {
        out << "    {" << size << ", Pixels" << size << "},\n";
    }
    out << "};\nconst int ProgramIconPixelsCount = " << sizes.size()
        << ";\n\n} // namespace platform\n";
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
