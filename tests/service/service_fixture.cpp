#include "service_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "data/archive/crc16.h"

extern char** environ;

namespace zv::fixture {
namespace {

void writeText(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

int jsonPort(const std::string& json, const std::string& name) {
    size_t at = json.find("\"" + name + "\":");
    if (at == std::string::npos) throw std::runtime_error("no port " + name + " in " + json);
    return std::stoi(json.substr(at + name.size() + 3));
}

bool canConnect(int port) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(s);
    return ok;
}

void appendLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    if (posix_spawnp(&pid_, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
}

FakeService::FakeService() {
    writeConfig();
    std::filesystem::path ready = root() / "ready.json";
    process_ = std::make_unique<ChildProcess>(std::vector<std::string>{"python3", ZV_FAKE_SERVICE_SCRIPT, "--root",
                                                                       root().string(), "--ready", ready.string()});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!std::filesystem::exists(ready)) {
        if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("the fake service did not start");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::string ports = readFile(ready);
    httpPort_ = jsonPort(ports, "http");
    httpsPort_ = jsonPort(ports, "https");
}

std::string FakeService::hostPort(bool https) const {
    return "127.0.0.1:" + std::to_string(https ? httpsPort_ : httpPort_);
}

std::string FakeService::url(bool https, std::string_view path) const {
    return std::string(https ? "https://" : "http://") + hostPort(https) + std::string(path);
}

void FakeService::putFile(std::string_view path, std::string_view bytes) const {
    writeText(root() / "files" / std::string(path.substr(path.starts_with('/') ? 1 : 0)), bytes);
}

void FakeService::failFirst(std::string_view path, int times) {
    failures_.emplace_back(std::string(path), times);
    writeConfig();
}

void FakeService::writeConfig() const {
    std::string json = R"({"users": {"member-id": {"password": "member-pw", "role": "member"},)"
                       R"( "guest-id": {"password": "guest-pw", "role": "guest"}}, "fail": {)";
    for (size_t i = 0; i < failures_.size(); ++i) {
        json += (i ? ", \"" : "\"") + failures_[i].first + "\": " + std::to_string(failures_[i].second);
    }
    json += "}}";
    std::filesystem::path temp = root() / "config.json.tmp";
    writeText(temp, json);
    std::filesystem::rename(temp, root() / "config.json");
}

std::vector<std::string> FakeService::requests() const {
    std::vector<std::string> lines;
    std::ifstream in(root() / "requests.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TinyProxy::TinyProxy(std::string_view user, std::string_view password) {
    port_ = unusedPort();
    std::filesystem::path conf = folder_.path() / "tinyproxy.conf";
    writeText(conf, "Port " + std::to_string(port_) +
                        "\nListen 127.0.0.1\nTimeout 30\nMaxClients 20\nLogLevel Error\n" + "LogFile \"" +
                        (folder_.path() / "tinyproxy.log").string() + "\"\nBasicAuth " + std::string(user) + " " +
                        std::string(password) + "\n");
    process_ = std::make_unique<ChildProcess>(std::vector<std::string>{"tinyproxy", "-d", "-c", conf.string()});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!canConnect(port_)) {
        if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("tinyproxy did not start");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

int unusedPort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    close(s);
    return ntohs(addr.sin_port);
}

std::string lhaArchive(const std::vector<ArchiveMember>& members) {
    std::string archive;
    for (const ArchiveMember& m : members) {
        std::string header = "-lh0-";
        appendLe(header, static_cast<uint32_t>(m.content.size()), 4);  // packed size
        appendLe(header, static_cast<uint32_t>(m.content.size()), 4);  // original size
        appendLe(header, (30u << 25) | (5u << 21) | (2u << 16), 4);    // 2010-05-02 00:00
        header += '\x20';                                              // attribute
        header += '\0';                                                // header level 0
        header += static_cast<char>(m.name.size());
        header += m.name;
        appendLe(header, archive::Crc16::of(m.content), 2);
        unsigned sum = 0;
        for (char c : header) sum += static_cast<unsigned char>(c);
        archive += static_cast<char>(header.size());
        archive += static_cast<char>(sum & 0xFF);
        archive += header;
        archive += m.content;
    }
    archive += '\0';
    return archive;
}

std::string serviceSettingsText(const std::string& https, std::string_view catalogue) {
    return "[SITE_AUTH]\r\nURLB=" + https + "/login\r\n[SITE_DATA_GUEST]\r\nURLB=" + https +
           "/guest\r\n[SITE_DATA_MEMBER]\r\nURLB=" + https + "/member\r\n" + std::string(catalogue);
}

}  // namespace zv::fixture
