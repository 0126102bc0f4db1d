// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/save_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "test_files.h"

namespace vek {
namespace {

using testing::FileContents;
using testing::WriteFile;

class SaveFile : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
};

TEST_F(SaveFile, ReplacesAnExistingFileWhole) {
    ASSERT_TRUE(WriteFile(path("a.vkt"), QByteArray(100, 'x')));
    EXPECT_EQ(SaveBytes(path("a.vkt"), "new"), SaveResult::Saved);
    EXPECT_EQ(FileContents(path("a.vkt")), "new");
}

TEST_F(SaveFile, EmptyBytesGiveAnEmptyFile) {
    EXPECT_EQ(SaveBytes(path("e.txt"), QByteArray()), SaveResult::Saved);
    EXPECT_TRUE(QFile::exists(path("e.txt")));
    EXPECT_EQ(QFile(path("e.txt")).size(), 0);
}

TEST_F(SaveFile, MissingFolderCannotBeCreated) {
    EXPECT_EQ(SaveBytes(path("gone/a.vkt"), "x"), SaveResult::CannotCreate);
}

TEST_F(SaveFile, AFolderAsTargetCannotBeCreatedAndStays) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    EXPECT_EQ(SaveBytes(path("sub"), "x"), SaveResult::CannotCreate);
    EXPECT_TRUE(QFileInfo(path("sub")).isDir());
}

TEST_F(SaveFile, UnwritableFolderCannotBeCreated) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("locked")));
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(SaveBytes(path("locked/a.vkt"), "x"), SaveResult::CannotCreate);
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SaveFile, FullDeviceIsAWriteFailure) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(SaveBytes(QStringLiteral("/dev/full"), "some bytes"), SaveResult::WriteFailed);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile()) << "the device was replaced";
}

// A file-size limit makes the disk look full to this process: the write of the temporary
// file fails and the previous file must survive untouched, whether the bytes went through the
// write buffer (small) or straight to the disk (large).
class FullDisk : public ::testing::TestWithParam<qsizetype> {
protected:
    QTemporaryDir dir_;
};

TEST_P(FullDisk, WriteStoppedShortKeepsThePreviousFile) {
    const QString path = dir_.filePath(QStringLiteral("r.vek"));
    ASSERT_TRUE(WriteFile(path, "previous report"));
    SaveResult result{};
    {
        const testing::FileSizeLimit limit(1024);
        ASSERT_TRUE(limit.applied());
        result = SaveBytes(path, QByteArray(GetParam(), 'r'));
    }

    EXPECT_EQ(result, SaveResult::WriteFailed);
    EXPECT_EQ(FileContents(path), "previous report");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("r.vek")})
        << "the temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(Sizes, FullDisk, ::testing::Values(4 * 1024, 64 * 1024));

TEST_F(SaveFile, ReadBytesWholeOrFirstBytes) {
    ASSERT_TRUE(WriteFile(path("d.bin"), "0123456789"));
    EXPECT_EQ(ReadBytes(path("d.bin")), QByteArray("0123456789"));
    EXPECT_EQ(ReadBytes(path("d.bin"), 4), QByteArray("0123"));
    EXPECT_EQ(ReadBytes(path("d.bin"), 48), QByteArray("0123456789"));
}

TEST_F(SaveFile, ReadBytesFailsForMissingEmptyNameAndFolder) {
    EXPECT_FALSE(ReadBytes(path("missing.vkt")).has_value());
    EXPECT_FALSE(ReadBytes(QString()).has_value());
    EXPECT_FALSE(ReadBytes(dir_.path()).has_value());
}

}  // namespace
}  // namespace vek
