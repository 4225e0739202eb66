// How fast trvsim answers: start-up with 10,000 rows, a GETNEXT walk and GETBULK walks of those rows
// over v2c and v3 authPriv, and the time from SIGTERM to exit.
#include "SimAgent.h"
#include "SnmpClient.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int rows = 10000;
const std::string column = "1.3.6.1.4.1.32473.98.1.1.2";

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

void report(const char* what, const std::function<std::size_t()>& walk)
{
    auto start = Clock::now();
    std::size_t answered = walk();
    double s = seconds(start);
    std::printf("%-34s %6zu rows  %7.3f s  %9.0f rows/s\n", what, answered, s, answered / s);
    if (answered != rows) std::printf("  (expected %d rows)\n", rows);
}

} // namespace

int main()
{
    trvtest::isolateNetSnmp();
    std::string dir = std::filesystem::temp_directory_path() / ("bench-sim-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string data = dir + "/rows.txt";
    {
        std::ofstream out(data);
        out << "@table 1.3.6.1.4.1.32473.98.1.1 index=integer\n@column 2 ro INTEGER\n";
        for (int i = 1; i <= rows; ++i) out << column << '.' << i << " INTEGER " << i * 7 << '\n';
    }

    auto start = Clock::now();
    {
        trvtest::SimAgent sim(data);
        std::printf("%-34s %27.3f s\n", "start-up with 10,000 rows", seconds(start));

        trvtest::SnmpClient v2c(sim.port(), SNMP_VERSION_2c, "tamber");
        trvtest::SnmpClient v3(sim.port(), trvtest::kShaAesUser);
        report("v2c GETNEXT walk", [&] { return v2c.walk(column).size(); });
        report("v2c GETBULK walk, 50 repetitions", [&] { return v2c.bulkWalk(column, 50).size(); });
        report("v3 SHA/AES GETNEXT walk", [&] { return v3.walk(column).size(); });
        report("v3 SHA/AES GETBULK walk, 50 reps", [&] { return v3.bulkWalk(column, 50).size(); });
        std::printf("%-34s %6zu PDUs\n", "request log", sim.log().size());

        auto stopAt = Clock::now();
        int status = sim.stop();
        std::printf("%-34s %27.3f s  (exit status %d)\n", "SIGTERM to exit", seconds(stopAt), status);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
