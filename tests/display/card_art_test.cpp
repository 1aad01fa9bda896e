// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"
#include "engine/bmp_reader.h"
#include "support/case_names.h"

#include <QColor>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

constexpr int kFaceCount = 52;

QImage load(const QString& path)
{
    QImage image(path);
    // Pixels as stored; an "@2x" name would otherwise make painters draw it at half size.
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray pixelHash(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

struct FaceListCase {
    const char* folder;
    const char* extension;
    QSize size;
    const char* twiceExtension;
};

class BuiltInFaceList : public testing::TestWithParam<FaceListCase> {
protected:
    QString path(int number, bool twice = false) const
    {
        return QStringLiteral(":/cards/%1/%2%3.%4")
            .arg(QLatin1StringView(GetParam().folder))
            .arg(number)
            .arg(twice ? QStringLiteral("@2x") : QString())
            .arg(QLatin1StringView(twice ? GetParam().twiceExtension : GetParam().extension));
    }
};

TEST_P(BuiltInFaceList, HasFiftyTwoDistinctPicturesOfItsSize)
{
    std::set<QByteArray> distinct;
    for (int number = 1; number <= kFaceCount; ++number) {
        const QImage image = load(path(number));
        ASSERT_FALSE(image.isNull()) << path(number).toStdString();
        EXPECT_EQ(image.size(), GetParam().size) << path(number).toStdString();
        distinct.insert(pixelHash(image));
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kFaceCount));
    EXPECT_TRUE(load(path(0)).isNull());
    EXPECT_TRUE(load(path(kFaceCount + 1)).isNull());
}

// Mean difference per channel between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

QImage onWhite(const QImage& image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

// Each larger rendering, brought down to the plain size, looks most like its own card: a file under the wrong
// number would show another card on scaled screens only.
TEST_P(BuiltInFaceList, TwiceRenderingShowsTheSameCardAtTwiceThePixels)
{
    std::vector<QImage> plain;
    for (int number = 1; number <= kFaceCount; ++number)
        plain.push_back(onWhite(load(path(number))));
    for (int number = 1; number <= kFaceCount; ++number) {
        const QString twicePath = path(number, true);
        const QImage twice = load(twicePath);
        ASSERT_EQ(twice.size(), GetParam().size * 2) << twicePath.toStdString();
        const QImage reduced = onWhite(twice).scaled(GetParam().size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int nearest = 0;
        double nearestDifference = 1e9;
        for (int other = 1; other <= kFaceCount; ++other) {
            const double difference = meanDifference(reduced, plain[static_cast<std::size_t>(other - 1)]);
            if (difference < nearestDifference) {
                nearestDifference = difference;
                nearest = other;
            }
        }
        EXPECT_EQ(nearest, number) << twicePath.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, BuiltInFaceList,
                         testing::Values(FaceListCase{"large", "gif", QSize(71, 96), "gif"},
                                         FaceListCase{"small", "bmp", QSize(40, 50), "png"},
                                         FaceListCase{"sideways", "gif", QSize(96, 71), "gif"}),
                         [](const testing::TestParamInfo<FaceListCase>& test) {
                             return std::string(test.param.folder);
                         });

class BuiltInCard : public testing::TestWithParam<int> {};

TEST_P(BuiltInCard, LargeFaceHasTransparentCornersAndAnOpaqueFace)
{
    const QImage face = load(QStringLiteral(":/cards/large/%1.gif").arg(GetParam()));
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(face.pixel(70, 95)), 0);
    EXPECT_EQ(qAlpha(face.pixel(35, 48)), 255);
}

TEST_P(BuiltInCard, SidewaysFaceIsTheLargeFaceTurnedAQuarterAtEachScale)
{
    for (const QString& scale : {QString(), QStringLiteral("@2x")}) {
        const QImage large = load(QStringLiteral(":/cards/large/%1%2.gif").arg(GetParam()).arg(scale));
        const QImage sideways = load(QStringLiteral(":/cards/sideways/%1%2.gif").arg(GetParam()).arg(scale));
        ASSERT_FALSE(large.isNull()) << scale.toStdString();
        EXPECT_EQ(large.transformed(QTransform().rotate(90)), sideways) << scale.toStdString();
    }
}

// The core decodes the small faces itself; it must see exactly what the desktop layer shows.
TEST_P(BuiltInCard, SmallFaceDecodesTheSameInTheCoreAsInQt)
{
    QFile file(QStringLiteral(":/cards/small/%1.bmp").arg(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto decoded =
        engine::readBmp24({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    ASSERT_TRUE(decoded) << decoded.error;

    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(decoded.value->width, image.width());
    ASSERT_EQ(decoded.value->height, image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = image.constScanLine(y);
        const auto* ours = decoded.value->rgb.data() + std::size_t(y) * std::size_t(image.width()) * 3;
        ASSERT_TRUE(std::equal(row, row + image.width() * 3, ours)) << "row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCards, BuiltInCard, testing::Range(1, kFaceCount + 1),
                         testing_support::numberedCases("Picture"));

TEST(BuiltInBacks, HaveTheirSizesAndTwiceThemWhenRenderedLarger)
{
    EXPECT_EQ(load(QStringLiteral(":/backs/back.gif")).size(), QSize(71, 96));
    EXPECT_EQ(load(QStringLiteral(":/backs/back-sideways.gif")).size(), QSize(96, 71));
    EXPECT_EQ(load(QStringLiteral(":/backs/back-manual.jpg")).size(), QSize(43, 58));
    EXPECT_EQ(load(QStringLiteral(":/backs/back@2x.gif")).size(), QSize(142, 192));
    EXPECT_EQ(load(QStringLiteral(":/backs/back-sideways@2x.gif")).size(), QSize(192, 142));
    EXPECT_EQ(load(QStringLiteral(":/backs/back-manual@2x.jpg")).size(), QSize(86, 116));
}

TEST(BuiltInBacks, ManualBackIsRedAndTheOthersBlue)
{
    const auto redOverBlue = [](const QImage& image) {
        long red = 0;
        long blue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                red += qRed(image.pixel(x, y));
                blue += qBlue(image.pixel(x, y));
            }
        }
        return red - blue;
    };
    EXPECT_GT(redOverBlue(load(QStringLiteral(":/backs/back-manual.jpg"))), 0);
    EXPECT_LT(redOverBlue(load(QStringLiteral(":/backs/back.gif"))), 0);
    EXPECT_LT(redOverBlue(load(QStringLiteral(":/backs/back-sideways.gif"))), 0);
}

TEST(BuiltInZodiacSigns, TwelveDistinctSmallSquares)
{
    std::set<QByteArray> distinct;
    for (int sign = 0; sign < 12; ++sign) {
        const QImage image = load(QStringLiteral(":/zodiac/%1.jpg").arg(sign));
        ASSERT_FALSE(image.isNull()) << sign;
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 18);
        EXPECT_LE(image.width(), 29);
        distinct.insert(pixelHash(image));
    }
    EXPECT_EQ(distinct.size(), 12u);
    EXPECT_TRUE(load(QStringLiteral(":/zodiac/12.jpg")).isNull());
}

TEST(BuiltInIcon, EverySizeIsASquareOfThatSize)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = load(QStringLiteral(":/icon/%1.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
}

TEST(ApplicationIcon, OffersEveryBuiltInSizeAndDrawsEachAtThatSize)
{
    const QIcon icon = display::applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 6);
    for (const QSize& size : sizes) {
        const QPixmap drawn = icon.pixmap(size);
        EXPECT_FALSE(drawn.isNull()) << size.width();
        EXPECT_EQ(drawn.size(), size);
    }
}

} // namespace
