#pragma once

#include <cstdint>
#include <string>

// Outcome of one SNMP exchange, handed to hooks and completions; failures of exchanges travel as
// this record, never as exceptions.
struct KySNMPError {
    std::int32_t Code = 0;
    std::int32_t ErrorIndex = 0;
    std::string Message;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
    std::uint8_t EndOfWalk = 0;
    std::uint64_t ErrorCount = 0;
};
