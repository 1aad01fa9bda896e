// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scrambling.h"

#include <QByteArray>

namespace shell {

namespace {

constexpr char kMask[] = "Zelto";
constexpr qsizetype kMaskLength = sizeof(kMask) - 1;
constexpr auto kBase64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray applyMask(QByteArray bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ kMask[i % kMaskLength]);
    return bytes;
}

} // namespace

QString scrambleSetting(const QString& text)
{
    return QString::fromLatin1(applyMask(text.toUtf8()).toBase64(kBase64Options));
}

std::optional<QString> unscrambleSetting(const QString& scrambled)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(scrambled.toLatin1(), kBase64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QByteArray plain = applyMask(*decoded);
    QString text = QString::fromUtf8(plain);
    if (text.toUtf8() != plain)
        return std::nullopt;
    return text;
}

} // namespace shell
