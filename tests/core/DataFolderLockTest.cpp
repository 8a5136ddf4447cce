#include "platform/DataFolderLock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using kartavel::platform::DataFolderLock;
using kartavel::test::TempDir;

TEST(DataFolderLock, OneHolderAtATime) {
    TempDir dir;
    DataFolderLock first, second;
    ASSERT_TRUE(first.tryLock(dir.path()));
    EXPECT_FALSE(second.tryLock(dir.path()));
    EXPECT_TRUE(second.heldElsewhere());
    first.unlock();
    EXPECT_TRUE(second.tryLock(dir.path()));
}

TEST(DataFolderLock, AnotherProcessIsRefusedAndTheLockDiesWithItsHolder) {
    TempDir dir;
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DataFolderLock lock;
        const char ok = lock.tryLock(dir.path()) ? '1' : '0';
        (void)!write(ready[1], &ok, 1);
        char c;
        (void)!read(release[0], &c, 1);
        _exit(0); // ends without unlocking
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    DataFolderLock mine;
    EXPECT_FALSE(mine.tryLock(dir.path()));
    (void)!write(release[1], "x", 1);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.tryLock(dir.path()));
}

TEST(DataFolderLock, AFolderThatCannotBeUsedIsNotMistakenForABusyOne) {
    TempDir dir;
    kartavel::test::writeFile(dir / "file", "");
    // A folder whose lock file's name is taken by a folder.
    std::filesystem::create_directories(dir / "taken" / DataFolderLock::kFileName);
    DataFolderLock lock;
    for (const auto& folder : {dir / "missing", dir / "file", dir / "taken"}) {
        EXPECT_FALSE(lock.tryLock(folder)) << folder;
        EXPECT_FALSE(lock.locked());
        EXPECT_FALSE(lock.heldElsewhere()) << folder;
    }
}
