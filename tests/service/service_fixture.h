// Test support for the service client: the fake data service (tests/service/fake_service.py)
// and a tinyproxy, each started on 127.0.0.1 with its own ports and stopped with the object, and
// small LHA archives built in code.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/data_set_fixture.h"
#include "support/files.h"

namespace zv::fixture {

// A child process, ended (SIGTERM) and reaped when the object goes.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

private:
    pid_t pid_ = -1;
};

class FakeService {
public:
    // Users: "member-id" / "member-pw" (member), "guest-id" / "guest-pw" (guest).
    FakeService();

    const std::filesystem::path& root() const { return folder_.path(); }
    int httpPort() const { return httpPort_; }
    int httpsPort() const { return httpsPort_; }
    std::string hostPort(bool https) const;  // "127.0.0.1:port"
    std::string url(bool https, std::string_view path) const;
    std::filesystem::path caFile() const { return root() / "tls" / "ca.pem"; }
    std::filesystem::path unrelatedCaFile() const { return root() / "tls" / "other-ca.pem"; }

    // A file served at path (below ROOT/files).
    void putFile(std::string_view path, std::string_view bytes) const;
    // The first `times` requests of path answer 503.
    void failFirst(std::string_view path, int times);
    // The request log, one JSON text per request.
    std::vector<std::string> requests() const;

private:
    void writeConfig() const;

    TempFolder folder_;
    std::vector<std::pair<std::string, int>> failures_;
    int httpPort_ = 0;
    int httpsPort_ = 0;
    std::unique_ptr<ChildProcess> process_;
};

// tinyproxy on a free port with Basic proxy authentication.
class TinyProxy {
public:
    TinyProxy(std::string_view user, std::string_view password);
    int port() const { return port_; }

private:
    TempFolder folder_;
    int port_ = 0;
    std::unique_ptr<ChildProcess> process_;
};

// The service's settings file with its login, guest and member sites at https (a "host:port"),
// followed by the catalogue sections as given.
std::string serviceSettingsText(const std::string& https, std::string_view catalogue);

// A port nothing listens on (just released by the kernel).
int unusedPort();

// An LHA archive of stored (-lh0-) members with level-0 headers.
struct ArchiveMember {
    std::string name;
    std::string content;
};
std::string lhaArchive(const std::vector<ArchiveMember>& members);
inline std::string lhaArchive(std::string_view memberName, std::string_view content) {
    return lhaArchive({{std::string(memberName), std::string(content)}});
}

}  // namespace zv::fixture
