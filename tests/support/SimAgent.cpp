#include "SimAgent.h"

#include "NetSnmpIsolation.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace trvtest {
namespace {

std::string makeTempDir(const char* stem)
{
    const char* base = std::getenv("TMPDIR");
    std::string path = std::string(base && *base ? base : "/tmp") + "/" + stem + "-XXXXXX";
    if (!mkdtemp(path.data())) throw std::runtime_error("cannot create a temporary folder: " + std::string(strerror(errno)));
    return path;
}

std::string snmpHome;

void removeSnmpHome()
{
    std::error_code ec;
    std::filesystem::remove_all(snmpHome, ec);
}

std::string dataPath(const std::string& name)
{
    if (name.find('/') != std::string::npos) return name;
    const char* dir = std::getenv("TRVSIM_DATA_DIR");
    return std::string(dir && *dir ? dir : TRVSIM_DATA_DIR_FALLBACK) + "/" + name;
}

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        auto at = text.find(sep, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

const char* faultName(Fault kind)
{
    switch (kind) {
    case Fault::Drop: return "drop";
    case Fault::Delay: return "delay";
    case Fault::ErrorStatus: return "error";
    case Fault::NoAdvance: return "noadvance";
    case Fault::Backwards: return "backwards";
    case Fault::SiblingColumn: return "sibling";
    case Fault::WrongType: return "wrongtype";
    case Fault::Truncate: return "truncate";
    case Fault::Duplicate: return "duplicate";
    case Fault::StaleAnswer: return "stale";
    case Fault::NullAtEnd: return "nullend";
    }
    return "";
}

} // namespace

void isolateNetSnmp()
{
    if (!snmpHome.empty()) return;
    snmpHome = makeTempDir("trvtest-snmp");
    std::atexit(removeSnmpHome);
    ::isolateNetSnmp(snmpHome);
}

std::string LogBinding::octets() const
{
    std::string out;
    for (std::size_t i = 2; i + 1 < value.size(); i += 2) out += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
    return out;
}

std::vector<std::string> variantData(const std::string& file) { return {"--data", dataPath(file)}; }

SimAgent::SimAgent(const std::string& dataFile, const std::vector<std::string>& extraArgs)
{
    workDir_ = makeTempDir("trvtest-sim");
    std::vector<std::string> args = {TRVSIM_PATH, "--data", dataPath(dataFile), "--port", "0",
                                     "--control", workDir_ + "/control"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The simulator's temporary folder goes inside ours, so a test can see that it is removed.
    std::vector<std::string> env = {"TMPDIR=" + workDir_};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0) env.push_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    int rc = posix_spawn(&pid_, TRVSIM_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        pid_ = -1;
        throw std::runtime_error("cannot start " + std::string(TRVSIM_PATH) + ": " + strerror(rc));
    }

    // The first line is the bound port.
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char buf[64];
        auto n = read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, n);
    }
    close(out[0]);
    try {
        std::size_t used = 0;
        port_ = std::stoi(line, &used);
        if (used != line.find('\n') || port_ <= 0) throw std::invalid_argument(line);
    } catch (const std::exception&) {
        stop();
        std::error_code ec;
        std::filesystem::remove_all(workDir_, ec);
        throw std::runtime_error("trvsim did not start with " + dataFile + " (see its messages above)");
    }
}

SimAgent::~SimAgent()
{
    stop();
    std::error_code ec;
    std::filesystem::remove_all(workDir_, ec);
}

int SimAgent::stop()
{
    int result = 0;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        pid_t done = 0;
        while ((done = waitpid(pid_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (done == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            result = -1;
        } else {
            result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        pid_ = -1;
    }
    return result;
}

std::string SimAgent::control(const std::string& command)
{
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::string path = workDir_ + "/control";
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0) close(fd);
        throw std::runtime_error("cannot reach the simulator's control socket");
    }
    timeval limit{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    std::string request = command + "\n";
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size())) {
        close(fd);
        throw std::runtime_error("control write failed");
    }
    std::string reply;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) reply.append(buf, n);
    close(fd);
    if (reply.rfind("error ", 0) == 0) throw std::runtime_error("trvsim: " + reply.substr(6));
    return reply;
}

std::vector<LogEntry> SimAgent::log()
{
    std::vector<LogEntry> entries;
    std::istringstream in(control("log"));
    for (std::string line; std::getline(in, line);) {
        auto f = split(line, '\t');
        if (f.size() < 6) throw std::runtime_error("bad log line: " + line);
        LogEntry e{f[0], f[1], f[2], std::stol(f[3]), std::stoi(f[4]), std::stoi(f[5]), {}};
        for (std::size_t i = 6; i < f.size(); ++i) {
            auto a = f[i].find(' '), b = f[i].find(' ', a + 1);
            e.bindings.push_back({f[i].substr(0, a), f[i].substr(a + 1, b - a - 1), f[i].substr(b + 1)});
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void SimAgent::clearLog() { control("clear-log"); }

int SimAgent::addFault(const FaultSpec& f)
{
    std::string command = std::string("fault ") + faultName(f.kind);
    if (!f.oid.empty()) command += " oid=" + f.oid;
    command += " count=" + std::to_string(f.count) + " status=" + std::to_string(f.status) +
               " ms=" + std::to_string(f.delayMs) + " length=" + std::to_string(f.length);
    std::string reply = control(command);
    return std::stoi(reply.substr(3));
}

void SimAgent::removeFault(int id) { control("unfault " + std::to_string(id)); }

void SimAgent::clearFaults() { control("clear-faults"); }

std::optional<std::string> SimAgent::value(const std::string& oid)
{
    std::string reply = control("get " + oid);
    if (!reply.empty() && reply.back() == '\n') reply.pop_back();
    if (reply == "none") return std::nullopt;
    return reply;
}

void SimAgent::setValue(const std::string& oid, const std::string& typeAndValue)
{
    control("set " + oid + " " + typeAndValue);
}

void SimAgentTest::SetUp()
{
    isolateNetSnmp();
    sim = std::make_unique<SimAgent>(dataFile());
}

} // namespace trvtest
