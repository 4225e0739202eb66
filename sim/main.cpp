// trvsim: a managed-switch SNMP agent for tests and demos.
#include "Agent.h"
#include "DataFile.h"

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/prctl.h>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: trvsim --data FILE [--data VARIANT ...] [--port N] [--read-community S]\n"
                         "              [--write-community S] [--engine-id HEX] [--control PATH]\n");
    return 2;
}

bool validEngineId(const std::string& hex)
{
    if (hex.size() < 10 || hex.size() > 64 || hex.size() % 2) return false;
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    trvsim::Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) return usage();
        std::string value = argv[++i];
        if (arg == "--data") {
            options.dataFiles.push_back(value);
        } else if (arg == "--port") {
            char* end = nullptr;
            long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || port < 0 || port > 65535) return usage();
            options.port = static_cast<int>(port);
        } else if (arg == "--read-community") {
            options.readCommunity = value;
        } else if (arg == "--write-community") {
            options.writeCommunity = value;
        } else if (arg == "--engine-id") {
            if (value.rfind("0x", 0) == 0 || value.rfind("0X", 0) == 0) value.erase(0, 2);
            if (!validEngineId(value)) {
                std::fprintf(stderr, "trvsim: --engine-id takes 5 to 32 octets in hex\n");
                return 2;
            }
            options.engineId = value;
        } else if (arg == "--control") {
            options.controlPath = value;
        } else {
            return usage();
        }
    }
    if (options.dataFiles.empty()) return usage();

    // A test program that crashed cannot stop us; its runner would wait on our inherited output for ever.
    pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) return 1;

    try {
        trvsim::Agent agent(trvsim::DataFile::load(options.dataFiles), options);
        return agent.run();
    } catch (const trvsim::DataError& e) {
        std::fprintf(stderr, "trvsim: %s\n", e.what());
        return 1;
    }
}
