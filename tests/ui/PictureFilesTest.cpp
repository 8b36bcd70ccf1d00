#include "PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace picture_files_test {

namespace {

// A folder path that cannot be made: a file stands where its parent would be.
QString BlockedFolder(const QTemporaryDir& dir) {
    QFile file(dir.filePath("file"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return dir.filePath("file/pictures");
}

} // namespace

TEST(PictureFiles, TheFolderIsMadeAndAPictureThatCannotBeWrittenMakesTheStatusNonZero) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("new/pictures");
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    EXPECT_TRUE(MakePictureFolder(folder));
    EXPECT_TRUE(SavePicture(picture, folder + "/a.png"));
    EXPECT_TRUE(QFileInfo(folder + "/a.png").size() > 0);
    EXPECT_EQ(PicturesExitStatus(), 0);

    const QString blocked = BlockedFolder(dir);
    EXPECT_FALSE(MakePictureFolder(blocked));
    EXPECT_FALSE(SavePicture(picture, blocked + "/b.png"));
    EXPECT_EQ(PicturesExitStatus(), 1);
}

// The sample forms' screenshot program, run as a person runs it: into a folder that does not exist
// yet, and into one that cannot be made.
TEST(PictureFiles, TheScreenshotProgramMakesItsFolderAndEndsNonZeroWhenItCannotWrite) {
    const char* binaries = std::getenv("ZQS_BINARY_DIR");
    ASSERT_NE(binaries, nullptr);
    const QString program = QString::fromLocal8Bit(binaries) + "/tests/ui/ui_screenshots";
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << qPrintable(program);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        QString Folder;
        int Status;
    } runs[] = {{dir.filePath("new/pictures"), 0}, {BlockedFolder(dir), 1}};
    for (const auto& run : runs) {
        SCOPED_TRACE(qPrintable(run.Folder));
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, {run.Folder});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), run.Status);
        EXPECT_EQ(QFileInfo(run.Folder + "/controls.png").exists(), run.Status == 0);
    }
}

} // namespace picture_files_test
