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

TEST(DataFolderLock, AFolderThatIsNotThereCannotBeLocked) {
    TempDir dir;
    DataFolderLock lock;
    EXPECT_FALSE(lock.tryLock(dir / "missing"));
    EXPECT_FALSE(lock.locked());
}
