#include "textrules/SingleByteText.h"

#include <array>

namespace textrules {

namespace singlebyte {
namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves unassigned map to the C1 controls.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte);
}

std::optional<char> toByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == u)
            return char(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decode(const QByteArray& bytes)
{
    // Written through a plain pointer: the data files are read whole, thousands of bytes at a time.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = toUnicode(static_cast<unsigned char>(byte));
    return text;
}

bool appendEncoded(const QString& text, QByteArray& bytes)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (QChar c : text) {
        const auto byte = toByte(c);
        if (!byte) {
            bytes.truncate(start);
            return false;
        }
        *out++ = *byte;
    }
    return true;
}

QChar firstUnstorable(const QString& text)
{
    for (QChar c : text)
        if (!toByte(c))
            return c;
    return QChar();
}

} // namespace singlebyte

} // namespace textrules
