// Build tool: draws the splash's logo with the program's own drawing code and writes it out as a
// C++ source holding its pixels, which the splash then shows without drawing any text.
#include "forms/ProgramIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

using namespace forms;

namespace {

constexpr int kLogoSize = 120;

void writePixels(QTextStream& out, const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out << "0x" << Qt::hex << line[x] << "u,";
        out << '\n';
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    // Written whole or not at all, so that a failed run never leaves a logo the build takes as done.
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const QImage image = programPixmap(kLogoSize).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QTextStream out(&file);
    out << "// Written by draw_splash_logo when the program was built.\n"
           "#include \"forms/ProgramIcon.h\"\n\n#include <QImage>\n\n"
           "namespace forms {\nnamespace {\nconst QRgb kPixels[] = {\n";
    writePixels(out, image);
    out << "};\n} // namespace\n\nQPixmap splashLogo()\n{\n"
        << Qt::dec << "    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(kPixels), " << kLogoSize
        << ", " << kLogoSize << ", " << kLogoSize * 4
        << ", QImage::Format_ARGB32_Premultiplied));\n}\n\n} // namespace forms\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.commit() ? 0 : 1;
}
