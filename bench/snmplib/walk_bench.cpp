// An asynchronous table walk through KySNMPRequest, side by side with a plain synchronous Net-SNMP
// GETNEXT loop over the same four columns of the same agent.
#include "KySNMPRequest.h"
#include "KySNMPTarget.h"
#include "SimAgent.h"
#include "SnmpClient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rows = 2000;
constexpr int Runs = 5;
const std::string Entry = "1.3.6.1.4.1.32473.97.1.1";

constexpr KySNMPVarDesc BenchTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.97.1.1.2", "Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.97.1.1.3", "Counter", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.97.1.1.4", "State", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.97.1.1.5", "Address", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

void writeData(const std::string& path) {
    std::ofstream out(path);
    out << "@table " << Entry << " index=integer\n@column 2 ro STRING\n@column 3 ro COUNTER32\n"
        << "@column 4 ro INTEGER\n@column 5 ro IPADDRESS\n";
    for (int row = 1; row <= Rows; ++row) {
        out << Entry << ".2." << row << " STRING \"port " << row << "\"\n";
        out << Entry << ".3." << row << " COUNTER32 " << row * 1000 << "\n";
        out << Entry << ".4." << row << " INTEGER " << (row % 3 + 1) << "\n";
        out << Entry << ".5." << row << " IPADDRESS 10.0." << row / 256 << "." << row % 256 << "\n";
    }
}

double milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Driven the way the binding object drives it: the next step is sent from each completion.
int walkOurs() {
    KySNMPRequest request;
    request.VarList = KySNMPVarList(BenchTableVars, MVT_FMV, 1);
    int rows = 0;
    bool finished = false;
    QEventLoop loop;
    KySNMPRequest::Completion step = [&](const KySNMPError& e, KySNMPVarList&) {
        if (e.Code == 0 && !e.EndOfWalk) {
            ++rows;
            bool ok = true;
            request.GetAsync(false, ok, step);
            if (ok) return;
        }
        finished = true;
        loop.quit();
    };
    bool ok = true;
    request.GetAsync(true, ok, step);
    if (ok && !finished) loop.exec();
    return rows;
}

int walkPlain(int port) {
    trvtest::SnmpClient client(port, 1 /* v2c */, "tamber");
    std::vector<std::string> next;
    for (int column = 2; column <= 5; ++column) next.push_back(Entry + "." + std::to_string(column));
    const std::string firstColumn = Entry + ".2.";
    int rows = 0;
    for (;;) {
        const trvtest::Reply reply = client.next(next);
        if (reply.status != 0 || reply.errstat != 0 || reply.vbs.size() != next.size()) break;
        if (reply.vbs[0].oid.rfind(firstColumn, 0) != 0) break;
        ++rows;
        for (std::size_t i = 0; i < next.size(); ++i) next[i] = reply.vbs[i].oid;
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    trvtest::isolateNetSnmp();
    QTemporaryDir work;
    const std::string data = work.filePath("rows.txt").toStdString();
    writeData(data);
    trvtest::SimAgent sim(data);

    startSNMPSession(work.path().toStdString());
    DefaultSNMPDevice = {"127.0.0.1", std::uint16_t(sim.port())};
    DefaultSNMPSecurity.Version = 1;  // v2c

    std::vector<double> ours, plain;
    for (int run = 0; run < Runs; ++run) {
        auto start = Clock::now();
        const int ourRows = walkOurs();
        ours.push_back(milliseconds(start));
        start = Clock::now();
        const int plainRows = walkPlain(sim.port());
        plain.push_back(milliseconds(start));
        if (ourRows != Rows || plainRows != Rows) {
            std::printf("rows walked: ours %d, plain %d, expected %d\n", ourRows, plainRows, Rows);
            return 1;
        }
    }
    const double oursMs = median(ours), plainMs = median(plain);
    std::printf("table walk of %d rows x 4 columns, v2c, median of %d runs\n", Rows, Runs);
    std::printf("KySNMPRequest async walk   %8.1f ms\n", oursMs);
    std::printf("plain Net-SNMP GETNEXT loop %8.1f ms\n", plainMs);
    std::printf("ratio %.2f\n", oursMs / plainMs);
    return 0;
}
