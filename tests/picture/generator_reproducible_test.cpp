// The committed pictures are exactly what the generator draws today.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FretboardGeneratorTest, RedrawsTheCommittedPicturesByteForByte) {
  QTemporaryDir output;
  ASSERT_TRUE(output.isValid());
  QProcess generator;
  generator.start(QStringLiteral(VELMORA_DRAW_FRETBOARD),
                  QStringList{output.path()});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(generator.exitCode(), 0)
      << generator.readAllStandardError().toStdString();

  const QDir committed(QStringLiteral(VELMORA_RESOURCES_DIR));
  for (const QString& name :
       {QStringLiteral("fretboard.png"), QStringLiteral("fretboard@2x.png")}) {
    const QByteArray drawn = ReadAll(QDir(output.path()).filePath(name));
    ASSERT_FALSE(drawn.isEmpty()) << name.toStdString();
    EXPECT_TRUE(drawn == ReadAll(committed.filePath(name)))
        << name.toStdString() << " differs from the generator's output";
  }
}

TEST(FretboardGeneratorTest, RefusesToRunWithoutAnOutputDirectory) {
  QProcess generator;
  generator.start(QStringLiteral(VELMORA_DRAW_FRETBOARD), QStringList{});
  ASSERT_TRUE(generator.waitForFinished(120000));
  EXPECT_NE(generator.exitCode(), 0);
}

}  // namespace
