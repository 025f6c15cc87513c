#include "gui/common/QtText.h"

#include <QStringDecoder>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; 0 marks the five unused codes,
// which are shown as the replacement character.
const char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString FromWindows1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0) {
            const char16_t mapped = kCp1252High[code - 0x80];
            text += QChar(mapped != 0 ? mapped : char16_t{0xFFFD});
        } else {
            text += QChar(static_cast<char16_t>(code));
        }
    }
    return text;
}

bool IsAscii(const std::string& bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            return false;
        }
    }
    return true;
}
}  // namespace

QString FromBytes(const std::string& bytes) {
    if (IsAscii(bytes)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) {
        return FromWindows1252(bytes);
    }
    return text;
}

std::string ToBytes(const QString& text) {
    return text.toStdString();
}

QString EscapeMnemonics(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return escaped;
}
