#include "platform/picture_cache.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "platform/picture_digests.h"
#include "platform/svg_pictures.h"

namespace vorn {
namespace {

// A picture with what makes rendering costly and easy to get subtly wrong:
// gradients, partial transparency and antialiased curves.
constexpr char kPicture[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30">
<defs><radialGradient id="g" cx="15" cy="12" r="14" gradientUnits="userSpaceOnUse">
<stop offset="0" stop-color="#fff8e8"/><stop offset="1" stop-color="#6a3e14" stop-opacity=".4"/>
</radialGradient></defs>
<path fill="#e8c590" d="M20 1l-19 28 38 0z"/><circle cx="17" cy="14" r="9" fill="url(#g)"/></svg>)svg";

QImage Rendered(QSize pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer{QByteArray(kPicture)};
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

QStringList Files(const QString& folder) {
  return QDir(folder).entryList(QDir::Files);
}

TEST(PictureCache, ADamagedOrStrangeFileIsRenderedAgainWithoutBlocking) {
  QTemporaryDir dir;
  const PictureCache cache(dir.path());
  const QByteArray version = PictureCache::VersionOf(kPicture);
  cache.Store("board.svg", version, 1, Rendered({40, 30}));
  ASSERT_EQ(Files(dir.path()).size(), 1);
  const QString path = dir.filePath(Files(dir.path()).front());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  const QByteArray whole = file.readAll();
  const auto damagedBy = [&](const QByteArray& bytes) {
    file.resize(0);
    file.seek(0);
    file.write(bytes);
    file.flush();
    return !cache.Find("board.svg", version, {40, 30}, 1);
  };
  EXPECT_TRUE(damagedBy(whole.left(whole.size() - 1)));             // cut short
  EXPECT_TRUE(damagedBy(whole + "x"));                              // too long
  EXPECT_TRUE(damagedBy(QByteArray(whole).replace(0, 4, "XXXX")));  // not a picture
  QByteArray otherSize = whole;
  otherSize[8] = 30;  // 30 x 40 pixels under the name of 40 x 30
  otherSize[12] = 40;
  EXPECT_TRUE(damagedBy(otherSize));
  EXPECT_FALSE(damagedBy(whole));
  file.close();
  // A pipe in its place would block a plain open.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  EXPECT_FALSE(cache.Find("board.svg", version, {40, 30}, 1));
}

TEST(PictureCache, APictureIsFoundForItsVersionSizeAndRatioAndOnlyTheLatestSizesStay) {
  QTemporaryDir dir;
  const PictureCache cache(dir.path());
  const QByteArray version = PictureCache::VersionOf(kPicture);
  cache.Store("board.svg", version, 1.5, Rendered({60, 45}));
  EXPECT_TRUE(cache.Find("board.svg", version, {60, 45}, 1.5));
  EXPECT_FALSE(cache.Find("board.svg", version, {61, 45}, 1.5));
  EXPECT_FALSE(cache.Find("board.svg", version, {60, 45}, 2));
  EXPECT_FALSE(cache.Find("ball1.svg", version, {60, 45}, 1.5));
  EXPECT_FALSE(cache.Find("board.svg", PictureCache::VersionOf("<svg/>"), {60, 45}, 1.5));
  cache.Store("board.svg", PictureCache::VersionOf("<svg/>"), 1, Rendered({10, 10}));
  cache.Store("ball1.svg", PictureCache::VersionOf("<svg/>"), 1, Rendered({10, 10}));
  cache.Store("board.svg", PictureCache::VersionOf("<svg/>"), 2, Rendered({20, 20}));
  for (int side = 11; side <= 18; ++side)
    cache.Store("board.svg", version, 1, Rendered({side, side}));
  const QStringList kept = Files(dir.path());
  EXPECT_EQ(kept.filter(QRegularExpression("^board@1-")).size(), 6) << kept.join(" ").toStdString();
  EXPECT_TRUE(cache.Find("board.svg", version, {18, 18}, 1));
  EXPECT_FALSE(cache.Find("board.svg", PictureCache::VersionOf("<svg/>"), {10, 10}, 1));
  // Other pictures and ratios are not touched.
  EXPECT_TRUE(cache.Find("ball1.svg", PictureCache::VersionOf("<svg/>"), {10, 10}, 1));
  EXPECT_TRUE(cache.Find("board.svg", PictureCache::VersionOf("<svg/>"), {20, 20}, 2));
  EXPECT_TRUE(cache.Find("board.svg", version, {60, 45}, 1.5));
}

TEST(PictureCache, AStoreThatCannotBeWrittenIsNoErrorEvenOverAFileSizeLimit) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const PictureCache blocked(blocker.fileName() + "/pictures");
  blocked.Store("board.svg", "v", 1, Rendered({40, 30}));
  EXPECT_FALSE(blocked.Find("board.svg", "v", {40, 30}, 1));

  rlimit old;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const PictureCache limited(dir.filePath("limited"));
  limited.Store("board.svg", "v", 1, Rendered({40, 30}));  // 4816 bytes
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_FALSE(limited.Find("board.svg", "v", {40, 30}, 1));
  EXPECT_TRUE(Files(dir.filePath("limited")).isEmpty())
      << "no half-written picture is left: "
      << Files(dir.filePath("limited")).join(" ").toStdString();
}

// The pictures compiled in are known by digests taken as they were built:
// each must be the digest of the picture as compiled in, or a changed picture
// would be drawn from an old one on the disk.
TEST(PictureCache, EachPictureCompiledInHasTheDigestOfItsContent) {
  const QStringList pictures = QDir(":/assets").entryList();
  ASSERT_GE(pictures.size(), 13);
  for (const QString& name : pictures) {
    QFile picture(":/assets/" + name);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    const QByteArray digest =
        QCryptographicHash::hash(picture.readAll(), QCryptographicHash::Sha1).toHex();
    EXPECT_EQ(BuiltPictureDigest((":/assets/" + name).toStdString()), digest.toStdString())
        << name.toStdString();
  }
  EXPECT_TRUE(BuiltPictureDigest("/tmp/sample.svg").empty());
}

// The picture drawn from the disk is the one rendered: the same pixels as
// a rendering straight into a pixmap, at a ratio that does not divide evenly.
TEST(PictureCache, APictureReadBackIsThePictureRendered) {
  QTemporaryDir dir;
  const QString source = dir.filePath("sample.svg");
  QFile file(source);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(kPicture);
  file.close();
  const QSize logical(47, 35);
  QPixmap direct(logical * 1.5);
  direct.setDevicePixelRatio(1.5);
  direct.fill(Qt::transparent);
  QSvgRenderer renderer(source);
  QPainter painter(&direct);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
  painter.end();

  const QImage first = SvgImage(source, logical, 1.5);
  const QString cached =
      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/vorn/pictures";
  ASSERT_EQ(Files(cached).filter(QRegularExpression("^sample@1.5-71x53-")).size(), 1);
  const QImage second = SvgImage(source, logical, 1.5);
  EXPECT_EQ(first, direct.toImage());
  EXPECT_EQ(second, first);
  EXPECT_EQ(second.devicePixelRatio(), 1.5);
}

}  // namespace
}  // namespace vorn
