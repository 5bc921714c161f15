// Where the program finds its files and where it writes: the choice over a described
// machine, then the real file system's answers.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

#include "platform/program_paths.h"

using namespace quillan;

namespace {

// A machine described by the folders that hold the program's files and those that may be
// written.
struct Machine {
    std::set<QString> withFiles;
    std::set<QString> writable;

    FolderProbe probe() const {
        return {[this](const QString& f) { return withFiles.count(f) > 0; },
                [this](const QString& f) { return writable.count(f) > 0; }};
    }
};

const QString kUserData = "/home/ann/.local/share/Quillan";
const QStringList kDataFolders{"/home/ann/.local/share", "/usr/local/share", "/usr/share"};

ProgramPaths choose(const QString& exe, const Machine& m) {
    return chooseProgramPaths(exe, kDataFolders, kUserData, m.probe());
}

} // namespace

TEST(ProgramFolderChoice, TheBuildFolderKeepsEverythingBesideTheProgramAsBefore) {
    const Machine m{{"/src/build/bin", "/usr/share/quillan"}, {"/src/build/bin"}};
    const ProgramPaths p = choose("/src/build/bin", m);
    EXPECT_EQ(p.programFolder, "/src/build/bin");
    EXPECT_EQ(p.writableFolder, "/src/build/bin");
}

TEST(ProgramFolderChoice, AProgramFolderThatMayNotBeWrittenSendsWritesToTheUsersFolder) {
    const Machine m{{"/opt/quillan"}, {}};
    const ProgramPaths p = choose("/opt/quillan", m);
    EXPECT_EQ(p.programFolder, "/opt/quillan");
    EXPECT_EQ(p.writableFolder, kUserData);
}

TEST(ProgramFolderChoice, AnInstalledCopyReadsItsShareFolderAndWritesInTheUsersFolder) {
    const Machine m{{"/usr/share/quillan", "/usr/local/share/quillan"}, {"/usr/bin"}};
    const ProgramPaths p = choose("/usr/bin", m);
    EXPECT_EQ(p.programFolder, "/usr/share/quillan"); // beside bin, before the data folders
    EXPECT_EQ(p.writableFolder, kUserData);
}

// A user-prefix install (--prefix ~/.local) or a root install run as root: the share folder
// may be written, but an uninstall removes it, so the scores go to the user's folder.
TEST(ProgramFolderChoice, AnInstalledShareFolderThePlayerMayWriteStillSendsWritesToTheUsersFolder) {
    const Machine user{{"/home/ann/.local/share/quillan"},
                       {"/home/ann/.local/share/quillan", "/home/ann/.local/bin"}};
    const ProgramPaths p = choose("/home/ann/.local/bin", user);
    EXPECT_EQ(p.programFolder, "/home/ann/.local/share/quillan");
    EXPECT_EQ(p.writableFolder, kUserData);
    const Machine root{{"/usr/local/share/quillan"}, {"/usr/local/share/quillan"}};
    EXPECT_EQ(choose("/usr/local/bin", root).writableFolder, kUserData);
    // Found through the data folders rather than beside bin: the same.
    const Machine xdg{{"/usr/share/quillan"}, {"/usr/share/quillan", "/opt/q/bin"}};
    EXPECT_EQ(choose("/opt/q/bin", xdg).writableFolder, kUserData);
}

TEST(ProgramFolderChoice, WithoutAShareFolderBesideItTheDataFoldersAreSearchedInOrder) {
    const Machine m{{"/usr/local/share/quillan", "/usr/share/quillan"}, {}};
    EXPECT_EQ(choose("/opt/games/bin", m).programFolder, "/usr/local/share/quillan");
    const Machine onlyLast{{"/usr/share/quillan"}, {}};
    EXPECT_EQ(choose("/opt/games/bin", onlyLast).programFolder, "/usr/share/quillan");
}

TEST(ProgramFolderChoice, NoFilesAnywhereLeavesTheProgramsOwnFolderAndItsFilesMissing) {
    const Machine readOnly{{}, {}};
    EXPECT_EQ(choose("/usr/bin", readOnly).programFolder, "/usr/bin");
    EXPECT_EQ(choose("/usr/bin", readOnly).writableFolder, kUserData);
    // A writable folder without the program's files beside it is no build folder either.
    const Machine writable{{}, {"/tmp/q"}};
    EXPECT_EQ(choose("/tmp/q", writable).writableFolder, kUserData);
}

TEST(ProgramFolderChoice, WithNoUserFolderKnownFilesAreStillMeantForTheProgramFolder) {
    const Machine m{{"/usr/share/quillan"}, {}};
    const ProgramPaths p = chooseProgramPaths("/usr/bin", kDataFolders, {}, m.probe());
    EXPECT_EQ(p.writableFolder, "/usr/share/quillan");
}

TEST(ProgramFolderChoice, CandidatesAreCleanAndEachTriedOnce) {
    const QStringList c =
        programFolderCandidates("/usr/bin/", {"/usr/share", "", "/usr/share/", "/usr/local/share"});
    EXPECT_EQ(c, (QStringList{"/usr/bin", "/usr/share/quillan", "/usr/local/share/quillan"}));
}

TEST(ProgramFolderOnDisk, AFolderHoldsTheFilesWhenItHasTheHelpFilePicturesOrSounds) {
    QTemporaryDir root;
    const QDir dir(root.path());
    EXPECT_FALSE(holdsProgramFiles(root.path()));
    ASSERT_TRUE(dir.mkpath("a/wavs"));
    ASSERT_TRUE(dir.mkpath("b/pics"));
    ASSERT_TRUE(dir.mkpath("c/felton.hlp")); // a folder named like the help file is not it
    ASSERT_TRUE(dir.mkpath("d"));
    QFile help(dir.filePath("d/felton.hlp"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    EXPECT_TRUE(holdsProgramFiles(dir.filePath("a")));
    EXPECT_TRUE(holdsProgramFiles(dir.filePath("b")));
    EXPECT_FALSE(holdsProgramFiles(dir.filePath("c")));
    EXPECT_TRUE(holdsProgramFiles(dir.filePath("d")));
}

TEST(ProgramFolderOnDisk, AnInstalledTreeIsFoundBesideTheExecutable) {
    QTemporaryDir prefix;
    const QDir dir(prefix.path());
    ASSERT_TRUE(dir.mkpath("bin"));
    ASSERT_TRUE(dir.mkpath("share/quillan/pics"));
    const ProgramPaths p = findProgramPaths(dir.filePath("bin"));
    EXPECT_EQ(p.programFolder, QDir::cleanPath(dir.filePath("share/quillan")));
}

TEST(ProgramFolderOnDisk, AMissingFolderIsNotWritableUntilMadeWithItsParents) {
    QTemporaryDir root;
    const QString folder = root.path() + "/home/.local/share/Quillan";
    EXPECT_FALSE(isWritableFolder(folder));
    EXPECT_TRUE(makeFolder(folder));
    EXPECT_TRUE(isWritableFolder(folder));
    EXPECT_TRUE(makeFolder(folder)); // already there
    EXPECT_FALSE(makeFolder(QString()));
}
