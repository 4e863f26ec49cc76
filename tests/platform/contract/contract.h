// Contract tests: each case is written once against the service interfaces and
// runs on every backend (the simulated machine natively and under Wine, the real
// Win32 services under Wine), so that the simulation cannot drift from Windows.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/machine.h"

namespace sv::test {

// One backend prepared for one test case.
class ContractEnv {
public:
    virtual ~ContractEnv() = default;
    virtual Machine& machine() = 0;
    // An existing, empty folder on a fixed drive, without trailing backslash,
    // removed with its contents when the environment is destroyed.
    virtual std::string scratchFolder() = 0;
    // A key path below HKEY_CURRENT_USER that does not exist yet (its parent may),
    // removed with its sub-keys when the environment is destroyed.
    virtual std::string scratchKey() = 0;
    // Lets the test make `path` unopenable for writing (held open by "another
    // program") until the environment is destroyed or releaseLock is called.
    virtual void lockFile(const std::string& path) = 0;
    virtual void releaseLock(const std::string& path) = 0;
    // Wine keeps a key's values sorted by name where Windows keeps the order they
    // were written in (the API promises neither). Cases that see the difference
    // ask this instead of being dropped.
    virtual bool valuesSortedByName() const { return false; }
};

struct Backend {
    std::string name;
    std::function<std::unique_ptr<ContractEnv>()> make;
};

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) { return info.param.name; }

class ContractTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        env_ = GetParam().make();
        guard_ = std::make_unique<MachineGuard>(env_->machine());
    }
    void TearDown() override {
        guard_.reset();
        env_.reset();
    }
    ContractEnv& env() { return *env_; }
    Machine& m() { return env_->machine(); }

private:
    std::unique_ptr<ContractEnv> env_;
    std::unique_ptr<MachineGuard> guard_;
};

// The backends every contract suite runs on in this build. The simulated machine
// runs everywhere; the real Win32 services only in the windows build.
Backend simBackend();  // tests/platform/sim_env.cpp
#ifdef _WIN32
Backend win32Backend();  // tests/platform/win32/win32_env.cpp
#define SV_CONTRACT_BACKENDS ::testing::Values(::sv::test::simBackend(), ::sv::test::win32Backend())
#else
#define SV_CONTRACT_BACKENDS ::testing::Values(::sv::test::simBackend())
#endif

// Each contract file declares its fixture (class XContract : public ContractTest {})
// and ends with SV_CONTRACT_SUITE(XContract).
#define SV_CONTRACT_SUITE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite, SV_CONTRACT_BACKENDS, ::sv::test::backendName)

}  // namespace sv::test
