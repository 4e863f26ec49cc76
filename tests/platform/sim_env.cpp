// The simulated machine as a contract-test backend: a fresh machine per case.
#include "platform/contract/contract.h"
#include "platform/sim/sim_machine.h"

namespace sv::test {
namespace {

class SimEnv : public ContractEnv {
public:
    SimEnv() { m_.fs().addFolder(kFolder); }

    Machine& machine() override { return m_; }
    std::string scratchFolder() override { return kFolder; }
    std::string scratchKey() override { return "Software\\SorvaneContract\\Case"; }
    void lockFile(const std::string& path) override {
        if (!m_.fs().lock(path)) ADD_FAILURE() << "cannot lock " << path;
    }
    void releaseLock(const std::string& path) override { m_.fs().unlock(path); }

private:
    static constexpr const char* kFolder = "C:\\scratch";
    sim::SimMachine m_;
};

}  // namespace

Backend simBackend() {
    return {"sim", [] { return std::unique_ptr<ContractEnv>(std::make_unique<SimEnv>()); }};
}

}  // namespace sv::test
