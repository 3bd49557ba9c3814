#include "state/host.h"

namespace annals {

namespace {
class NullHost final : public Host {
public:
    void NestedFrame() override {}
    void Pause(int) override {}
    void ShowMessage(const std::string&) override {}
    void PlaySound(const std::string&) override {}
    void StopSound(const std::string&) override {}
    void Quit() override { quit = true; }
    bool QuitRequested() const override { return quit; }

private:
    bool quit = false;
};

NullHost nullHost;
Host* current = &nullHost;
} // namespace

Host& TheHost() {
    return *current;
}
void SetHost(Host* host) {
    current = host ? host : &nullHost;
}

} // namespace annals
