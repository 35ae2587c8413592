// The hook library's guarded copy, both ways of catching a fault: the
// vectored handler of Windows XP and later, and the frame-based one that
// Windows 98, ME and 2000 get (forced here, since Wine has both).
#include "guarded_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

using pellamhook::FaultGuard;

// A readable page followed by a reserved page that is never committed, and
// a committed page that forbids reading.
class Pages {
public:
    Pages() {
        base_ = static_cast<char*>(::VirtualAlloc(nullptr, 3 * kPage, MEM_RESERVE, PAGE_NOACCESS));
        ::VirtualAlloc(base_, kPage, MEM_COMMIT, PAGE_READWRITE);
        ::VirtualAlloc(base_ + 2 * kPage, kPage, MEM_COMMIT, PAGE_NOACCESS);
        std::memset(base_, 'q', kPage);
    }
    ~Pages() { ::VirtualFree(base_, 0, MEM_RELEASE); }
    char* readable() const { return base_; }
    char* reserved() const { return base_ + kPage; }
    char* noAccess() const { return base_ + 2 * kPage; }
    static constexpr size_t kPage = 4096;

private:
    char* base_ = nullptr;
};

class GuardedMemory : public testing::TestWithParam<FaultGuard> {
protected:
    void SetUp() override {
        if (GetParam() == FaultGuard::Frame) {
            pellamhook::ForceFrameFaultGuard();
        } else {
            pellamhook::InstallFaultGuard();
        }
        ASSERT_EQ(pellamhook::CurrentFaultGuard(), GetParam());
    }
    void TearDown() override { pellamhook::RemoveFaultGuard(); }
    Pages pages_;
};

TEST_P(GuardedMemory, FaultsInTheCopyAreCaughtAndTheThreadGoesOn) {
    char out[16] = {};
    struct Case {
        const char* what;
        const void* source;
        size_t size;
        bool copied;
    } cases[] = {
        {"readable bytes", pages_.readable(), sizeof out, true},
        {"the last bytes before a reserved page", pages_.reserved() - 8, 8, true},
        {"a copy that runs into a reserved page", pages_.reserved() - 8, 16, false},
        {"a reserved page", pages_.reserved(), 4, false},
        {"a committed page without access", pages_.noAccess(), 4, false},
        {"address 0", nullptr, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::memset(out, 0, sizeof out);
        EXPECT_EQ(pellamhook::CopyCatchingFaults(out, c.source, c.size), c.copied);
        if (c.copied) {
            EXPECT_EQ(out[0], 'q');
        }
        // The checked copy refuses what it cannot read before copying.
        EXPECT_EQ(pellamhook::GuardedCopy(out, c.source, c.size), c.copied);
    }
}

TEST_P(GuardedMemory, TheProgramsOwnExceptionsStillWorkAfterACaughtFault) {
    char out[4];
    ASSERT_FALSE(pellamhook::CopyCatchingFaults(out, pages_.reserved(), sizeof out));
    // A frame left on the chain would break the unwinding of this throw.
    bool caught = false;
    try {
        throw std::runtime_error("the program's own");
    } catch (const std::runtime_error&) {
        caught = true;
    }
    EXPECT_TRUE(caught);
    // The handler is still in place for the next fault.
    EXPECT_FALSE(pellamhook::CopyCatchingFaults(out, pages_.noAccess(), sizeof out));
}

TEST_P(GuardedMemory, TheImageReaderReadsWhatIsThereAndRefusesTheRest) {
    pellamhook::ProcessMemory memory;
    uint32_t readable = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pages_.readable()));
    char out[8] = {};
    EXPECT_TRUE(memory.Read(readable, out, sizeof out));
    EXPECT_EQ(out[7], 'q');
    EXPECT_FALSE(memory.Read(readable + Pages::kPage - 4, out, sizeof out)) << "into the reserved page";
    EXPECT_TRUE(memory.Read(readable + 16, out, sizeof out)) << "the cached region still answers";
}

INSTANTIATE_TEST_SUITE_P(BothHandlers, GuardedMemory,
                         testing::Values(FaultGuard::Vectored, FaultGuard::Frame),
                         [](const testing::TestParamInfo<FaultGuard>& info) {
                             return info.param == FaultGuard::Vectored ? "Vectored" : "FrameBased";
                         });

}  // namespace
