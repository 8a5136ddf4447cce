#include "platform/DataFolderLock.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <chrono>
#include <thread>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

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

#ifdef _WIN32
// The other process of the test below: this test program started again with this
// test alone. It takes the lock, says so in a file, and holds the lock until it is
// killed.
TEST(DataFolderLock, DISABLED_HolderProcess) {
    const char* folder = std::getenv("KARTAVEL_LOCK_FOLDER");
    if (!folder)
        GTEST_SKIP() << "started by AnotherProcessIsRefusedAndTheLockDiesWithItsHolder only";
    const auto path = kartavel::platform::pathFromUtf8(folder);
    DataFolderLock lock;
    kartavel::test::writeFile(path / "ready", lock.tryLock(path) ? "1" : "0");
    ::Sleep(60'000);
}

TEST(DataFolderLock, AnotherProcessIsRefusedAndTheLockDiesWithItsHolder) {
    TempDir dir;
    wchar_t self[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::wstring command = L"\"" + std::wstring(self) +
                           L"\" --gtest_filter=DataFolderLock.DISABLED_HolderProcess"
                           L" --gtest_also_run_disabled_tests";
    kartavel::test::ScopedEnv env("KARTAVEL_LOCK_FOLDER", kartavel::test::utf8(dir.path()).c_str());
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                 nullptr, nullptr, &si, &pi));
    std::string ready;
    for (int i = 0; i < 600 && ready.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ready = kartavel::test::readFile(dir / "ready");
    }
    EXPECT_EQ(ready, "1");
    DataFolderLock mine;
    EXPECT_FALSE(mine.tryLock(dir.path()));
    ::TerminateProcess(pi.hProcess, 1); // ends without unlocking
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    EXPECT_TRUE(mine.tryLock(dir.path()));
}
#else
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
#endif

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
